// Keys c and e: the field transfer, the distributed load and the shaft's EI,
// to the bit, and the dialogues that lead to them.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "dialogue.h"
#include "engine/segments.h"
#include "register_states.h"
#include "transcript.h"

using namespace dlt;

TEST(FieldTransfer, EveryColumnIsTransferredOnceAndStaysInItsRegisters) {
  RegisterFile R;
  R[13] = 2;     // l
  R[14] = -0.5;  // k
  R[4] = 1;      // load column: Q
  R[7] = 1;      // X1 column: M
  R[10] = 1;     // X2 column: p
  field_transfer(R);
  // (w + l p + k l/2 M + k l^2/6 Q, p + k M + k l/2 Q, M + l Q, Q)
  const double expected[13] = {0, -1.0 / 3, -0.5, 2, 1, -0.5, -0.5, 1, 0, 2, 1, 0, 0};
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], expected[k]) << "R" << k;
  EXPECT_EQ(R[13], 2);
  EXPECT_EQ(R[14], -0.5);
}

TEST(BeamSegment, WithoutLoadCarriesTheUnknownColumns) {
  RegisterFile R = pinned_left_end();
  InputValues in;
  EXPECT_EQ(dialogue(cmd_beam_segment, R, in, "2\n500\n0\n"), kBeamSegmentDialogue);
  EXPECT_EQ(R[13], 2);
  EXPECT_EQ(R[14], -0.004);
  const double expected[13] = {0, 0, 0, 0, 0, 2, 1, 0, 0, -0.008 / 3, -0.004, 2, 1};
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], expected[k]) << "R" << k;
  EXPECT_EQ(R[15], 20);
  EXPECT_EQ(in.length, 2);
  EXPECT_EQ(in.EI, 500);
  EXPECT_EQ(in.load_answer, 0);
}

TEST(BeamSegment, UniformLoadFillsTheLoadColumn) {
  RegisterFile R = pinned_left_end();
  InputValues in;
  EXPECT_EQ(dialogue(cmd_beam_segment, R, in, "2 500 1 10 0"), kBeamSegmentDialogue + kLoadDialogue);
  EXPECT_EQ(R[4], -20);
  EXPECT_EQ(R[3], -20);
  EXPECT_EQ(R[2], 0.08 / 3);
  EXPECT_EQ(R[1], ((0.08 / 3) * 2) / 4);
  EXPECT_EQ(R[10], -0.004);
  EXPECT_EQ(in.q, 10);
  EXPECT_EQ(in.qs, 0);
}

TEST(BeamSegment, OnlyTheAnswerOneAsksForALoad) {
  for (const char* answer : {"2", "-1", "x"}) {
    RegisterFile R = pinned_left_end();
    InputValues in;
    in.q = 7;
    std::string shown = dialogue(cmd_beam_segment, R, in, std::string("2 500 ") + answer + " 10 0");
    EXPECT_EQ(shown.find("q=q links"), std::string::npos) << answer;
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(R[k], 0) << answer << " R" << k;
    EXPECT_EQ(in.q, 7) << answer;
  }
}

TEST(DistributedLoad, TriangularLoadThroughItsSlope) {
  RegisterFile R;
  for (int k = 5; k <= 12; ++k) R[k] = k;
  R[13] = 2;
  R[14] = -0.02;
  distributed_load(R, 0, 6);
  // Shear -qs l^2/2 and moment -qs l^3/6 at the right end.
  EXPECT_EQ(R[4], -12);
  EXPECT_EQ(R[3], -8);
  EXPECT_EQ(R[2], (-8 * -0.02) / 4);
  EXPECT_EQ(R[1], (((-8 * -0.02) / 4) * 2) / 5);
  for (int k = 5; k <= 12; ++k) EXPECT_EQ(R[k], k) << "R" << k;
}

TEST(ShaftSegment, StiffnessUsesTheTenDigitPi) {
  EXPECT_EQ(shaft_minus_EI(200, 2), ((-200 * 3.141592654) * 16) / 64);
  EXPECT_NE(shaft_minus_EI(200, 2), ((-200 * M_PI) * 16) / 64);
  EXPECT_NEAR(shaft_minus_EI(200, 2), -157.0796327, 1e-9);

  RegisterFile R = pinned_left_end();
  InputValues in;
  EXPECT_EQ(dialogue(cmd_shaft_segment, R, in, "1\n200\n2\n0\n"), kShaftSegmentDialogue);
  EXPECT_EQ(R[13], 1);
  EXPECT_EQ(R[14], 1 / (((-200 * 3.141592654) * 16) / 64));
  EXPECT_EQ(R[5], 1);
  EXPECT_EQ(in.E, 200);
  EXPECT_EQ(in.diameter, 2);
}

TEST(ShaftSegment, ZeroDiameterGivesInfinitiesNotAFault) {
  RegisterFile R = pinned_left_end();
  InputValues in;
  EXPECT_EQ(dialogue(cmd_shaft_segment, R, in, "1 200 0 1 10 0"), kShaftSegmentDialogue + kLoadDialogue);
  EXPECT_TRUE(std::isinf(R[14]));
  EXPECT_TRUE(std::isnan(R[2]));
  EXPECT_EQ(R[3], -5);
}
