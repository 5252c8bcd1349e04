// The stable solution beside the registers: its columns, the kept beam a
// right end leaves, the state a later pass carries, and what g prints of it.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/carried_state.h"
#include "engine/conditions.h"
#include "engine/element.h"
#include "engine/point_loads.h"
#include "engine/results.h"
#include "engine/segments.h"
#include "engine/stable_columns.h"
#include "engine/transfer.h"
#include "tests/support/dialogue.h"
#include "tests/support/transcript.h"

using namespace dlt;

namespace {

Element left_end(Quantity S1, Quantity S2) { return {.kind = ElementKind::left_end, .S1 = S1, .S2 = S2}; }
Element segment(double length, double EI, double q = 0) {
  return {.kind = ElementKind::beam_segment, .length = length, .EI = EI, .loaded = q != 0, .q = q};
}
Element spring(double c) { return {.kind = ElementKind::spring, .c = c}; }
Element support() { return {.kind = ElementKind::condition, .S1 = Quantity::w}; }
Element pinned_right_end() { return {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M}; }

void apply_all(RegisterFile& R, const std::vector<Element>& elements) {
  for (const Element& e : elements) ASSERT_EQ(apply_element(R, e), Refusal::none);
}

}  // namespace

TEST(StableColumns, EqualTheRegisterColumnsBitForBitUpToTheFirstAnchor) {
  // Same formulas, same order: before a condition or spring the stable
  // columns are the registers' load, X1 and X2 columns.
  RegisterFile R;
  apply_all(
      R, {left_end(Quantity::M, Quantity::Q),
          segment(2.5, 3000, 7),
          {.kind = ElementKind::shaft_segment, .length = 1.2, .E = 21000, .diameter = 3},
          {.kind = ElementKind::point_action, .S1 = Quantity::Q, .load = 40},
          {.kind = ElementKind::beam_segment, .length = 0.7, .EI = 500, .loaded = true, .q = 3, .qs = -2}});
  ASSERT_FALSE(R.stable.here.wide);
  const Columns& c = R.stable.here.columns;
  for (int r = 0; r < kQuantityCount; ++r) {
    std::size_t at = static_cast<std::size_t>(r);
    EXPECT_EQ(c.L[at], R[1 + r]) << r;
    EXPECT_EQ(c.A[at], R[5 + r]) << r;
    EXPECT_EQ(c.B[at], R[9 + r]) << r;
  }
}

TEST(StableColumns, ConditionsAndSpringsLeaveExactRowsBehind) {
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(3, 100, 5), support()});
  // The support's w no longer depends on the unknowns, and its value is
  // exactly the prescribed one; after re-anchoring two quantities are the
  // unknowns themselves.
  const Columns& c = R.stable.here.columns;
  EXPECT_EQ(c.L[0], 0);
  EXPECT_EQ(c.A[0], 0);
  EXPECT_EQ(c.B[0], 0);
  // So do springs, soft (in double) and stiff (in Wide from there on).
  for (double c_spring : {1.0, 1e9}) {
    apply_all(R, {segment(2, 100, 5), spring(c_spring)});
    const WideColumns& w = R.stable.here.wide_columns;
    int unit_rows = 0;
    for (std::size_t r = 0; r < kQuantityCount; ++r) {
      bool unit = R.stable.here.wide
                      ? w.L[r] == 0 && ((w.A[r] == 1 && w.B[r] == 0) || (w.A[r] == 0 && w.B[r] == 1))
                      : c.L[r] == 0 && ((c.A[r] == 1 && c.B[r] == 0) || (c.A[r] == 0 && c.B[r] == 1));
      if (unit) ++unit_rows;
    }
    EXPECT_EQ(unit_rows, 2) << c_spring;
    // Soft or stiff, a spring turns the columns to Wide.
    EXPECT_TRUE(R.stable.here.wide) << c_spring;
  }
  // The support's anchor too: the pass was computed anew in Wide.
  EXPECT_EQ(R.stable.anchors.size(), 0u);
  EXPECT_EQ(R.stable.wide_anchors.size(), 3u);
  EXPECT_EQ(R.stable.conditions, 1);
  EXPECT_EQ(R.stable.springs, 2);
}

