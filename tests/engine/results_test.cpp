// Key g: the values it prints from the columns, -X1 and the factor slots.
#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/results.h"
#include "engine/segments.h"
#include "tests/support/dialogue.h"
#include "tests/support/transcript.h"

using namespace dlt;

// Columns and unknowns chosen so that every value is exact: X1 = 2 (R16 = -2)
// and, from the slots R22 and R23, X2 = 3 + 0.5 * 2 = 4. A beam a right end
// computed stands behind them, so key g hints at no unknown.
static RegisterFile second_pass_point() {
  RegisterFile R;
  R.stable.kept = std::make_shared<const KeptBeam>();
  const double columns[13] = {0, 1, 2, 3, 4, 1, 0, 2, 0, 1, 1, 0, 1};
  for (int k = 1; k <= 12; ++k) R[k] = columns[k];
  R[15] = 22;
  R[16] = -2;
  R[22] = 3;
  R[23] = 0.5;
  return R;
}

TEST(Results, FreshProgramPrintsZeros) {
  RegisterFile R;
  InputValues in;
  std::string zero = "0.000000";
  EXPECT_EQ(dialogue(cmd_results, R, in, "x"), results_text(zero, zero, zero, zero));
}

TEST(Results, CombineTheColumnsWithBothUnknowns) {
  RegisterFile R = second_pass_point();
  InputValues in;
  EXPECT_EQ(dialogue(cmd_results, R, in, " "), results_text("7.000000", "6.000000", "7.000000", "8.000000"));
  EXPECT_EQ(in.w, 7);
  EXPECT_EQ(in.p, 6);
  EXPECT_EQ(in.M, 7);
  EXPECT_EQ(in.q, 8);  // the load intensity's variable takes Q

  // Nothing but R14, the results' scratch register, changes, so asking
  // again shows the same.
  RegisterFile before = R;
  EXPECT_EQ(dialogue(cmd_results, R, in, " "), results_text("7.000000", "6.000000", "7.000000", "8.000000"));
  for (int k = 0; k < kRegisterCount; ++k) EXPECT_EQ(R[k], before[k]) << "R" << k;
}

TEST(Results, AfterTheLastConditionAPassHoldsX2IsZero) {
  // The pointer stands just past the last slot, and no slot follows it.
  RegisterFile R = second_pass_point();
  R[15] = kLastRegister + 1;
  R[kLastRegister] = 99;
  InputValues in;
  EXPECT_EQ(dialogue(cmd_results, R, in, " "), results_text("3.000000", "2.000000", "7.000000", "4.000000"));
}

TEST(Results, TakeBothUnknownsFromTheChainWhereItHoldsThem) {
  // The same point, but the right end left X1 = 1 and X2 = 2 for this
  // stretch: the slots and R16 no longer count.
  RegisterFile R = second_pass_point();
  R.chain_minus_x1 = {0, -1};
  R.chain_minus_x2 = {0, -2};
  InputValues in;
  EXPECT_EQ(dialogue(cmd_results, R, in, " "), results_text("4.000000", "4.000000", "5.000000", "6.000000"));
  EXPECT_EQ(R[16], -2);
}

TEST(Results, SignOfValuesThatRoundToZero) {
  RegisterFile R;
  R[1] = -1e-9;
  R[3] = 2.5e-7;
  R[4] = -1.0 / 3;
  InputValues in;
  EXPECT_EQ(dialogue(cmd_results, R, in, " "),
            results_text("-0.000000", "0.000000", "0.000000", "-0.333333"));
}

TEST(Results, NonFiniteValuesArePrintedAsTheCLibraryDoes) {
  RegisterFile R;
  R[15] = 20;
  R[1] = HUGE_VAL;
  R[2] = -HUGE_VAL;
  R[3] = 1e300;
  InputValues in;
  std::string shown = dialogue(cmd_results, R, in, " ");
  char big[400];
  std::snprintf(big, sizeof big, "%f", 1e300);
  EXPECT_EQ(shown, results_text("inf", "-inf", big, "0.000000"));
}

TEST(Results, QStaysAsTheLoadOfASegmentWhoseReadFails) {
  // Key g puts Q into the typed value q; a later segment whose q cannot be
  // read keeps it and is loaded with it.
  RegisterFile R = second_pass_point();
  InputValues in;
  dialogue(cmd_results, R, in, " ");
  console_open_script("1 100 1 x 0");
  CommandEffect segment = cmd_beam_segment(R, in);
  EXPECT_NE(console_take_output().find("Eingabe ist keine Zahl, alter Wert bleibt"), std::string::npos);
  EXPECT_TRUE(segment.element.loaded);
  EXPECT_EQ(segment.element.q, 8);
  EXPECT_EQ(segment.element.qs, 0);
}
