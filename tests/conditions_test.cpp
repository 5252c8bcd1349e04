// Key f: the elimination of X2 at a condition and -X1 at the right end, to
// the bit, the dialogue, and the commands it refuses.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "dialogue.h"
#include "engine/conditions.h"
#include "engine/segments.h"
#include "register_states.h"
#include "transcript.h"

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

TEST(EliminateUnknown, SimplySupportedBeamGivesItsFactorsAndX1) {
  RegisterFile R = simply_supported_before_right_end();
  eliminate_unknown(R, 1, 0);
  EXPECT_EQ(R[20], 10);
  EXPECT_EQ(R[21], 37.5);
  EXPECT_EQ(R[15], 22);
  right_end(R, 3, 0);
  // -X1 = -q L^3/(24 EI), and X2 = f1 + f2 X1 = 20 = q L/2.
  EXPECT_EQ(R[16], -4.0 / 15);
  EXPECT_EQ(R[20] + R[21] * -R[16], 20);
}

TEST(EliminateUnknown, ColumnsTakeInTheFactorsTimesX2) {
  RegisterFile R = exact_columns(24);
  eliminate_unknown(R, 3, 0);
  EXPECT_EQ(R[24], -2);
  EXPECT_EQ(R[25], -1);
  EXPECT_EQ(R[15], 26);
  // Load column A + f1 C, X1 column B + f2 C; the new X2 column is the kink,
  // the quantity complementary to M.
  const double expected[13] = {0, -1, 0, 0, 7, -1, 0, 0, 2.5, 0, 1, 0, 0};
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], expected[k]) << "R" << k;
  EXPECT_EQ(R[13], -1);  // the last factor
  EXPECT_EQ(R[14], 10);
  EXPECT_EQ(R[16], 5);  // only the right end sets -X1
  EXPECT_EQ(R[17], 11);
  EXPECT_EQ(R[18], 0);
}

TEST(EliminateUnknown, PrescribedEntryIsExactlyW1) {
  // A settled support: w = 0.1 there. The rounds would leave the entry near
  // zero; it must read 0.1 to the bit.
  RegisterFile R = simply_supported_before_right_end();
  eliminate_unknown(R, 1, 0.1);
  EXPECT_EQ(R[1], 0.1);
  EXPECT_EQ(R[18], 0.1);
}

TEST(EliminateUnknown, NewX2IsTheQuantityComplementaryToS1) {
  // w -> Q (support force), p -> M, M -> p (kink), Q -> w.
  for (int S1 = 1; S1 <= 4; ++S1) {
    RegisterFile R = exact_columns(20);
    R[S1 + 8] = 2;  // a pivot that is not zero
    eliminate_unknown(R, S1, 0);
    for (int k = 9; k <= 12; ++k) EXPECT_EQ(R[k], k == 13 - S1 ? 1 : 0) << "S1 " << S1 << " R" << k;
    EXPECT_EQ(R[14], 13 - S1);
  }
}

TEST(RightEnd, StoresMinusX1FromTheLoadAndX1Entries) {
  // A right end with an end moment: M = 4 + 2 X1 must be 1, so -X1 = 1.5.
  RegisterFile R = exact_columns(22);
  RegisterFile before = R;
  right_end(R, 3, 1);
  EXPECT_EQ(R[16], 1.5);
  EXPECT_EQ(R[14], 7);
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
  // After five conditions the pointer stands at R30, and a sixth would need
  // R31.
  struct Case {
    double pointer;
    const char* notice;
  };
  for (Case c : {Case{0, kNoLeftEndNotice}, Case{30, kSixthConditionNotice}}) {
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

TEST(Condition, ZeroPivotCompletesWithNonFiniteFactors) {
  // A hinge where X2 cannot change the moment: a user's mistake or a beam the
  // method cannot do, not a fault.
  RegisterFile R = exact_columns(20);
  R[11] = 0;
  InputValues in;
  EXPECT_EQ(dialogue(cmd_condition, R, in, "3 0 0"), kConditionDialogue + kRightEndQuestion);
  EXPECT_TRUE(std::isinf(R[20]));
  EXPECT_TRUE(std::isinf(R[21]));
  EXPECT_EQ(R[15], 22);
}