// The columns left of the support of a pass p, Q, segment(3, EI, 5),
// support(), computed in Wide.
WideColumns first_bay_in_wide(double EI) {
  WideColumns c;
  c.A[1] = 1;
  c.B[3] = 1;
  const Wide l = 3;
  const Wide k = l / -Wide(EI);
  for (BasicState<Wide>* v : {&c.L, &c.A, &c.B})
    transfer_column<Wide>((*v)[0], (*v)[1], (*v)[2], (*v)[3], l, k);
  add_distributed_load<Wide>(c.L[0], c.L[1], c.L[2], c.L[3], l, k, 5, 0);
  return c;
}

void expect_same_columns(const WideColumns& a, const WideColumns& b) {
  for (std::size_t r = 0; r < kQuantityCount; ++r) {
    EXPECT_TRUE(a.L[r] == b.L[r]) << r;
    EXPECT_TRUE(a.A[r] == b.A[r]) << r;
    EXPECT_TRUE(a.B[r] == b.B[r]) << r;
  }
}

TEST(StableColumns, TurningWideComputesThePassAnewFromItsLeftEnd) {
  // At a spring: the support before it, computed in double at first, is
  // computed in Wide, as though the pass had been from its left end.
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(3, 0.3, 5), support(), segment(2, 50, 5)});
  ASSERT_FALSE(R.stable.here.wide);
  ASSERT_EQ(R.stable.anchors.size(), 1u);
  apply_all(R, {spring(1)});
  ASSERT_TRUE(R.stable.here.wide);
  EXPECT_TRUE(R.stable.anchors.empty());
  ASSERT_EQ(R.stable.wide_anchors.size(), 2u);
  expect_same_columns(R.stable.wide_anchors[0].before, first_bay_in_wide(0.3));
  EXPECT_EQ(R.stable.wide_anchors[1].kind, AnchorKind::spring);

  // At a segment whose l / EI lies 1e3 or more from another's: 2 / 3500
  // against 3 / 0.001 (2 / 0.5 lies within).
  RegisterFile spread;
  apply_all(spread,
            {left_end(Quantity::p, Quantity::Q), segment(3, 0.001, 5), support(), segment(2, 0.5, 5)});
  EXPECT_FALSE(spread.stable.here.wide);
  apply_all(spread, {segment(2, 3500, 5)});
  ASSERT_TRUE(spread.stable.here.wide);
  ASSERT_EQ(spread.stable.wide_anchors.size(), 1u);
  expect_same_columns(spread.stable.wide_anchors[0].before, first_bay_in_wide(0.001));

  // At a shaft segment so thin that its stress magnifies M: 32 / (pi d^3)
  // is 0.65 for d = 2.5, 1.27 for d = 2.
  auto shaft = [](double d) {
    return Element{.kind = ElementKind::shaft_segment, .length = 0.2, .E = 2.1e11, .diameter = d};
  };
  RegisterFile thin;
  apply_all(thin, {left_end(Quantity::p, Quantity::Q), shaft(2.5)});
  EXPECT_FALSE(thin.stable.here.wide);
  apply_all(thin, {shaft(2)});
  EXPECT_TRUE(thin.stable.here.wide);
}

