// What holds for every element: codes become quantities only from 1 to 4,
// and applying elements neither prints nor reads, refusals included.
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/stream.h"
#include "engine/element.h"

using namespace dlt;

TEST(Quantity, CodesOneToFourAndNothingElse) {
  for (int code = 1; code <= 4; ++code) {
    Quantity q = Quantity::Q;
    ASSERT_TRUE(quantity_of_code(code, q)) << code;
    EXPECT_EQ(state_code(q), code);
    EXPECT_EQ(quantity_index(q), code - 1);
  }
  for (int code : {0, 5, -1, 13, INT_MIN, INT_MAX}) {
    Quantity q = Quantity::M;
    EXPECT_FALSE(quantity_of_code(code, q)) << code;
    EXPECT_EQ(q, Quantity::M) << code;
  }
  EXPECT_EQ(std::string(quantity_name(Quantity::w)) + quantity_name(Quantity::p) +
                quantity_name(Quantity::M) + quantity_name(Quantity::Q),
            "wpMQ");
}

TEST(ApplyElement, NeverPrintsNorReads) {
  // Every kind, and every refusal: a condition before any left end, a left
  // end with one quantity twice, a support where w is held already, and a
  // right end whose X1 cannot reach M.
  struct Case {
    Element element;
    Refusal refusal;
  };
  const std::vector<Case> cases = {
      {{.kind = ElementKind::condition, .S1 = Quantity::w}, Refusal::no_left_end},
      {{.kind = ElementKind::left_end, .S1 = Quantity::Q, .S2 = Quantity::Q}, Refusal::same_codes},
      {{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q}, Refusal::none},
      {{.kind = ElementKind::condition, .S1 = Quantity::w}, Refusal::undetermined_condition},
      {{.kind = ElementKind::beam_segment, .length = 2, .EI = 100, .loaded = true, .q = 1}, Refusal::none},
      {{.kind = ElementKind::shaft_segment, .length = 1, .E = 200, .diameter = 2}, Refusal::none},
      {{.kind = ElementKind::point_action, .S1 = Quantity::Q, .load = 3}, Refusal::none},
      {{.kind = ElementKind::spring, .c = 10}, Refusal::none},
      {{.kind = ElementKind::condition, .S1 = Quantity::w}, Refusal::none},
      {{.kind = ElementKind::left_end, .S1 = Quantity::w, .S2 = Quantity::p}, Refusal::none},
      {{.kind = ElementKind::right_end, .S1 = Quantity::p, .S2 = Quantity::M},
       Refusal::undetermined_right_end},
  };
  console_open_script("a 2 4");
  RegisterFile R;
  for (std::size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(apply_element(R, cases[i].element), cases[i].refusal) << i;
  EXPECT_EQ(console_take_output(), "");
  EXPECT_EQ(read_key(), 'a');
  console_take_output();
}
