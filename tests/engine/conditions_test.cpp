// Key f: the elimination of X2 at a condition and -X1 at the right end, to
// the bit, the dialogue, and the commands it refuses.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "engine/conditions.h"
#include "engine/segments.h"
#include "engine/unknown_chain.h"
#include "tests/support/dialogue.h"
#include "tests/support/register_states.h"
#include "tests/support/transcript.h"

using namespace dlt;

// A pinned left end, then a segment of length 4 with EI 100 under q = 10:
// the simply supported beam just before its right support.
static RegisterFile simply_supported_before_right_end() {
  RegisterFile R = pinned_left_end();
  R[13] = 4;
  R[14] = 4 / -100.0;
  field_transfer(R);
  distributed_load(R, 10, 0);
  return R;
}

// Columns chosen so that the factors are exact: with S1 = 3 (a hinge) the
// load, X1 and X2 entries of M are 4, 2 and 2, so f1 = -2 and f2 = -1.
static RegisterFile exact_columns(int pointer) {
  RegisterFile R;
  const double columns[13] = {0, 1, 2, 4, 8, 0, 1, 2, 3, 1, 1, 2, 0.5};
  for (int k = 1; k <= 12; ++k) R[k] = columns[k];
  R[15] = pointer;
  R[16] = 5;
  return R;
}

// Expects the three columns, R1 to R12, to hold expected[1] to expected[12].
static void expect_columns(const RegisterFile& R, const double (&expected)[13]) {
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], expected[k]) << "R" << k;
}

TEST(EliminateUnknown, SimplySupportedBeamGivesItsFactorsAndX1) {
  RegisterFile R = simply_supported_before_right_end();
  eliminate_unknown(R, Quantity::w, 0);
  EXPECT_EQ(R[20], 10);
  EXPECT_EQ(R[21], 37.5);
  EXPECT_EQ(R[15], 22);
  right_end(R, Quantity::M, 0);
  // -X1 = -q L^3/(24 EI), and X2 = f1 + f2 X1 = 20 = q L/2.
  EXPECT_EQ(R[16], -4.0 / 15);
  EXPECT_EQ(R[20] + R[21] * -R[16], 20);
}

TEST(EliminateUnknown, ColumnsTakeInTheFactorsTimesX2) {
  RegisterFile R = exact_columns(24);
  eliminate_unknown(R, Quantity::M, 0);
  EXPECT_EQ(R[24], -2);
  EXPECT_EQ(R[25], -1);
  EXPECT_EQ(R[15], 26);
  // Load column A + f1 C, X1 column B + f2 C; the new X2 column is the kink,
  // the quantity complementary to M.
  const double expected[13] = {0, -1, 0, 0, 7, -1, 0, 0, 2.5, 0, 1, 0, 0};
  expect_columns(R, expected);
  EXPECT_EQ(R[16], 5);  // only the right end sets -X1
}

TEST(EliminateUnknown, PrescribedEntryIsExactlyW1) {
  // A settled support: w = 0.1 there. The rounds would leave the entry near
  // zero; it must read 0.1 to the bit.
  RegisterFile R = simply_supported_before_right_end();
  eliminate_unknown(R, Quantity::w, 0.1);
  EXPECT_EQ(R[1], 0.1);
}

TEST(EliminateUnknown, NewX2IsTheQuantityComplementaryToS1) {
  // w -> Q (support force), p -> M, M -> p (kink), Q -> w.
  for (Quantity q : kQuantities) {
    int S1 = state_code(q);
    RegisterFile R = exact_columns(20);
    R[S1 + 8] = 2;  // a pivot that is not zero
    eliminate_unknown(R, q, 0);
    for (int k = 9; k <= 12; ++k) EXPECT_EQ(R[k], k == 13 - S1 ? 1 : 0) << "S1 " << S1 << " R" << k;
  }
}

TEST(RightEnd, StoresMinusX1FromTheLoadAndX1Entries) {
  // A right end with an end moment: M = 4 + 2 X1 must be 1, so -X1 = 1.5.
  RegisterFile R = exact_columns(22);
  RegisterFile before = R;
  right_end(R, Quantity::M, 1);
  EXPECT_EQ(R[16], 1.5);
  // R14 is the right end's scratch register.
  expect_unchanged_except(R, before, {14, 16});
}

TEST(Condition, IntermediateSupportAsksForNoRightEnd) {
  for (const char* answer : {"0", "2", "-1"}) {
    RegisterFile R = simply_supported_before_right_end();
    R[16] = 5;
    InputValues in;
    std::string shown = dialogue(cmd_condition, R, in, std::string("1 0 ") + answer + " 3 0");
    EXPECT_EQ(shown, kConditionDialogue + kRightEndQuestion) << answer;
    EXPECT_EQ(R[15], 22) << answer;
    EXPECT_EQ(R[16], 5) << answer;
  }
}

