// Whether a later pass follows the kept beam element by element, and the
// hints key g prints: where the pass has left its beam, and which values
// still wait for a right end in a pass without one.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/results.h"
#include "tests/support/dialogue.h"
#include "tests/support/passes.h"
#include "tests/support/transcript.h"

using namespace dlt;
using namespace quantity_names;

namespace {

// A pinned beam: a segment under a trapezoidal load, a point force, a
// spring, an unloaded stretch, a support and a last span.
std::vector<Element> kept_beam() {
  return {left_end_with(p, Q),  beam_segment(4, 100, 10, 2), point_action(Q, 50),
          beam_segment(3, 100), spring_support(1000),        beam_segment(2, 200, 5),
          condition_on(w),      beam_segment(3, 100, 1),     right_end_with(w, M)};
}

// The number of the first element of pass after which the pass has left
// the kept beam, or -1 where it never does.
int first_left(const std::vector<Element>& pass) {
  RegisterFile R;
  for (const Element& e : kept_beam()) EXPECT_EQ(apply_element(R, e), Refusal::none);
  for (std::size_t k = 0; k < pass.size(); ++k) {
    EXPECT_EQ(apply_element(R, pass[k]), Refusal::none) << k;
    if (R.stable.here.left_beam) return static_cast<int>(k);
  }
  return -1;
}

std::vector<Element> first(std::size_t n) {
  std::vector<Element> all = kept_beam();
  return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n)};
}

