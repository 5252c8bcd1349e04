// The statics of a beam entered element by element as the dialogue enters
// it: every support reaction against the textbook's closed form, the sums of
// the loads and their moments to the last bit, and the balance of forces and
// of moments about the left end.
#include <cmath>
#include <cstddef>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/quantity.h"
#include "engine/register_file.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"
#include "tests/support/passes.h"

using namespace dlt;
using namespace quantity_names;

namespace {

// The statics as a right end's reports make them: replayed from the closed
// copy of the register file that end left.
Statics statics_of(const std::vector<Element>& elements) {
  Passes beam;
  beam.enter(elements);
  EXPECT_TRUE(is_complete(beam.record));
  RegisterFile start = closed_copy(beam.R);
  CompletePass pass{beam.record, start, 4};
  return beam_statics(beam.record, summarize_beam(pass));
}

// The reactions' values come out of the transfer matrices and their
// eliminations, close to the closed form; where they are and what they
// are is exact.
void expect_reactions(const Statics& statics, const std::vector<Reaction>& expected) {
  ASSERT_EQ(statics.reactions.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const Reaction& got = statics.reactions[k];
    const Reaction& want = expected[k];
    EXPECT_EQ(got.element, want.element) << "reaction " << k;
    EXPECT_EQ(got.x, want.x) << "reaction " << k;
    EXPECT_EQ(got.kind, want.kind) << "reaction " << k;
    EXPECT_NEAR(got.value, want.value, 1e-12 * (1 + std::fabs(want.value))) << "reaction " << k;
  }
}

// The loads' sums come from the entered numbers alone; chosen so that they
// are exact in binary, they are compared bit for bit. The differences are
// zero up to the rounding of the reactions.
void expect_balance(const Statics& statics, double load_sum, double load_moment_sum) {
  EXPECT_EQ(statics.load_sum, load_sum);
  EXPECT_EQ(statics.load_moment_sum, load_moment_sum);
  EXPECT_EQ(statics.difference, statics.reaction_sum - statics.load_sum);
  EXPECT_EQ(statics.moment_difference, statics.reaction_moment_sum - statics.load_moment_sum);
  EXPECT_NEAR(statics.difference, 0, 1e-12 * (1 + std::fabs(load_sum)));
  EXPECT_NEAR(statics.moment_difference, 0, 1e-12 * (1 + std::fabs(load_moment_sum)));
}

constexpr ReactionKind force = ReactionKind::force;
constexpr ReactionKind end_moment = ReactionKind::end_moment;
constexpr ReactionKind moment_jump = ReactionKind::moment_jump;

}  // namespace

TEST(BeamStatics, SimplySupportedAndTwoEqualSpansUnderUniformLoad) {
  // q = 10 on L = 4: qL/2 at each end.
  Statics simple = statics_of({left_end_with(p, Q), beam_segment(4, 100, 10), right_end_with(w, M)});
  expect_reactions(simple, {{0, 0, force, 20}, {2, 4, force, 20}});
  expect_balance(simple, 40, 80);
  EXPECT_EQ(simple.reaction_sum, simple.reactions[0].value + simple.reactions[1].value);

  // Two spans of 4: 3qL/8, 10qL/8 and 3qL/8.
  Statics two = statics_of({left_end_with(p, Q), beam_segment(4, 100, 10), condition_on(w),
                            beam_segment(4, 100, 10), right_end_with(w, M)});
  expect_reactions(two, {{0, 0, force, 15}, {2, 4, force, 50}, {4, 8, force, 15}});
  expect_balance(two, 80, 80 + (40 * 4 + 80));
}

TEST(BeamStatics, ClampedEndsTakeUpTheirMoments) {
  // A clamped cantilever under q = 10 on L = 4 and a force of 5 on its free
  // end (Q prescribed there): F = qL + 5, M = -(qL^2/2 + 5 L).
  Statics cantilever =
      statics_of({left_end_with(M, Q), beam_segment(4, 100, 10), right_end_with(M, Q, 0, 5)});
  expect_reactions(cantilever, {{0, 0, force, 45}, {0, 0, end_moment, -100}});
  expect_balance(cantilever, 45, 80 + (5 * 4));

  // A load rising from 0 by qs = 3: F = qs L^2/2, M = -qs L^3/3.
  Statics triangle = statics_of({left_end_with(M, Q), beam_segment(4, 100, 0, 3), right_end_with(M, Q)});
  expect_reactions(triangle, {{0, 0, force, 24}, {0, 0, end_moment, -64}});
  expect_balance(triangle, 24, 64);

  // Clamped at both ends under q = 12 on L = 4: qL/2 and -qL^2/12 at each.
  Statics both = statics_of({left_end_with(M, Q), beam_segment(4, 100, 12), right_end_with(w, p)});
  expect_reactions(both,
                   {{0, 0, force, 24}, {0, 0, end_moment, -16}, {2, 4, force, 24}, {2, 4, end_moment, -16}});
  expect_balance(both, 48, 96);

  // Free at the left end under a force of 3 there, clamped at x = 2.
  Statics free_end =
      statics_of({left_end_with(w, p), point_action(Q, 3), beam_segment(2, 100), right_end_with(w, p)});
  expect_reactions(free_end, {{3, 2, force, 3}, {3, 2, end_moment, -6}});
  expect_balance(free_end, 3, 0);
}

