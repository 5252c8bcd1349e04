// Beams of many spans: equal spans under a uniform load (q, L and EI all 1),
// whose inner support moments tend to -q L^2/12 away from the ends. Carrying
// the left end's unknown through every support would lose a digit every two
// spans or so; these check that the digits stay.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/results.h"
#include "tests/support/program.h"

using namespace dlt;

namespace {

// Both passes over n equal spans, with g right of every inner support and at
// the right end.
std::string equal_spans_script(int spans) {
  std::string script = "a 2 4\n";
  for (int i = 1; i < spans; ++i) script += "c 1 1 1 1 0\nf 1 0 0\n";
  script += "c 1 1 1 1 0\nf 1 0 1 3 0\na 2 4\n";
  for (int i = 1; i < spans; ++i) script += "c 1 1 1 1 0\nf 1 0 0\ng .\n";
  return script + "c 1 1 1 1 0\ng .\nq\n";
}

// The values printed after prefix ("M= ") in every results block, in order.
std::vector<std::string> printed(const std::string& output, const std::string& prefix) {
  std::vector<std::string> values;
  for (std::size_t at = output.find("\n" + prefix); at != std::string::npos;
       at = output.find("\n" + prefix, at + 1)) {
    std::size_t start = at + 1 + prefix.size();
    values.push_back(output.substr(start, output.find('\n', start) - start));
  }
  return values;
}

}  // namespace

TEST(LongBeam, TwentySpansEndToEnd) {
  PipedRun run = run_piped(equal_spans_script(20));
  ASSERT_EQ(run.ending.status, 0);
  EXPECT_EQ(run.output.find("nicht gesetzt"), std::string::npos) << run.output;
  std::vector<std::string> w = printed(run.output, "w= ");
  std::vector<std::string> M = printed(run.output, "M= ");
  ASSERT_EQ(M.size(), 20u);
  EXPECT_EQ(M[0], "-0.105662");  // the first inner support, -(3 - sqrt 3)/12 q L^2
  EXPECT_EQ(M[9], "-0.083333");  // the middle one
  EXPECT_EQ(M[18], "-0.105662");
  EXPECT_TRUE(M[19] == "0.000000" || M[19] == "-0.000000") << M[19];
  for (const std::string& value : w) EXPECT_TRUE(value == "0.000000" || value == "-0.000000") << value;
}

TEST(LongBeam, AThousandSpansKeepTheirDigits) {
  // The elements applied to the registers themselves, so that the values can
  // be read to the last bit rather than to six decimals.
  const int spans = 1000;
  const Element left{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q};
  const Element span{.kind = ElementKind::beam_segment, .length = 1, .EI = 1, .loaded = true, .q = 1};
  const Element support{.kind = ElementKind::condition, .S1 = Quantity::w};
  RegisterFile R;
  apply_element(R, left);
  for (int i = 1; i < spans; ++i) {
    apply_element(R, span);
    ASSERT_EQ(apply_element(R, support), Refusal::none);
  }
  apply_element(R, span);
  ASSERT_EQ(apply_element(R, {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M}),
            Refusal::none);

  apply_element(R, left);
  double worst_w = 0;
  for (int i = 1; i < spans; ++i) {
    apply_element(R, span);
    apply_element(R, support);
    PointValues at = point_values(R);
    worst_w = std::fmax(worst_w, std::fabs(at.w));
    // From the three-moment equation M[i-1] + 4 M[i] + M[i+1] = -1/2:
    // M[i] = -(1 - r^i)/12 with r = sqrt(3) - 2.
    if (i == 1) {
      EXPECT_NEAR(at.M, -(3 - std::sqrt(3.0)) / 12, 1e-13);
    } else if (i == spans / 2) {
      EXPECT_NEAR(at.M, -1.0 / 12, 1e-13);
    }
  }
  EXPECT_LT(worst_w, 1e-13);
  apply_element(R, span);
  PointValues end = point_values(R);
  EXPECT_NEAR(end.w, 0, 1e-13);
  EXPECT_NEAR(end.M, 0, 1e-13);
}
