// The stable solution the register file carries beside its registers.
//
// The registers' columns grow from bay to bay along a row of springs until
// rounding has eaten every digit. Beside them every pass carries three
// columns of its own, L + A U + B V: a load column and the columns of two
// unknowns U and V, moved by the same transfer formulas. Each condition
// eliminates the unknown with the larger coefficient, and each spring takes
// two of the state quantities there as the new unknowns (re-anchoring), so
// the columns never carry the growing solution far; so do the conditions
// after eliminating (a right end's excepted). A right end fixes the
// last unknowns; substituting back through the anchors gives the state on
// both sides of every condition and spring: the kept beam.
//
// A later pass carries a known state instead: it starts from the kept state
// of the left end and restarts from the kept state at every condition and
// spring it enters, as long as it follows the kept beam. Key g and the
// reports print a register value where it agrees with that state, and the
// state's value where the registers have lost digits.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/element_values.h"
#include "engine/quantity.h"

namespace dlt {

// Springs a pass may hold: each keeps its columns and a link, as each
// condition does; far more than any beam has.
constexpr int kMaxSprings = 100000;

// w, p, M and Q, by quantity_index.
using StateVector = std::array<double, kQuantityCount>;

// Where quantity q stands in a StateVector.
inline std::size_t state_index(Quantity q) { return static_cast<std::size_t>(quantity_index(q)); }

// Whether every entry of state is finite.
inline bool finite_state(const StateVector& state) {
  return std::all_of(state.begin(), state.end(), [](double v) { return std::isfinite(v); });
}

// The state L + A U + B V in terms of the unknowns U and V of the stretch.
struct Columns {
  StateVector L = {};
  StateVector A = {};
  StateVector B = {};
};

enum class AnchorKind { condition, spring };

// A condition (a right end's included) or a spring of the pass: what it was,
// where, the columns on both sides of it, and the link that gives the
// unknowns of the stretch before it from those of the stretch after it.
struct PassAnchor {
  AnchorKind kind = AnchorKind::condition;
  Quantity S1 = Quantity::w;  // condition: the prescribed quantity
  double W1 = 0;              // condition: its value
  double c = 0;               // spring: its stiffness
  double x = 0;
  // The columns just left of it, in the unknowns of the stretch before, and
  // just right of it, in those of the stretch after. The state left of a
  // stiff spring comes from the former: its tiny deflection times c would
  // lose the digits of the shear force.
  Columns before = {};
  Columns after = {};
  // Condition: the unknown it eliminated (U where eliminated_u, else V) was
  // g1 + g2 times the one it kept, which went on as U, with the reaction as V.
  bool eliminated_u = false;
  double g1 = 0;
  double g2 = 0;
  // Re-anchoring: the unknowns after it are the quantities i and j there,
  // and those before inverse * ((U, V) - (Li, Lj)). The identity where the
  // unknowns were kept.
  double inverse[2][2] = {};
  double Li = 0;
  double Lj = 0;
};

// The state on both sides of a condition or spring of the kept beam.
struct KeptPoint {
  AnchorKind kind = AnchorKind::condition;
  Quantity S1 = Quantity::w;
  double W1 = 0;
  double c = 0;
  double x = 0;
  StateVector left = {};
  StateVector right = {};
};

// An element of a pass and the x where it starts.
struct PlacedElement {
  Element element;
  double x = 0;
};

// The beam of the last pass a right end solved.
struct KeptBeam {
  Quantity S1 = Quantity::w;  // the left end's unknowns
  Quantity S2 = Quantity::w;
  StateVector start = {};  // just right of the left end
  std::vector<KeptPoint> points;
  // How far past a point's x a pass may go before it has passed the point.
  double x_tolerance = 0;
  // Its elements from the left end to the right end, which a later pass
  // must follow (engine/followed_beam.h), and how far the x of the two may
  // differ: 1e-9 of the beam's length.
  std::vector<PlacedElement> elements;
  double follow_tolerance = 0;
};

// What every element moves on, and all a stop inside a segment has to put
// back.
struct StableSpot {
  bool has_columns = false;  // false before a left end and once dropped
  Columns columns = {};
  double x = 0;
  // The last segment of nonzero length and its l / (-EI): what makes the
  // four quantities comparable where the columns are re-anchored.
  double last_length = 0;
  double last_k = 0;
  bool carries_state = false;
  StateVector state = {};
  // The pass no longer follows the kept beam; key g says so.
  bool left_beam = false;
  // The kept beam's element the pass is to enter next, and how far it has
  // gone into it where that is a segment the pass enters in pieces.
  std::size_t followed = 0;
  double into = 0;
};

struct StableFile {
  StableSpot here;
  // The pass under way: its left end, its anchors, and how many conditions
  // and springs it holds (counted even where the columns were dropped).
  Quantity S1 = Quantity::w;
  Quantity S2 = Quantity::w;
  std::vector<PassAnchor> anchors;
  // False in a replay of a pass already solved, which stops short of its
  // right end: anchors kept there would serve nothing.
  bool keeps_anchors = true;
  int conditions = 0;
  int springs = 0;
  // Set by a right end: the anchors it solved, the last its own, and U of
  // the stretch after it (V, a reaction past the end, is zero).
  bool solved = false;
  std::size_t solved_anchors = 0;
  double last_u = 0;
  // The conditions and springs the pass has entered, in order.
  std::size_t entered = 0;
  // The elements that took effect in the pass (where it keeps anchors), and
  // how many of them its last right end solved: the kept beam's elements.
  std::vector<PlacedElement> elements;
  std::size_t solved_elements = 0;
  // The beam a later pass is compared with; empty before the first right
  // end, and while the pass that will replace it is under way.
  std::shared_ptr<const KeptBeam> kept;
};

}  // namespace dlt