TEST(StableColumns, DecideConditionsWhereTheRegistersKeepAResidue) {
  // A second support at the same point: rounding may leave a trace of the
  // first in the registers, which would let it through; the stable columns
  // know that w is fixed.
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(3, 100, 5), support()});
  R[5] = 4.4e-16;
  EXPECT_EQ(condition_refusal(R, Quantity::w), Refusal::undetermined_condition);
  EXPECT_EQ(apply_element(R, support()), Refusal::undetermined_condition);
  EXPECT_EQ(R.stable.conditions, 1);
  // Where the registers have lost a coefficient the columns still have, the
  // columns let the condition through.
  R[5] = 0;
  R[9] = 0;
  apply_all(R, {segment(1, 100, 5)});
  R[5] = 0;
  R[9] = 0;
  EXPECT_EQ(apply_element(R, support()), Refusal::none);
  EXPECT_EQ(R.stable.conditions, 2);
}

TEST(StableColumns, ARightEndWithoutAUsableUnknownIsRefused) {
  // A pinned end right after a hinge cannot be given.
  RegisterFile R;
  apply_all(R, {left_end(Quantity::M, Quantity::Q),
                segment(2, 100, 1),
                {.kind = ElementKind::condition, .S1 = Quantity::M}});
  EXPECT_EQ(apply_element(R, {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M}),
            Refusal::undetermined_right_end);
  EXPECT_FALSE(R.stable.solved);
}

TEST(StableColumns, SpringsAPassMayHoldAreBounded) {
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(1, 1)});
  R.stable.springs = kMaxSprings - 1;
  EXPECT_EQ(apply_element(R, spring(5)), Refusal::none);
  EXPECT_EQ(apply_element(R, spring(5)), Refusal::too_many_springs);
  InputValues in;
  EXPECT_EQ(dialogue(cmd_elastic_support, R, in, "5 "),
            "hoechstens 100000 Federn je Durchgang, Feder nicht gesetzt\n");
  // A new pass counts afresh.
  apply_all(R, {left_end(Quantity::p, Quantity::Q), spring(5)});
}

TEST(StableColumns, NonFiniteColumnsAreDroppedAndTheRegistersDecide) {
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(1, 0)});
  EXPECT_FALSE(columns_decide(R.stable));
  apply_element(R, pinned_right_end());
  EXPECT_FALSE(R.stable.solved);
  apply_all(R, {left_end(Quantity::p, Quantity::Q)});
  EXPECT_FALSE(R.stable.kept);
  EXPECT_FALSE(R.stable.here.carries_state);
}

TEST(KeptBeam, SimplySupportedBeamUnderUniformLoad) {
  // q = 10, L = 4, EI = 100: slope qL^3/(24EI) and support force qL/2.
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(4, 100, 10), pinned_right_end(),
                left_end(Quantity::p, Quantity::Q)});
  ASSERT_TRUE(R.stable.kept);
  const KeptBeam& beam = *R.stable.kept;
  EXPECT_NEAR(beam.start[1], 10.0 * 64 / 2400, 1e-15);
  EXPECT_NEAR(beam.start[3], 20, 1e-13);
  ASSERT_EQ(beam.points.size(), 1u);
  EXPECT_EQ(beam.points[0].x, 4);
  EXPECT_NEAR(beam.points[0].left[3], -20, 1e-13);
  EXPECT_EQ(beam.points[0].left[0], 0);
}

TEST(CarriedState, APassThatLeavesTheBeamCarriesNoStateFurther) {
  std::vector<Element> beam = {left_end(Quantity::p, Quantity::Q), segment(4, 100, 10), support(),
                               segment(5, 100, 10), pinned_right_end()};
  struct Case {
    const char* what;
    std::vector<Element> pass;
  };
  for (const Case& c : {
           Case{"walks past the support",
                {left_end(Quantity::p, Quantity::Q), segment(4, 100, 10), segment(1, 100, 10)}},
           Case{"other loads", {left_end(Quantity::p, Quantity::Q), segment(4, 100, 3), support()}},
           Case{"a spring for the support",
                {left_end(Quantity::p, Quantity::Q), segment(4, 100, 10), spring(5)}},
           Case{"other unknowns at the left end", {left_end(Quantity::M, Quantity::Q)}},
       }) {
    RegisterFile R;
    apply_all(R, beam);
    apply_all(R, c.pass);
    EXPECT_TRUE(R.stable.here.left_beam) << c.what;
    EXPECT_FALSE(R.stable.here.carries_state) << c.what;
    // A new right end makes this pass the kept beam.
    apply_all(R, {segment(5, 100, 10), pinned_right_end()});
    EXPECT_FALSE(R.stable.here.left_beam) << c.what;
  }
  // Up to the support, and exactly at it, the pass still follows.
  RegisterFile R;
  apply_all(R, beam);
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(1.5, 100, 10), segment(2.5, 100, 10)});
  EXPECT_FALSE(R.stable.here.left_beam);
  apply_all(R, {support(), segment(5, 100, 10)});
  EXPECT_FALSE(R.stable.here.left_beam);
  EXPECT_TRUE(R.stable.here.carries_state);
}