TEST(Condition, RightEndOfTheSimplySupportedBeam) {
  RegisterFile R = simply_supported_before_right_end();
  InputValues in;
  EXPECT_EQ(dialogue(cmd_condition, R, in, "1\n0\n1\n3\n0\n"),
            kConditionDialogue + kRightEndQuestion + kRightEndDialogue);
  EXPECT_EQ(R[16], -4.0 / 15);
  EXPECT_EQ(in.S1, 1);
  EXPECT_EQ(in.right_end_answer, 1);
  EXPECT_EQ(in.S2, 3);
}

TEST(Condition, RefusedBeforeItsFirstPromptWithoutRoomForFactors) {
  // A fresh program has no left end: its pointer 0 would put factors in R0.
  // After the last condition a pass may hold, the pointer stands just past
  // the last slot.
  struct Case {
    double pointer;
    const char* notice;
  };
  for (Case c : {Case{0, kNoLeftEndNotice}, Case{kLastRegister + 1, kTooManyConditionsNotice}}) {
    RegisterFile R = exact_columns(20);
    R[15] = c.pointer;
    RegisterFile before = R;
    InputValues in;
    EXPECT_EQ(dialogue(cmd_condition, R, in, "1 0 1 3 0"), c.notice);
    expect_unchanged_except(R, before, {});
  }
}

TEST(Condition, CodesOutsideOneToFourChangeNoRegister) {
  for (const char* bad : {"0", "5", "-3", "2147483647"}) {
    RegisterFile R = exact_columns(20);
    RegisterFile before = R;
    InputValues in;
    std::string shown = dialogue(cmd_condition, R, in, std::string(bad) + " 0 1 3 0");
    EXPECT_EQ(shown, kConditionDialogue + kConditionCodeNotice) << bad;
    expect_unchanged_except(R, before, {});
  }
  // A refused S2 leaves the condition done and -X1 as it was.
  RegisterFile R = exact_columns(20);
  RegisterFile R_without_right_end = R;
  InputValues in;
  EXPECT_EQ(dialogue(cmd_condition, R, in, "3 0 1 9 0"),
            kConditionDialogue + kRightEndQuestion + kRightEndDialogue + kRightEndCodeNotice);
  dialogue(cmd_condition, R_without_right_end, in, "3 0 0");
  expect_unchanged_except(R, R_without_right_end, {});
}

TEST(ChoosePivot, NewestUnknownForTheFirstFiveConditionsThenTheOlder) {
  struct Case {
    int pointer;
    double x1_entry, x2_entry;
    Pivot pivot;
  };
  const Case cases[] = {
      {20, 2, 2, Pivot::x2},   {28, 2, 2, Pivot::x2},
      {30, 2, 2, Pivot::x1},   {kLastRegister - 1, 2, 2, Pivot::x1},
      {20, 2, 0, Pivot::x1},   {28, -1e-300, 0, Pivot::x1},
      {30, 0, 2, Pivot::x2},   {20, 0, 2, Pivot::x2},
      {20, 0, 0, Pivot::none}, {30, 0, -0.0, Pivot::none},
  };
  for (const Case& c : cases) {
    RegisterFile R = exact_columns(c.pointer);
    R[7] = c.x1_entry;
    R[11] = c.x2_entry;
    EXPECT_EQ(choose_pivot(R, Quantity::M), c.pivot)
        << "R15 " << c.pointer << ", X1 " << c.x1_entry << ", X2 " << c.x2_entry;
  }
}

TEST(EliminateCarriedUnknown, ColumnsTakeInTheFactorsTimesX1) {
  // The sixth condition: X1 = g1 + g2 X2 with g1 = -4/2 and g2 = -2/2, its
  // slots R30 and R31, the first past R30.
  RegisterFile R = exact_columns(30);
  eliminate_carried_unknown(R, Quantity::M, 0);
  EXPECT_EQ(R[30], -2);
  EXPECT_EQ(R[31], -1);
  EXPECT_EQ(R[15], 32);
  // Load column A + g1 B, X1 column C + g2 B, the kink as the new X2.
  const double expected[13] = {0, 1, 0, 0, 2, 1, 0, 0, -2.5, 0, 1, 0, 0};
  expect_columns(R, expected);
  EXPECT_EQ(R.solved_for_x1.at(5), 1);
}

