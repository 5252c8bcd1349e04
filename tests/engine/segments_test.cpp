// Keys c and e: the field transfer, the distributed load and the shaft's EI,
// to the bit, and the dialogues that build the segments.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "engine/segments.h"
#include "tests/support/dialogue.h"
#include "tests/support/register_states.h"
#include "tests/support/transcript.h"

using namespace dlt;

static Element beam(double length, double EI) {
  return {.kind = ElementKind::beam_segment, .length = length, .EI = EI};
}

static Element loaded(Element segment, double q, double qs) {
  segment.loaded = true;
  segment.q = q;
  segment.qs = qs;
  return segment;
}

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
}

TEST(BeamSegment, WithoutLoadCarriesTheUnknownColumns) {
  // k = l / (-EI) = -0.004 shows in the X2 column's slope.
  RegisterFile R = pinned_left_end();
  EXPECT_EQ(apply_element(R, beam(2, 500)), Refusal::none);
  const double expected[13] = {0, 0, 0, 0, 0, 2, 1, 0, 0, -0.008 / 3, -0.004, 2, 1};
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], expected[k]) << "R" << k;
  EXPECT_EQ(R[15], 20);
}

TEST(BeamSegment, UniformLoadFillsTheLoadColumn) {
  RegisterFile R = pinned_left_end();
  apply_element(R, loaded(beam(2, 500), 10, 0));
  EXPECT_EQ(R[4], -20);
  EXPECT_EQ(R[3], -20);
  EXPECT_EQ(R[2], 0.08 / 3);
  EXPECT_EQ(R[1], ((0.08 / 3) * 2) / 4);
  EXPECT_EQ(R[10], -0.004);
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
  apply_element(R, {.kind = ElementKind::shaft_segment, .length = 1, .E = 200, .diameter = 2});
  // The X2 column's slope k l/2, with k = l / (-EI).
  EXPECT_EQ(R[10], (1 / (((-200 * 3.141592654) * 16) / 64)) / 2);
  EXPECT_EQ(R[5], 1);
}

TEST(ShaftSegment, ZeroDiameterGivesNaNNotAFault) {
  // k = l / (-0) is infinite, and k times a zero moment is NaN.
  RegisterFile R = pinned_left_end();
  apply_element(R, loaded({.kind = ElementKind::shaft_segment, .length = 1, .E = 200, .diameter = 0}, 10, 0));
  EXPECT_TRUE(std::isnan(R[10]));
  EXPECT_TRUE(std::isnan(R[2]));
  EXPECT_EQ(R[3], -5);
}

TEST(SegmentDialogue, BuildsTheSegmentAndItsLoad) {
  struct Case {
    CommandEffect (*command)(RegisterFile&, InputValues&);
    const char* typed;
    std::string shown;
    Element segment;
  };
  const Case cases[] = {
      {cmd_beam_segment, "2\n500\n0\n", kBeamSegmentDialogue, beam(2, 500)},
      {cmd_beam_segment, "2 500 1 10 -1", kBeamSegmentDialogue + kLoadDialogue, loaded(beam(2, 500), 10, -1)},
      {cmd_shaft_segment, "1 200 2 1 3 0", kShaftSegmentDialogue + kLoadDialogue,
       loaded({.kind = ElementKind::shaft_segment, .length = 1, .E = 200, .diameter = 2}, 3, 0)},
  };
  for (const Case& c : cases) {
    RegisterFile R = pinned_left_end();
    InputValues in;
    console_open_script(c.typed);
    CommandEffect effect = c.command(R, in);
    EXPECT_EQ(console_take_output(), c.shown) << c.typed;
    const Element& e = effect.element;
    EXPECT_EQ(effect.effect, Effect::element);
    EXPECT_EQ(e.kind, c.segment.kind);
    EXPECT_EQ(e.length, c.segment.length);
    EXPECT_EQ(e.EI, c.segment.EI);
    EXPECT_EQ(e.E, c.segment.E);
    EXPECT_EQ(e.diameter, c.segment.diameter);
    EXPECT_EQ(e.loaded, c.segment.loaded);
    EXPECT_EQ(e.q, c.segment.q);
    EXPECT_EQ(e.qs, c.segment.qs);
    RegisterFile applied = pinned_left_end();
    apply_element(applied, c.segment);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], applied[k]) << c.typed << " R" << k;
  }
}

TEST(SegmentDialogue, OnlyTheAnswerOneAsksForALoad) {
  // The load values read by an earlier segment stay in the typed values, but
  // load nothing here.
  for (const char* answer : {"2", "-1", "x"}) {
    RegisterFile R = pinned_left_end();
    InputValues in;
    in.q = 7;
    console_open_script(std::string("2 500 ") + answer + " 10 0");
    CommandEffect effect = cmd_beam_segment(R, in);
    EXPECT_EQ(console_take_output().find("q=q links"), std::string::npos) << answer;
    EXPECT_FALSE(effect.element.loaded) << answer;
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(R[k], 0) << answer << " R" << k;
    EXPECT_EQ(in.q, 7) << answer;
  }
}
