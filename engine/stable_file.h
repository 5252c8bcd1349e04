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
// reports print a register value where it prints the same digits as that
// state, and the state's value where the registers have lost digits.
//
// A pass computes in double, as the registers do, until it meets a spring
// (c l^3 / EI of its bay at least kStiffSpring, which every spring is), a
// segment whose l / EI lies kStiffnessSpread or more from another's, a
// shaft segment so thin that its stress magnifies M (kFineShaft), or
// numbers beyond the doubles. From there on it computes in Wide
// (engine/wide.h), computed anew from its left end through the elements it
// recorded, so that the digits double lost before stay. In double, rows of
// springs cost the columns up to five digits, soft ones already some,
// stiffnesses far apart some too, and the l^4 terms of a long segment
// overflow where its values do not; Wide, for every operation, would cost
// the common beam four times its time. A beam computed so is precise: a
// later pass carries its state in Wide too, and key g prints a register
// value only where it prints the same six decimals as that state. A state
// carried in double is no better than the registers: it replaces a register
// value only where the two lie further apart than the sixth decimal allows.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/element_values.h"
#include "engine/quantity.h"
#include "engine/wide.h"

namespace dlt {

// Springs a pass may hold: each keeps its columns and a link, as each
// condition does; far more than any beam has.
constexpr int kMaxSprings = 100000;

// A spring whose c l^3 / EI, with l the length of its bay and EI that of
// the segment before it, is this or more turns the pass to Wide: soft rows
// of springs lose sixth decimals in double too, so every spring does.
constexpr double kStiffSpring = 0;

// Segments whose l / EI lie this far apart make a pass compute in Wide:
// double kept every sixth decimal of random continuous beams whose l / EI
// lay up to 4e4 apart, not of all those up to 4e5 apart.
constexpr double kStiffnessSpread = 1e3;

// A shaft segment whose bending stress is its moment times this or more
// makes a pass compute in Wide (a diameter of about 2.17 or less: shafts
// in metres, not in millimetres).
constexpr double kFineShaft = 1;

// w, p, M and Q, by quantity_index, in double or in Wide.
template <class T>
using BasicState = std::array<T, kQuantityCount>;
using StateVector = BasicState<Wide>;

// Where quantity q stands in a state.
inline std::size_t state_index(Quantity q) { return static_cast<std::size_t>(quantity_index(q)); }

inline bool finite_value(double v) { return std::isfinite(v); }
inline bool finite_value(Wide v) { return wide_finite(v); }

// Whether every entry of state is finite.
template <class T>
bool finite_state(const BasicState<T>& state) {
  return std::all_of(state.begin(), state.end(), [](T v) { return finite_value(v); });
}

// The state L + A U + B V in terms of the unknowns U and V of the stretch.
template <class T>
struct BasicColumns {
  BasicState<T> L = {};
  BasicState<T> A = {};
  BasicState<T> B = {};
};
using Columns = BasicColumns<double>;
using WideColumns = BasicColumns<Wide>;

enum class AnchorKind { condition, spring };

// A condition (a right end's included) or a spring of the pass: what it was,
// where, the columns on both sides of it, and the link that gives the
// unknowns of the stretch before it from those of the stretch after it.
template <class T>
struct BasicAnchor {
  AnchorKind kind = AnchorKind::condition;
  Quantity S1 = Quantity::w;  // condition: the prescribed quantity
  double W1 = 0;              // condition: its value
  double c = 0;               // spring: its stiffness
  double x = 0;
  // The columns just left of it, in the unknowns of the stretch before, and
  // just right of it, in those of the stretch after. The state left of a
  // stiff spring comes from the former: its tiny deflection times c would
  // lose the digits of the shear force.
  BasicColumns<T> before = {};
  BasicColumns<T> after = {};
  // Condition: the unknown it eliminated (U where eliminated_u, else V) was
  // g1 + g2 times the one it kept, which went on as U, with the reaction as V.
  bool eliminated_u = false;
  T g1 = 0;
  T g2 = 0;
  // Re-anchoring: the unknowns after it are the quantities i and j there,
  // and those before inverse * ((U, V) - (Li, Lj)). The identity where the
  // unknowns were kept.
  T inverse[2][2] = {};
  T Li = 0;
  T Lj = 0;
};
using PassAnchor = BasicAnchor<double>;
using WidePassAnchor = BasicAnchor<Wide>;

// The state on both sides of a condition or spring of the kept beam, in
// double (rounded where the beam is precise).
struct KeptPoint {
  AnchorKind kind = AnchorKind::condition;
  Quantity S1 = Quantity::w;
  double W1 = 0;
  double c = 0;
  double x = 0;
  BasicState<double> left = {};
  BasicState<double> right = {};
};

// The same states in Wide, where the beam is precise.
struct WideSides {
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
  BasicState<double> start = {};  // just right of the left end
  std::vector<KeptPoint> points;
  // Its elements from the left end to the right end, which a later pass
  // must follow (engine/followed_beam.h), and how far the x of the two may
  // differ: 1e-9 of the beam's length.
  std::vector<PlacedElement> elements;
  double follow_tolerance = 0;
  // Computed in Wide from some point on: its states are precise, and held
  // in Wide too, the left end's and those of every point.
  bool precise = false;
  StateVector wide_start = {};
  std::vector<WideSides> wide_points;
};

// What every element moves on, and all a stop inside a segment has to put
// back.
struct StableSpot {
  bool has_columns = false;  // false before a left end and once dropped
  // The columns are in Wide (wide_columns) from here on, else in double.
  bool wide = false;
  // The pass would compute in Wide, but goes on in double while it follows
  // the kept beam (engine/stable_columns.cpp).
  bool wide_deferred = false;
  Columns columns = {};
  WideColumns wide_columns = {};
  double x = 0;
  // Where the bay of the next spring began: the last condition or spring,
  // or the left end.
  double bay_start = 0;
  // The last segment of nonzero length and its l / (-EI), in double: what
  // makes the four quantities comparable where the columns are re-anchored,
  // and what tells a stiff spring.
  double last_length = 0;
  double last_k = 0;
  // The least and the largest |l / EI| of its segments; zero before one.
  double least_k = 0;
  double most_k = 0;
  bool carries_state = false;
  // The state, in double, or where it follows a precise kept beam in Wide.
  bool precise_state = false;
  BasicState<double> state = {};
  StateVector wide_state = {};
  // The pass no longer follows the kept beam; key g says so.
  bool left_beam = false;
  // The kept beam's element the pass is to enter next, and how far it has
  // gone into it where that is a segment the pass enters in pieces.
  std::size_t followed = 0;
  double into = 0;
  // An element of the pass brought a number that is not finite, or a
  // segment with EI = 0: columns that are not finite then did not overflow.
  bool infinite_input = false;
  // The columns were dropped for not being finite.
  bool dropped_infinite = false;
};

struct StableFile {
  StableSpot here;
  // The pass under way: its left end, its anchors, and how many conditions
  // and springs it holds (counted even where the columns were dropped).
  Quantity S1 = Quantity::w;
  Quantity S2 = Quantity::w;
  // The anchors computed in double, and after them those in Wide.
  std::vector<PassAnchor> anchors;
  std::vector<WidePassAnchor> wide_anchors;
  // False in a replay of a pass already solved, which stops short of its
  // right end: anchors kept there would serve nothing.
  bool keeps_anchors = true;
  int conditions = 0;
  int springs = 0;
  // Set by a right end: the anchors it solved, the last its own, and U of
  // the stretch after it (V, a reaction past the end, is zero).
  bool solved = false;
  bool solved_wide = false;  // in Wide at its right end
  std::size_t solved_anchors = 0;
  std::size_t solved_wide_anchors = 0;
  Wide last_u = 0;
  // The conditions and springs the pass has entered, in order.
  std::size_t entered = 0;
  // The elements that took effect in the pass (where it keeps anchors), and
  // how many of them its last right end solved: the kept beam's elements.
  std::vector<PlacedElement> elements;
  std::size_t solved_elements = 0;
  // The elements hold all that changed the columns: not so once a right end
  // was refused after setting its condition.
  bool recorded_whole = true;
  // The beam a later pass is compared with; empty before the first right
  // end, and while the pass that will replace it is under way.
  std::shared_ptr<const KeptBeam> kept;
};

}  // namespace dlt