TEST(Condition, ZeroX2EntrySolvesForX1) {
  // A hinge where X2 cannot change the moment, such as a second hinge with no
  // support between: X1 is fixed by the hinge alone (g2 = 0), and X2 goes on.
  RegisterFile R = exact_columns(20);
  R[11] = 0;
  InputValues in;
  EXPECT_EQ(dialogue(cmd_condition, R, in, "3 0.5 0"), kConditionDialogue + kRightEndQuestion);
  EXPECT_EQ(R[20], -1.75);  // -(4 - 0.5) / 2
  EXPECT_EQ(R[21], 0);
  EXPECT_EQ(R[15], 22);
  const double expected[13] = {0, 1, 0.25, 0.5, 2.75, 1, 1, 0, 0.5, 0, 1, 0, 0};
  expect_columns(R, expected);
}

TEST(Condition, SecondConditionOnTheSameQuantityIsRefused) {
  // Solved for X1 with X1 and X2 entries 49 and 1, the X1 column's new
  // entry 1 + 49 (-1/49) would round to 1.1e-16, not 0. It must be 0, so
  // that a second hinge at the same point meets two zero entries.
  RegisterFile R = exact_columns(30);
  R[7] = 49;
  R[11] = 1;
  InputValues in;
  dialogue(cmd_condition, R, in, "3 0 0");
  EXPECT_EQ(R[7], 0);
  EXPECT_EQ(R[11], 0);
  RegisterFile before = R;
  EXPECT_EQ(dialogue(cmd_condition, R, in, "3 0 0"), kConditionDialogue + kUndeterminedConditionNotice);
  expect_unchanged_except(R, before, {});
}

TEST(Condition, MechanismIsRefusedAndChangesNothing) {
  // Neither unknown reaches the moment: a hinge that releases nothing.
  for (int pointer : {20, 30}) {
    RegisterFile R = exact_columns(pointer);
    R[7] = 0;
    R[11] = 0;
    RegisterFile before = R;
    InputValues in;
    EXPECT_EQ(dialogue(cmd_condition, R, in, "3 0 1 3 0"), kConditionDialogue + kUndeterminedConditionNotice);
    expect_unchanged_except(R, before, {});
    EXPECT_TRUE(R.solved_for_x1.empty());
  }
}

TEST(Condition, RightEndThatX1CannotReachIsRefused) {
  // After the hinge X1's column has no moment left, so a right end that
  // prescribes M cannot fix X1: the hinge stays, -X1 keeps its value.
  RegisterFile R = exact_columns(20);
  R[7] = 0;
  InputValues in;
  EXPECT_EQ(dialogue(cmd_condition, R, in, "3 0 1 3 0"),
            kConditionDialogue + kRightEndQuestion + kRightEndDialogue + kUndeterminedRightEndNotice);
  EXPECT_EQ(R[15], 22);
  EXPECT_EQ(R[16], 5);
}

TEST(UnknownChain, BackSubstitutesFromTheRightEnd) {
  // Three conditions, the middle one solved for X1; the last stretch has
  // X1 = 1. Condition 1: X1 = 3 + 4 X2 with X2 = 1, so X1 = 7; condition 0
  // kept X1 = 7 and gave X2 = 1 + 2 * 7 = 15.
  RegisterFile R;
  const double slots[6] = {1, 2, 3, 4, 5, 6};
  for (int k = 0; k < 6; ++k) R[20 + k] = slots[k];
  R.solved_for_x1 = {0, 1, 0};
  R[15] = 26;
  R[16] = -1;
  chain_unknowns(R);
  double minus_x1 = 0, minus_x2 = 0;
  ASSERT_TRUE(chained_unknowns(R, 20, minus_x1, minus_x2));
  EXPECT_EQ(minus_x1, -7);
  EXPECT_EQ(minus_x2, -15);
  ASSERT_TRUE(chained_unknowns(R, 22, minus_x1, minus_x2));
  EXPECT_EQ(minus_x1, -7);
  EXPECT_EQ(minus_x2, -1);
  // Past the last condition solved for X1, and off the slot pairs.
  EXPECT_FALSE(chained_unknowns(R, 24, minus_x1, minus_x2));
  EXPECT_FALSE(chained_unknowns(R, 21, minus_x1, minus_x2));
  EXPECT_FALSE(chained_unknowns(R, 0, minus_x1, minus_x2));

  // The chain ends at the right end's last condition: a kind noted past it,
  // left by an older beam, is not part of it.
  R.solved_for_x1 = {0, 0, 0, 1};
  chain_unknowns(R);
  EXPECT_TRUE(R.chain_minus_x1.empty());
}

