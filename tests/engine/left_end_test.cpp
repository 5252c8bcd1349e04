// Key a: the columns a left end sets up, and the codes it refuses.
#include <string>

#include <gtest/gtest.h>

#include "engine/left_end.h"
#include "tests/support/dialogue.h"
#include "tests/support/transcript.h"

using namespace dlt;

// A register file as an earlier pass may leave it: every register in use.
static RegisterFile used_registers() {
  RegisterFile R;
  for (int k = 0; k < kRegisterCount; ++k) R[k] = 100 + k;
  return R;
}

static Element left_end(Quantity S1, Quantity S2) {
  return {.kind = ElementKind::left_end, .S1 = S1, .S2 = S2};
}

TEST(LeftEnd, EachSupportTypePutsItsOnesInTheirColumnsAndStartsAPass) {
  struct Case {
    Quantity S1, S2;
    int x1_register;
    int x2_register;
  };
  // Pinned, free, clamped, and a sliding clamp (p and Q zero there).
  const Case cases[] = {{Quantity::p, Quantity::Q, 6, 12},
                        {Quantity::w, Quantity::p, 5, 10},
                        {Quantity::M, Quantity::Q, 7, 12},
                        {Quantity::w, Quantity::M, 5, 11}};
  for (const Case& c : cases) {
    RegisterFile R = used_registers();
    EXPECT_EQ(apply_element(R, left_end(c.S1, c.S2)), Refusal::none);
    for (int k = 1; k <= 12; ++k)
      EXPECT_EQ(R[k], (k == c.x1_register || k == c.x2_register) ? 1 : 0) << c.x1_register << " R" << k;
    EXPECT_EQ(R[15], 20);
    // What the right end and the conditions of the first pass left stays.
    EXPECT_EQ(R[0], 100);
    for (int k = 16; k < kRegisterCount; ++k) EXPECT_EQ(R[k], 100 + k) << "R" << k;
  }
}

TEST(LeftEnd, SameQuantityTwiceOnlyClearsTheColumns) {
  // One unknown twice and the other missing: every condition after it would
  // meet two equal columns.
  for (Quantity q : kQuantities) {
    RegisterFile R = used_registers();
    EXPECT_EQ(apply_element(R, left_end(q, q)), Refusal::same_codes);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], 0) << "R" << k;
    for (int k = 13; k < kRegisterCount; ++k) EXPECT_EQ(R[k], 100 + k) << "R" << k;
  }
}

TEST(LeftEndDialogue, ReadsTheCodesAndAppliesTheLeftEndTheyMake) {
  RegisterFile R = used_registers();
  InputValues in;
  console_open_script("2\n4\n");
  CommandEffect effect = cmd_left_end(R, in);
  EXPECT_EQ(console_take_output(), kLeftEndDialogue);
  EXPECT_EQ(effect.effect, Effect::element);
  EXPECT_EQ(effect.element.kind, ElementKind::left_end);
  EXPECT_EQ(effect.element.S1, Quantity::p);
  EXPECT_EQ(effect.element.S2, Quantity::Q);
  EXPECT_EQ(in.S1, 2);
  EXPECT_EQ(in.S2, 4);
  RegisterFile applied = used_registers();
  apply_element(applied, effect.element);
  for (int k = 0; k < kRegisterCount; ++k) EXPECT_EQ(R[k], applied[k]) << "R" << k;
}

TEST(LeftEndDialogue, RefusedCodesClearTheColumnsAndCloseThePass) {
  struct Case {
    const char* codes;
    const char* notice;
  };
  const Case cases[] = {
      {"0 4", kLeftEndCodeNotice},     {"5 4", kLeftEndCodeNotice},
      {"2 9", kLeftEndCodeNotice},     {"-1 2", kLeftEndCodeNotice},
      {"2 0", kLeftEndCodeNotice},     {"2147483647 2147483647", kLeftEndCodeNotice},
      {"2 2", kLeftEndSameCodeNotice}, {"4 4", kLeftEndSameCodeNotice},
  };
  for (const Case& c : cases) {
    RegisterFile R = used_registers();
    InputValues in;
    console_open_script(c.codes);
    CommandEffect effect = cmd_left_end(R, in);
    EXPECT_EQ(console_take_output(), kLeftEndDialogue + c.notice) << c.codes;
    EXPECT_EQ(effect.effect, Effect::pass_closed) << c.codes;
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], 0) << c.codes << " R" << k;
    EXPECT_EQ(R[0], 100) << c.codes;
    for (int k = 13; k < kRegisterCount; ++k) EXPECT_EQ(R[k], 100 + k) << c.codes << " R" << k;
  }
}

// A pass given up for want of memory refuses every element but a left end,
// and the left end after it starts a pass as a fresh register file does.
TEST(LeftEnd, AbandonedPassRefusesAllButALeftEnd) {
  RegisterFile R = used_registers();
  ASSERT_EQ(apply_element(R, left_end(Quantity::p, Quantity::Q)), Refusal::none);
  abandon_pass(R);
  const Element refused[] = {
      {.kind = ElementKind::beam_segment, .length = 2, .EI = 100},
      {.kind = ElementKind::point_action, .S1 = Quantity::Q, .load = 5},
      {.kind = ElementKind::spring, .c = 10},
      {.kind = ElementKind::condition, .S1 = Quantity::w},
      {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M},
  };
  for (const Element& e : refused) {
    EXPECT_EQ(apply_element(R, e), Refusal::pass_abandoned);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], 0) << "R" << k;
  }
  // A condition still runs its whole dialogue before it is refused.
  EXPECT_EQ(condition_room(R), Refusal::none);
  EXPECT_EQ(condition_refusal(R, Quantity::w), Refusal::none);

  ASSERT_EQ(apply_element(R, left_end(Quantity::p, Quantity::Q)), Refusal::none);
  RegisterFile fresh;
  ASSERT_EQ(apply_element(fresh, left_end(Quantity::p, Quantity::Q)), Refusal::none);
  for (const Element& e : refused) {
    EXPECT_EQ(apply_element(R, e), apply_element(fresh, e));
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(R[k], fresh[k]) << "R" << k;
  }
}