TEST(CarriedState, APassThatFollowsTheBeamTurnsToWideWhereItLeavesItOrEnds) {
  std::vector<Element> beam = {left_end(Quantity::p, Quantity::Q),
                               segment(4, 100, 10),
                               spring(50),
                               segment(5, 100, 10),
                               spring(80),
                               segment(3, 100, 10),
                               pinned_right_end()};
  // Following, the pass prints the kept beam's precise state and keeps its
  // own columns in double past the springs.
  RegisterFile R;
  apply_all(R, beam);
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(4, 100, 10), spring(50), segment(5, 100, 10)});
  ASSERT_TRUE(R.stable.here.precise_state);
  EXPECT_FALSE(R.stable.here.wide);
  EXPECT_TRUE(R.stable.here.wide_deferred);
  // Where it leaves the beam, it computes in Wide, from its left end.
  apply_all(R, {spring(90)});
  EXPECT_TRUE(R.stable.here.left_beam);
  EXPECT_TRUE(R.stable.here.wide);
  EXPECT_TRUE(R.stable.anchors.empty());
  EXPECT_EQ(R.stable.wide_anchors.size(), 2u);

  // A pass that follows the beam to its right end becomes a precise kept beam,
  // the same as the first.
  RegisterFile again;
  apply_all(again, beam);
  apply_all(again, {beam[0]});
  std::shared_ptr<const KeptBeam> first = again.stable.kept;
  apply_all(again, std::vector<Element>(beam.begin() + 1, beam.end()));
  EXPECT_FALSE(again.stable.here.left_beam);
  apply_all(again, {beam[0]});
  ASSERT_TRUE(again.stable.kept);
  const KeptBeam& second = *again.stable.kept;
  EXPECT_TRUE(second.precise);
  ASSERT_EQ(second.wide_points.size(), first->wide_points.size());
  for (std::size_t k = 0; k < second.wide_points.size(); ++k) {
    for (std::size_t r = 0; r < kQuantityCount; ++r) {
      EXPECT_TRUE(second.wide_points[k].left[r] == first->wide_points[k].left[r]) << k << " " << r;
      EXPECT_TRUE(second.wide_points[k].right[r] == first->wide_points[k].right[r]) << k << " " << r;
    }
  }
}

TEST(CarriedState, NoKeptBeamNoStateAndNoHint) {
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(4, 100, 10), segment(9, 100, 10)});
  EXPECT_FALSE(R.stable.here.carries_state);
  EXPECT_FALSE(R.stable.here.left_beam);
}