TEST(BeamStatics, PointForcesAndMomentsOnASimplySupportedBeam) {
  // F = 12 at a = 1 of L = 4: F b/L and F a/L.
  Statics force_at = statics_of({left_end_with(p, Q), beam_segment(1, 100), point_action(Q, 12),
                                 beam_segment(3, 100), right_end_with(w, M)});
  expect_reactions(force_at, {{0, 0, force, 9}, {4, 4, force, 3}});
  expect_balance(force_at, 12, 12);

  // A moment of 8 at a = 1, M dropping by it: -M0/L and M0/L, no force in
  // all, and the load's moment is -M0.
  Statics moment_at = statics_of({left_end_with(p, Q), beam_segment(1, 100), point_action(M, 8),
                                  beam_segment(3, 100), right_end_with(w, M)});
  expect_reactions(moment_at, {{0, 0, force, 2}, {4, 4, force, -2}});
  expect_balance(moment_at, 0, -8);
}

TEST(BeamStatics, ASpringTakesUpWhatItsDeflectionAsks) {
  // q = 10 on two spans of 2, EI = 100, a spring of c = 75 between them: the
  // beam's own deflection there, 5 q (4)^4 / (384 EI) = 1/3, and that of a
  // force P, P (4)^3 / (48 EI) = P/75, give P = c (1/3 - P/75) = 12.5, and
  // (40 - P)/2 at each end.
  Statics spring = statics_of({left_end_with(p, Q), beam_segment(2, 100, 10), spring_support(75),
                               beam_segment(2, 100, 10), right_end_with(w, M)});
  expect_reactions(spring, {{0, 0, force, 13.75}, {2, 2, force, 12.5}, {4, 4, force, 13.75}});
  expect_balance(spring, 40, 80);
}

TEST(BeamStatics, AConditionOnTheSlopeTakesUpTheMomentJump) {
  // A support with the slope held there too parts the beam into two propped
  // cantilevers: q = 10 on the left span of 4 and q = 5 on the right one.
  // The left takes 3qL/8 = 15 at its pinned end, 5qL/8 = 25 at the support
  // and -qL^2/8 = -20 there; the right 5qL/8 = 12.5, 3qL/8 = 7.5 and -10.
  // The support takes up both forces, the condition on p the jump of M from
  // -20 to -10.
  Statics held = statics_of({left_end_with(p, Q), beam_segment(4, 100, 10), condition_on(w), condition_on(p),
                             beam_segment(4, 100, 5), right_end_with(w, M)});
  expect_reactions(held,
                   {{0, 0, force, 15}, {2, 4, force, 37.5}, {3, 4, moment_jump, 10}, {5, 8, force, 7.5}});
  expect_balance(held, 60, 80 + (20 * 4 + 40));

  // A condition on M, a hinge, takes up nothing: the Gerber beam's span
  // hung from it carries on to the supports.
  Statics hinged =
      statics_of({left_end_with(p, Q), beam_segment(4, 100, 10), condition_on(w), beam_segment(1, 100, 10),
                  condition_on(M), beam_segment(3, 100, 10), right_end_with(w, M)});
  // The hung span of 3 rests with 15 on the hinge; the first span of 4
  // with its overhang of 1 then takes (40 * 2 - 10 * 0.5 - 15 * 1) / 4 = 15
  // at its left end, and 40 + 10 + 15 - 15 = 50 at the support.
  expect_reactions(hinged, {{0, 0, force, 15}, {2, 4, force, 50}, {6, 8, force, 15}});
  expect_balance(hinged, 80, 80 + (10 * 4 + 5) + (30 * 5 + 45));
}