TEST(UnknownChain, ReachesBackFromTheLastConditionAPassMayHold) {
  // The right end after condition 100,000, solved for X1 as X1 = 2 + 3 X2:
  // its stretch gets X2 = the right end's X1 = 1 and X1 = 5, and every one
  // before it, solved for X2 with zero factors, keeps X1 = 5.
  RegisterFile R;
  R.solved_for_x1.assign(kMaxConditions, 0);
  R.solved_for_x1.back() = 1;
  R[kLastRegister - 1] = 2;
  R[kLastRegister] = 3;
  R[15] = kLastRegister + 1;
  R[16] = -1;
  chain_unknowns(R);
  ASSERT_EQ(R.chain_minus_x1.size(), static_cast<std::size_t>(kMaxConditions));
  double minus_x1 = 0, minus_x2 = 0;
  ASSERT_TRUE(chained_unknowns(R, kLastRegister - 1, minus_x1, minus_x2));
  EXPECT_EQ(minus_x1, -5);
  EXPECT_EQ(minus_x2, -1);
  ASSERT_TRUE(chained_unknowns(R, kFirstFactorSlot, minus_x1, minus_x2));
  EXPECT_EQ(minus_x1, -5);
  EXPECT_EQ(minus_x2, 0);
  EXPECT_FALSE(chained_unknowns(R, kLastRegister + 1, minus_x1, minus_x2));
}

TEST(Condition, SaysWhatItAppliedAndWhetherItWasTheRightEnd) {
  const struct {
    const char* typed;
    Effect effect;
    ElementKind kind;
  } cases[] = {
      {"1 0 1 3 0", Effect::element, ElementKind::right_end},  // support and right end
      {"1 0 0", Effect::element, ElementKind::condition},      // intermediate support
      {"1 0 1 7 0", Effect::element, ElementKind::condition},  // the right end refused, the support set
      {"9 0", Effect::none, ElementKind::left_end},            // no such quantity
      {"2 0", Effect::none, ElementKind::left_end},            // p: neither unknown can change it here
  };
  for (const auto& c : cases) {
    RegisterFile R = simply_supported_before_right_end();
    R[6] = 0;
    R[10] = 0;
    InputValues in;
    console_open_script(c.typed);
    CommandEffect effect = cmd_condition(R, in);
    console_take_output();
    EXPECT_EQ(effect.effect, c.effect) << c.typed;
    if (c.effect == Effect::none) continue;
    EXPECT_EQ(effect.element.kind, c.kind) << c.typed;
    EXPECT_EQ(effect.element.S1, Quantity::w) << c.typed;
  }
}

TEST(RightEndElement, SetsItsConditionThenDeterminesX1) {
  // The dialogue's right end and the element applied alone give the same
  // registers, -X1 = -q L^3/(24 EI) among them.
  Element end{.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M};
  RegisterFile R = simply_supported_before_right_end();
  EXPECT_EQ(apply_element(R, end), Refusal::none);
  EXPECT_EQ(R[16], -4.0 / 15);
  RegisterFile typed = simply_supported_before_right_end();
  InputValues in;
  dialogue(cmd_condition, typed, in, "1 0 1 3 0");
  for (int k = 0; k < kRegisterCount; ++k) EXPECT_EQ(R[k], typed[k]) << "R" << k;
}

TEST(RightEndElement, RefusalsSayWhatStillTookEffect) {
  // Where X1 cannot reach S2 the condition stays set and -X1 as it was.
  RegisterFile R = exact_columns(20);
  R[7] = 0;
  Element end{.kind = ElementKind::right_end, .S1 = Quantity::M, .S2 = Quantity::M};
  EXPECT_EQ(apply_element(R, end), Refusal::undetermined_right_end);
  EXPECT_EQ(R[15], 22);
  EXPECT_EQ(R[16], 5);
  // Where the condition itself cannot be set, nothing changes.
  R = exact_columns(20);
  R[7] = 0;
  R[11] = 0;
  RegisterFile before = R;
  EXPECT_EQ(apply_element(R, end), Refusal::undetermined_condition);
  expect_unchanged_except(R, before, {});
}

TEST(ConditionElement, NeedsAPassWithRoomForItsFactors) {
  // Before any left end the pointer would put factors into R0; after the
  // last condition a pass may hold it stands just past the last slot.
  struct Case {
    double pointer;
    Refusal refusal;
  };
  for (Case c : {Case{0, Refusal::no_left_end}, Case{kLastRegister + 1, Refusal::too_many_conditions}}) {
    for (ElementKind kind : {ElementKind::condition, ElementKind::right_end}) {
      RegisterFile R = exact_columns(20);
      R[15] = c.pointer;
      RegisterFile before = R;
      EXPECT_EQ(condition_room(R), c.refusal);
      EXPECT_EQ(apply_element(R, {.kind = kind, .S1 = Quantity::M, .S2 = Quantity::Q}), c.refusal);
      expect_unchanged_except(R, before, {});
    }
  }
}