TEST(ShownValue, TheRegisterValueWherePrintedTheSameAsThePreciseValue) {
  // The same six decimals: the register value where it is the precise one
  // but for its last digits, else the precise value, which prints the same.
  EXPECT_EQ(shown_value(1.0000000000004, 1.0), 1.0000000000004);
  EXPECT_EQ(shown_value(1.0000004, 1.0), 1.0);
  EXPECT_EQ(shown_value(0.9999996, 1.0), 1.0);
  EXPECT_EQ(shown_value(1.000001, 1.0), 1.0);
  // Apart by less than 5e-7 (the old tolerance) on the two sides of a
  // rounding boundary: the register value would print a wrong digit.
  EXPECT_EQ(shown_value(0.0000004999, 0.0000005001), 0.0000005001);
  EXPECT_EQ(shown_value(1000.0000014, 1000.0), 1000.0);
  EXPECT_EQ(shown_value(3421737.266309, 3421737.266403), 3421737.266403);
  EXPECT_EQ(shown_value(3421737.2664030000001, 3421737.266403), 3421737.2664030000001);
  // "-0.000000" and "0.000000" are the same, and the register's sign stays.
  EXPECT_EQ(shown_value(-1e-7, 2e-7), -2e-7);
  EXPECT_EQ(shown_value(0.0, -3e-7), 3e-7);
  EXPECT_TRUE(std::signbit(shown_value(-0.0, 1e-17)));
  // Where the registers overflowed; where the precise value is none.
  EXPECT_EQ(shown_value(NAN, 4.5e231), 4.5e231);
  EXPECT_EQ(shown_value(-HUGE_VAL, 2.0), 2.0);
  EXPECT_TRUE(std::isnan(shown_value(NAN, HUGE_VAL)));
  EXPECT_EQ(shown_value(3.0, NAN), 3.0);
  EXPECT_EQ(shown_value(3.0, -HUGE_VAL), 3.0);
}

TEST(ShownValue, DecidesAsThePrintedDigitsDo) {
  // Pairs a few units of the last place apart around rounding boundaries,
  // and halfway points that are doubles (k / 2^7 lies halfway between two
  // millionths where k is odd), checked against the digits themselves: the
  // register value where they print alike, or where the precise value lies
  // within 1e-15 of its size from the halfway point.
  auto digits = [](double v) {
    char text[400];
    std::snprintf(text, sizeof text, "%f", v);
    return std::string(text) == "-0.000000" ? std::string("0.000000") : std::string(text);
  };
  // Whether b lies that near a halfway point with a's digits on one side.
  auto near_half = [&digits](double a, double b) {
    Wide scaled = Wide(b) * 1000000;
    long long below = static_cast<long long>(scaled);
    if (Wide(below) > scaled) --below;
    std::string text = digits(a);
    text.erase(text.find('.'), 1);
    long long a_whole = std::stoll(text);
    return wide_abs(scaled - (Wide(below) + Wide(0.5))) <= Wide(1e-15) * wide_abs(scaled) &&
           (a_whole == below || a_whole == below + 1);
  };
  std::mt19937_64 bits(7);
  int kept = 0;
  int replaced = 0;
  for (int n = 0; n < 200000; ++n) {
    double scale = std::ldexp(1.0, static_cast<int>(bits() % 62) - 30);
    double boundary = (std::floor((static_cast<double>(bits() % 2000001) - 1000000) * scale) + 0.5) / 1e6;
    if (n % 4 == 0) boundary = (static_cast<double>(bits() % 4001) - 2000) / 128;
    auto moved = [&](double v, int units) {
      for (; units != 0; units += units > 0 ? -1 : 1) v = std::nextafter(v, units > 0 ? HUGE_VAL : -HUGE_VAL);
      return v;
    };
    double a = moved(boundary, static_cast<int>(bits() % 9) - 4);
    double b = moved(boundary, static_cast<int>(bits() % 41) - 20);
    bool alike = digits(a) == digits(b) || near_half(a, b);
    if (digits(a) != digits(b)) ++(alike ? kept : replaced);
    ASSERT_EQ(shown_value(a, b), alike ? a : b) << std::hexfloat << a << " " << b;
  }
  EXPECT_GT(kept, 10000);
  EXPECT_GT(replaced, 10000);
}