std::vector<Element> joined(std::vector<Element> a, const std::vector<Element>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(FollowedBeam, PassesOfTheSameBeamFollowItHoweverTheySplitItsSegments) {
  // The whole beam but its right end, which would solve the pass anew.
  EXPECT_EQ(first_left(first(8)), -1);
  // The trapezoid in pieces, each load the kept one continued to its start.
  EXPECT_EQ(
      first_left(joined({left_end_with(p, Q), beam_segment(1.5, 100, 10, 2), beam_segment(2.5, 100, 13, 2)},
                        {point_action(Q, 50), beam_segment(1, 100), beam_segment(2, 100)})),
      -1);
  // Segments of no length change nothing, on either side; an unloaded
  // segment is one under a load of zero.
  EXPECT_EQ(first_left(joined(
                first(3), {beam_segment(0, 7),
                           Element{.kind = ElementKind::beam_segment, .length = 3, .EI = 100, .loaded = true},
                           spring_support(1000)})),
            -1);
  // Stopping inside a segment is following it.
  EXPECT_EQ(first_left({left_end_with(p, Q), beam_segment(3.999, 100, 10, 2)}), -1);
}

TEST(FollowedBeam, TheFirstElementThatDoesNotFollowLeavesTheBeam) {
  struct Case {
    const char* what;
    std::vector<Element> pass;
    int left_at;
  };
  for (const Case& c : {
           Case{"other stiffness", {left_end_with(p, Q), beam_segment(2, 200, 10, 2)}, 1},
           Case{"other load", {left_end_with(p, Q), beam_segment(2, 100, 11, 2)}, 1},
           Case{"other load slope", {left_end_with(p, Q), beam_segment(2, 100, 10, 3)}, 1},
           Case{"a piece whose load starts again",
                {left_end_with(p, Q), beam_segment(1.5, 100, 10, 2), beam_segment(2.5, 100, 10, 2)},
                2},
           Case{"past the point force", {left_end_with(p, Q), beam_segment(5, 100, 10, 2)}, 1},
           Case{"a segment where the force stands", joined(first(2), {beam_segment(1, 100)}), 2},
           Case{"another force", joined(first(2), {point_action(Q, 40)}), 2},
           Case{"a moment for the force", joined(first(2), {point_action(M, 50)}), 2},
           Case{"a force inside a segment",
                {left_end_with(p, Q), beam_segment(2, 100, 10, 2), point_action(Q, 50)},
                2},
           Case{"another spring", joined(first(4), {spring_support(900)}), 4},
           Case{"a support for the spring", joined(first(4), {condition_on(w)}), 4},
           Case{"a shaft for a beam segment", joined(first(3), {shaft_segment(3, 100, 1)}), 3},
           Case{"a hinge for the support", joined(first(6), {condition_on(M)}), 6},
       }) {
    EXPECT_EQ(first_left(c.pass), c.left_at) << c.what;
  }
}

TEST(FollowedBeam, KeyGHintsAtOnceAndEveryTimeAfter) {
  // First pass: a 2 4, c 4 100 q = 10, right end. A second pass with EI
  // 200 lies from its first segment on: w = 0.533 at x = 2, where 0.333 is
  // right.
  Passes passes;
  passes.enter({left_end_with(p, Q), beam_segment(4, 100, 10), right_end_with(w, M)});
  passes.enter({left_end_with(p, Q), beam_segment(2, 200, 10)});
  InputValues in;
  const std::string hint = "Hinweis: Durchgang weicht vom berechneten Traeger ab\n";
  EXPECT_EQ(dialogue(cmd_results, passes.R, in, " "),
            results_text("0.433333", "0.133333", "20.000000", "0.000000", hint));
  passes.enter({beam_segment(2, 100, 10)});
  std::string later = dialogue(cmd_results, passes.R, in, " ");
  EXPECT_NE(later.find(hint), std::string::npos) << later;
  // The next pass of the beam as it is prints no hint.
  passes.enter({left_end_with(p, Q), beam_segment(2, 100, 10)});
  EXPECT_EQ(dialogue(cmd_results, passes.R, in, " "),
            results_text("0.333333", "0.000000", "20.000000", "0.000000"));
}

TEST(WaitingValues, KeyGNamesTheQuantitiesThatDependOnUnknownsInAPassWithoutABeam) {
  struct Case {
    const char* what;
    std::vector<Element> pass;
    const char* hint;
  };
  for (const Case& c : {
           Case{"no left end yet", {}, ""},
           Case{"at a pinned end", {left_end_with(p, Q)}, "Achtung: p, Q haengen"},
           Case{"past a pinned end",
                {left_end_with(p, Q), beam_segment(2, 100, 10)},
                "Achtung: w, p, M, Q haengen"},
           Case{"past a free end", {left_end_with(w, p), beam_segment(2, 100, 10)}, "Achtung: w, p haengen"},
           Case{"at a clamped end", {left_end_with(M, Q)}, "Achtung: M, Q haengen"},
           Case{"at a support",
                {left_end_with(w, p), beam_segment(2, 100), condition_on(w)},
                "Achtung: p, Q haengen"},  // M is zero there, whatever the reaction
           Case{"past a spring, in the wide columns",
                {left_end_with(w, p), beam_segment(2, 100, 10), spring_support(50)},
                "Achtung: w, p, Q haengen"},
           Case{"after a right end",
                {left_end_with(p, Q), beam_segment(2, 100, 10), right_end_with(w, M)},
                ""},
       }) {
    Passes passes;
    passes.enter(c.pass);
    std::string expected = c.hint[0] == 0 ? "" : c.hint + std::string(" von noch unbestimmten Groessen ab\n");
    EXPECT_EQ(waiting_hint(waiting_quantities(passes.R)), expected) << c.what;
  }
  // Alone, a quantity "haengt".
  WaitingQuantities one;
  one.waits[3] = true;
  EXPECT_EQ(waiting_hint(one), "Achtung: Q haengt von noch unbestimmten Groessen ab\n");
  // A pass after a right end has a beam to follow: no such hint, in it or
  // where it leaves the beam.
  Passes passes;
  passes.enter({left_end_with(p, Q), beam_segment(4, 100, 10), right_end_with(w, M), left_end_with(p, Q),
                beam_segment(2, 300, 10)});
  EXPECT_EQ(waiting_hint(waiting_quantities(passes.R)), "");
}
