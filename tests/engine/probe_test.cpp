// Probing inside a segment: the values a part of it gives, to the bit, and
// the register file left as it was; and the copy a replay walks.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/probe.h"
#include "engine/register_file.h"
#include "engine/results.h"

using namespace dlt;

namespace {

Element left_end() { return {.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q}; }
Element segment(double length, double q, double qs) {
  return {.kind = ElementKind::beam_segment, .length = length, .EI = 100, .loaded = true, .q = q, .qs = qs};
}
Element support() { return {.kind = ElementKind::condition, .S1 = Quantity::w}; }
Element pinned_right_end() { return {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M}; }

void apply_all(RegisterFile& R, const std::vector<Element>& elements) {
  for (const Element& e : elements) ASSERT_EQ(apply_element(R, e), Refusal::none);
}

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

void expect_same_bits(const PointValues& a, const PointValues& b) {
  EXPECT_EQ(bits(a.w), bits(b.w));
  EXPECT_EQ(bits(a.p), bits(b.p));
  EXPECT_EQ(bits(a.M), bits(b.M));
  EXPECT_EQ(bits(a.Q), bits(b.Q));
}

void expect_same_bits(const BasicState<double>& a, const BasicState<double>& b) {
  for (std::size_t r = 0; r < a.size(); ++r) EXPECT_EQ(bits(a[r]), bits(b[r])) << r;
}

// Wide values alike to the bit: the same value and sign, or both nan.
void expect_same_bits(const StateVector& a, const StateVector& b) {
  for (std::size_t r = 0; r < a.size(); ++r) {
    bool same = a[r] == b[r] && std::signbit(to_double(a[r])) == std::signbit(to_double(b[r]));
    EXPECT_TRUE(same || (a[r] != a[r] && b[r] != b[r])) << r;
  }
}

// The register values and the stable spot, everything a part of a segment
// moves, equal to the bit.
void expect_same_spot(const RegisterFile& R, const RegisterFile& before) {
  for (int k = 0; k < kRegisterCount; ++k) EXPECT_EQ(bits(R.values[k]), bits(before.values[k])) << "R" << k;
  const StableSpot& s = R.stable.here;
  const StableSpot& b = before.stable.here;
  EXPECT_EQ(s.has_columns, b.has_columns);
  EXPECT_EQ(s.wide, b.wide);
  expect_same_bits(s.columns.L, b.columns.L);
  expect_same_bits(s.columns.A, b.columns.A);
  expect_same_bits(s.columns.B, b.columns.B);
  expect_same_bits(s.wide_columns.L, b.wide_columns.L);
  expect_same_bits(s.wide_columns.A, b.wide_columns.A);
  expect_same_bits(s.wide_columns.B, b.wide_columns.B);
  EXPECT_EQ(bits(s.x), bits(b.x));
  EXPECT_EQ(bits(s.last_length), bits(b.last_length));
  EXPECT_EQ(bits(s.last_k), bits(b.last_k));
  EXPECT_EQ(s.carries_state, b.carries_state);
  EXPECT_EQ(s.precise_state, b.precise_state);
  expect_same_bits(s.state, b.state);
  expect_same_bits(s.wide_state, b.wide_state);
  EXPECT_EQ(s.left_beam, b.left_beam);
}

// A beam of two spans solved, and a replay of it walked to 1.5 into its
// first span: a pass that carries the kept beam's state, so that the stable
// spot matters to what is shown. With a stiff spring for the support the
// beam is computed in Wide, and the state is carried in Wide.
RegisterFile replay_inside_first_span(bool stiff = false) {
  RegisterFile solved;
  Element middle = stiff ? Element{.kind = ElementKind::spring, .c = 1e9} : support();
  apply_all(solved, {left_end(), segment(4, 10, 0.5), middle, segment(5, 10, 0), pinned_right_end()});
  RegisterFile R = walk_copy(closed_copy(solved));
  apply_all(R, {left_end(), segment(1.5, 10, 0.5)});
  EXPECT_EQ(R.stable.here.precise_state, stiff);
  return R;
}

}  // namespace

TEST(ProbePart, FromWhereTheFileStandsGivesThePartsValuesAndPutsEverythingBack) {
  for (bool stiff : {false, true}) {
    RegisterFile R = replay_inside_first_span(stiff);
    ASSERT_TRUE(R.stable.here.carries_state);
    const RegisterFile before = R;
    const Element part = segment(0.8, 10.75, 0.5);

    PointValues probed = probe_part(R, part_start(R), part);

    RegisterFile applied = before;
    apply_element(applied, part);
    expect_same_bits(probed, shown_values(applied));
    expect_same_spot(R, before);
    // What follows is what it would have been without the probe.
    RegisterFile unprobed = before;
    expect_same_bits(shown_values(R), shown_values(unprobed));
    apply_all(R, {segment(2.5, 10.75, 0.5), support()});
    apply_all(unprobed, {segment(2.5, 10.75, 0.5), support()});
    expect_same_bits(shown_values(R), shown_values(unprobed));
    // The stiff beam has its spring there.
    EXPECT_EQ(R.stable.here.left_beam, stiff);
  }
}

TEST(ProbePart, FromAnEarlierStartWhileTheFileHasMovedOn) {
  // As the envelope does: the start is kept, the case walks on to the next
  // row, and the stops inside the interval are probed from the start.
  RegisterFile R = replay_inside_first_span();
  const RegisterFile at_start = R;
  const PartStart start = part_start(R);
  apply_element(R, segment(2.5, 10.75, 0.5));
  const RegisterFile moved_on = R;

  for (double t : {0.0, 0.3, 1.7, 2.5}) {
    PointValues probed = probe_part(R, start, segment(t, 10.75, 0.5));
    RegisterFile applied = at_start;
    apply_element(applied, segment(t, 10.75, 0.5));
    expect_same_bits(probed, shown_values(applied));
    expect_same_spot(R, moved_on);
  }
  // The whole interval probed is where the case went.
  expect_same_bits(probe_part(R, start, segment(2.5, 10.75, 0.5)), shown_values(R));
}

TEST(WalkCopy, HoldsTheSolvedFileButKeepsNoAnchors) {
  RegisterFile solved;
  apply_all(solved, {left_end(), segment(4, 10, 0.5), support(), segment(5, 10, 0), pinned_right_end()});
  RegisterFile copy = walk_copy(solved);
  EXPECT_FALSE(copy.stable.keeps_anchors);
  EXPECT_TRUE(solved.stable.keeps_anchors);
  expect_same_spot(copy, solved);

  RegisterFile walked = walk_copy(closed_copy(solved));
  RegisterFile kept = closed_copy(solved);
  for (RegisterFile* R : {&walked, &kept}) apply_all(*R, {left_end(), segment(4, 10, 0.5), support()});
  EXPECT_TRUE(walked.stable.anchors.empty());
  EXPECT_EQ(kept.stable.anchors.size(), 1u);
  // Keeping no anchors changes nothing the walk shows.
  expect_same_bits(shown_values(walked), shown_values(kept));
  EXPECT_EQ(walked.stable.conditions, kept.stable.conditions);
}