TEST(ShownValue, ThePreciseValueIsTheStateRoundedToDouble) {
  StableSpot here;
  here.state = {1, 2, 3, 4};
  here.wide_state = {Wide(1) / 3, Wide(1e300) * 1e300, 5, 6};
  EXPECT_EQ(precise_state_value(here, 1), 2.0);
  EXPECT_EQ(precise_value(4.0000000000001, here, 3), 4.0000000000001);
  EXPECT_EQ(precise_value(9.0, here, 3), 4.0);
  here.precise_state = true;
  EXPECT_EQ(precise_state_value(here, 0), 1.0 / 3);
  EXPECT_EQ(precise_value(9.0, here, 1), 9.0);
  EXPECT_EQ(shown_value(0.33333333333333, here, 0), 0.33333333333333);
  EXPECT_EQ(shown_value(0.3333334, here, 0), 1.0 / 3);
  EXPECT_EQ(shown_value(0.3333338, here, 0), 1.0 / 3);
}

TEST(WideSolution, ASpringTurnsThePassToWideFromThereOn) {
  // Two spans of 2 (EI 100, q = 3) on a spring in the middle: c l^3 / EI =
  // 1e6 turns the columns to Wide there, and the beam they solve is
  // precise; so does a soft spring (c l^3 / EI = 8), since rows of soft
  // springs lose sixth decimals in double too.
  for (double c : {1e6 * 100 / 8, 100.0}) {
    RegisterFile R;
    apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(2, 100, 3), spring(c)});
    bool stiff = true;
    EXPECT_EQ(R.stable.here.wide, stiff);
    EXPECT_EQ(R.stable.anchors.size(), stiff ? 0u : 1u);
    EXPECT_EQ(R.stable.wide_anchors.size(), stiff ? 1u : 0u);
    apply_all(R, {segment(2, 100, 3), pinned_right_end(), left_end(Quantity::p, Quantity::Q)});
    ASSERT_TRUE(R.stable.kept);
    const KeptBeam& beam = *R.stable.kept;
    EXPECT_EQ(beam.precise, stiff);
    EXPECT_EQ(R.stable.here.precise_state, stiff);
    // The slope at the left end: q L^3 / (24 EI) - R L^2 / (16 EI), with
    // the spring force R = d0 c kb / (c + kb) of the deflection d0 = 5 q
    // L^4 / (384 EI) of the beam without it and its stiffness kb = 48 EI /
    // L^3 there (L = 4).
    Wide kb = 48 * Wide(100) / 64;
    Wide d0 = (5 * Wide(3) * 256) / (384 * Wide(100));
    Wide force = (d0 * c * kb) / (c + kb);
    Wide slope = (3 * Wide(64)) / 2400 - (force * 16) / 1600;
    EXPECT_NEAR(beam.start[1], to_double(slope), 1e-17);
    if (stiff) {
      EXPECT_LT(wide_abs(beam.wide_start[1] - slope), Wide(4e-18));
    }
  }
}

TEST(WideSolution, TheFactorOfASegmentComesFromItsDoublesInWide) {
  // k = l / (-EI) in Wide is not the registers' double k widened.
  Element shaft{.kind = ElementKind::shaft_segment, .length = 0.1, .E = 210000, .diameter = 0.3};
  Wide minus_EI = wide_minus_EI(shaft);
  Wide d = 0.3;
  Wide exact = -(Wide(210000) * 3.141592654 * (d * d) * (d * d)) / 64;
  EXPECT_LT(wide_abs(minus_EI - exact), Wide(1e-30) * wide_abs(exact));
  EXPECT_EQ(to_double(minus_EI), shaft_minus_EI(210000, 0.3));
  EXPECT_EQ(wide_minus_EI(segment(1, 3)), Wide(-3));
  Wide k = Wide(0.1) / minus_EI;
  EXPECT_NE(k, Wide(0.1 / shaft_minus_EI(210000, 0.3)));
}

TEST(WideSolution, NumbersBeyondTheDoublesGoOnInWide) {
  // q l^4 / EI overflows a double at l = 1e78; the values at the left end do
  // not: w = M = 0, p = q l^3 / (24 EI), Q = q l / 2.
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(1e78, 100, 10)});
  EXPECT_TRUE(R.stable.here.wide);
  EXPECT_TRUE(columns_decide(R.stable));
  apply_all(R, {pinned_right_end(), left_end(Quantity::p, Quantity::Q)});
  ASSERT_TRUE(R.stable.here.carries_state);
  InputValues in;
  std::string shown = dialogue(cmd_results, R, in, " ");
  EXPECT_EQ(shown.find("w= 0.000000\n"), shown.find("w= "));
  EXPECT_NE(shown.find("\nM= 0.000000\n"), std::string::npos);
  EXPECT_NE(
      shown.find(
          "\nQ= 4999999999999999836780037503297759611373201803324989956633012309316501610954752.000000\n"),
      std::string::npos);
  EXPECT_NEAR(in.p / 4.1666666666666667e231, 1, 1e-15);
}

TEST(WideSolution, ARefusalFromOverflowSaysSo) {
  // Where the columns are not finite although every number of the pass was,
  // the refusal is overflow's; EI = 0 is no overflow.
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(2, 100, 3), support()});
  R.stable.here.wide_columns.A[0] = Wide(1e300) * 1e300 * 1e300 * 1e300 * 1e300 * 1e300 * 1e300 * 1e300 *
                                    1e300 * 1e300 * 1e300 * 1e300 * 1e300 * 1e300 * 1e300 * 1e300 * 1e300;
  R.stable.here.wide = true;
  ASSERT_FALSE(columns_decide(R.stable));
  EXPECT_TRUE(columns_overflowed(R.stable));
  EXPECT_EQ(condition_refusal(R, Quantity::w), Refusal::overflow);
  InputValues in;
  std::string shown = dialogue(cmd_condition, R, in, "1 0 ");
  const std::string notice =
      "Bedingung hier nicht bestimmbar: Zahlen zu gross (Ueberlauf), Bedingung nicht gesetzt\n";
  EXPECT_EQ(shown.substr(shown.size() - std::min(shown.size(), notice.size())), notice) << shown;
  // Where the columns were dropped for want of a pair of unknowns, the
  // registers decide: their refusal is overflow's only where they are no
  // longer finite.
  R.stable.here.has_columns = false;
  R.stable.here.dropped_infinite = false;
  EXPECT_EQ(condition_refusal(R, Quantity::w), Refusal::undetermined_condition);
  R[2] = HUGE_VAL;
  EXPECT_EQ(condition_refusal(R, Quantity::w), Refusal::overflow);
  RegisterFile zero;
  apply_all(zero, {left_end(Quantity::p, Quantity::Q), segment(1, 0)});
  EXPECT_FALSE(columns_decide(zero.stable));
  EXPECT_FALSE(columns_overflowed(zero.stable));
}

TEST(ResultsHint, KeyGSaysWhereThePassLeftTheBeam) {
  RegisterFile R;
  apply_all(R, {left_end(Quantity::p, Quantity::Q), segment(4, 100, 10), support(), segment(5, 100, 10),
                pinned_right_end(), left_end(Quantity::p, Quantity::Q), segment(4, 100, 10)});
  InputValues in;
  const std::string hint = "Hinweis: Durchgang weicht vom berechneten Traeger ab\n";
  std::string at_support = dialogue(cmd_results, R, in, " ");
  EXPECT_EQ(at_support.find(hint), std::string::npos);
  apply_all(R, {segment(1, 100, 10)});
  std::string past_it = dialogue(cmd_results, R, in, " ");
  std::size_t values_end = past_it.find(hint);
  ASSERT_NE(values_end, std::string::npos) << past_it;
  EXPECT_EQ(past_it.substr(values_end), hint + kPause);
}
