#include "engine/stable_columns.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/carried_state.h"
#include "engine/segments.h"

namespace dlt {

// A place along a pass further than this times the largest x of the kept
// beam from an anchor has passed it.
constexpr double kPositionTolerance = 1e-9;

// The quantity whose jump a condition on q brings in as its new unknown:
// the shear force for w, the moment for p, the slope for M (a hinge), the
// deflection for Q.
static std::size_t complement(Quantity q) { return kQuantityCount - 1 - state_index(q); }

template <class T>
static bool finite_columns(const BasicColumns<T>& c) {
  return finite_state(c.L) && finite_state(c.A) && finite_state(c.B);
}

static bool finite_now(const StableSpot& here) {
  return here.wide ? finite_columns(here.wide_columns) : finite_columns(here.columns);
}

// The columns no longer hold a usable solution: the pass keeps no states.
// infinite: for numbers that are not finite.
static void drop_columns(StableFile& s, bool infinite) {
  s.here.dropped_infinite = infinite;
  s.here.has_columns = false;
  s.here.columns = {};
  s.here.wide_columns = {};
}

static StateVector widened(const BasicState<double>& v) {
  StateVector w;
  for (std::size_t r = 0; r < kQuantityCount; ++r) w[r] = v[r];
  return w;
}

// From here on the pass computes in Wide, from its double columns as they
// are.
static void widen_columns(StableSpot& here) {
  here.wide_columns = {widened(here.columns.L), widened(here.columns.A), widened(here.columns.B)};
  here.columns = {};
  here.wide = true;
}

static void condition_columns(StableFile& s, Quantity S1, double W1, bool reanchored);

// The pass's columns and anchors computed anew in Wide from its left end
// through the elements it has taken, as if it had computed in Wide from the
// start: the digits double lost before its first spring stay lost
// otherwise, in the kept beam and in every later pass. Possible where the
// pass records its elements and has not reached its right end; false
// elsewhere.
static bool replay_wide(StableFile& s) {
  if (!s.keeps_anchors || !s.recorded_whole || s.solved || s.elements.empty() ||
      s.elements.front().element.kind != ElementKind::left_end)
    return false;
  StableFile t;
  t.S1 = s.S1;
  t.S2 = s.S2;
  t.here.has_columns = true;
  t.here.wide = true;
  t.here.wide_columns.A[state_index(s.S1)] = 1;
  t.here.wide_columns.B[state_index(s.S2)] = 1;
  for (std::size_t k = 1; k < s.elements.size(); ++k) {
    const Element& e = s.elements[k].element;
    switch (e.kind) {
      case ElementKind::left_end:
        return false;
      case ElementKind::beam_segment:
      case ElementKind::shaft_segment:
        stable_segment(t, e, e.length / segment_minus_EI(e));
        break;
      case ElementKind::point_action:
        stable_point_action(t, e.S1, e.load);
        break;
      case ElementKind::spring:
        stable_spring(t, e.c);
        break;
      case ElementKind::condition:
        condition_columns(t, e.S1, e.W1, true);
        break;
      case ElementKind::right_end:
        return false;
    }
  }
  StableSpot& here = s.here;
  here.wide = true;
  here.columns = {};
  here.wide_columns = t.here.wide_columns;
  s.anchors.clear();
  s.wide_anchors = std::move(t.wide_anchors);
  if (!t.here.has_columns) {
    here.has_columns = false;
    here.dropped_infinite = t.here.dropped_infinite;
  }
  return true;
}

// From here on the pass computes in Wide: replayed from its left end where
// it can be, else from its double columns as they are.
static void turn_wide(StableFile& s) {
  s.here.wide_deferred = false;
  if (!replay_wide(s)) widen_columns(s.here);
}

// The same where the beam asks for Wide (springs, stiffnesses far apart,
// thin shafts), not numbers beyond the doubles: a pass that follows the kept
// beam prints the kept beam's precise state and needs its own columns only
// to decide its conditions, so it goes on in double and turns to Wide
// where it leaves the beam or reaches its right end.
static void turn_wide_for_digits(StableFile& s) {
  if (s.kept && !s.here.left_beam) {
    s.here.wide_deferred = true;
    return;
  }
  turn_wide(s);
}

void turn_wide_after_leaving(StableFile& s) {
  StableSpot& here = s.here;
  if (here.wide_deferred && here.left_beam && here.has_columns && !here.wide) turn_wide(s);
}

void stable_close_pass(StableFile& s) {
  if (s.solved) s.kept = std::make_shared<const KeptBeam>(solve_pass(s));
  s.here = {};
  s.anchors.clear();
  s.wide_anchors.clear();
  s.conditions = 0;
  s.springs = 0;
  s.solved = false;
  s.solved_wide = false;
  s.solved_anchors = 0;
  s.solved_wide_anchors = 0;
  s.last_u = 0;
  s.entered = 0;
  s.elements.clear();
  s.recorded_whole = true;
  s.solved_elements = 0;
}

void stable_left_end(StableFile& s, Quantity S1, Quantity S2) {
  s.S1 = S1;
  s.S2 = S2;
  s.here.has_columns = true;
  s.here.columns.A[state_index(S1)] = 1;
  s.here.columns.B[state_index(S2)] = 1;
  carry_from_left_end(s);
}

template <class T>
static void transfer_columns(BasicColumns<T>& c, const Element& segment, T k) {
  T l = segment.length;
  for (BasicState<T>* column : {&c.L, &c.A, &c.B}) {
    BasicState<T>& v = *column;
    transfer_column<T>(v[0], v[1], v[2], v[3], l, k);
  }
  if (segment.loaded) add_distributed_load<T>(c.L[0], c.L[1], c.L[2], c.L[3], l, k, segment.q, segment.qs);
}

// Whether EI of the segment is zero, which no type can divide by.
static bool zero_EI(const Element& segment) {
  if (segment.kind == ElementKind::shaft_segment) return segment.E == 0 || segment.diameter == 0;
  return segment.EI == 0;
}

// Whether a segment of factor k makes the factors of the pass lie
// kStiffnessSpread apart or more, noting its factor.
static bool widens_spread(StableSpot& here, double k) {
  double size = std::fabs(k);
  if (!(size > 0 && std::isfinite(size))) return false;
  if (here.least_k == 0) {
    here.least_k = size;
    here.most_k = size;
    return false;
  }
  here.least_k = std::min(here.least_k, size);
  here.most_k = std::max(here.most_k, size);
  return !(here.most_k < kStiffnessSpread * here.least_k);
}

// Whether the bending stress M 32 / (pi d^3) of a shaft segment magnifies
// M kFineShaft times or more: its six decimals then ask for digits of M
// that double does not keep.
static bool fine_shaft(const Element& segment) {
  if (segment.kind != ElementKind::shaft_segment) return false;
  double d = std::fabs(segment.diameter);
  double modulus = (kPi * ((d * d) * d)) / 32;
  return modulus > 0 && !(modulus > 1 / kFineShaft);
}

void stable_segment(StableFile& s, const Element& segment, double k) {
  StableSpot& here = s.here;
  double length = segment.length;
  bool loaded = segment.loaded;
  if (!std::isfinite(length) || zero_EI(segment) ||
      (loaded && !(std::isfinite(segment.q) && std::isfinite(segment.qs))))
    here.infinite_input = true;
  here.x = here.x + length;
  if (length != 0) {
    here.last_length = length;
    here.last_k = k;
  }
  bool spread = widens_spread(here, k);
  if (here.has_columns && !here.wide && (spread || fine_shaft(segment))) turn_wide_for_digits(s);
  if (here.has_columns && !here.wide) {
    Columns before = here.columns;
    transfer_columns<double>(here.columns, segment, k);
    // Columns that overflow in Wide are found where they are used: at the
    // next condition, spring or right end. In double they go on in Wide.
    if (!here.infinite_input && !finite_columns(here.columns)) {
      here.columns = before;
      turn_wide(s);
    }
  }
  Wide wide_k = 0;
  if ((here.has_columns && here.wide) || (here.carries_state && here.precise_state))
    wide_k = length / wide_minus_EI(segment);
  if (here.has_columns && here.wide) transfer_columns<Wide>(here.wide_columns, segment, wide_k);
  carry_segment(s, segment, k, wide_k);
}

void stable_point_action(StableFile& s, Quantity S1, double load) {
  StableSpot& here = s.here;
  if (!std::isfinite(load)) here.infinite_input = true;
  std::size_t i = state_index(S1);
  if (here.has_columns && !here.wide) {
    double v = here.columns.L[i] - load;
    if (std::isfinite(v) || here.infinite_input)
      here.columns.L[i] = v;
    else
      turn_wide(s);
  }
  if (here.has_columns && here.wide) here.wide_columns.L[i] = here.wide_columns.L[i] - load;
  carry_point_action(s, S1, load);
}

bool spring_room(const StableFile& s) { return s.springs < kMaxSprings; }

// The link of an anchor that keeps its unknowns: the identity.
template <class T>
static void keep_unknowns(BasicAnchor<T>& anchor) {
  anchor.inverse[0][0] = 1;
  anchor.inverse[0][1] = 0;
  anchor.inverse[1][0] = 0;
  anchor.inverse[1][1] = 1;
  anchor.Li = 0;
  anchor.Lj = 0;
}

template <class T>
static T magnitude(T x) {
  if constexpr (std::is_same_v<T, double>) {
    return std::fabs(x);
  } else {
    return wide_abs(x);
  }
}

// Weights that make w, p, M and Q comparable whatever the units: w / l, p,
// M l / EI and Q l^2 / EI of the last segment, a rotation each.
template <class T>
static BasicState<T> row_weights(const StableSpot& here) {
  double l = std::fabs(here.last_length);
  double k = std::fabs(here.last_k);
  if (!(l > 0 && k > 0 && std::isfinite(l) && std::isfinite(k))) return {1, 1, 1, 1};
  return {1 / l, 1, k, k * l};
}

// Takes as the new unknowns the two quantities i, j whose 2x2 minor of the
// unknown columns, with the rows weighted, is the largest: every other row
// then depends on them by factors of at most about one, and the link back
// does not magnify errors. The old unknowns are
// inverse * ((s_i, s_j) - (L_i, L_j)). False where no pair has a finite
// minor other than zero, with infinite set where that or the new columns
// are so for numbers that are not finite.
template <class T>
static bool reanchor(BasicColumns<T>& c, const BasicState<T>& weight, BasicAnchor<T>& anchor,
                     bool& infinite) {
  std::size_t best_i = 0;
  std::size_t best_j = 0;
  T best = 0;
  T det = 0;
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    for (std::size_t j = i + 1; j < kQuantityCount; ++j) {
      T minor = (c.A[i] * c.B[j]) - (c.B[i] * c.A[j]);
      T scaled = magnitude<T>((minor * weight[i]) * weight[j]);
      if (!finite_value(scaled)) infinite = true;
      if (finite_value(scaled) && scaled > best) {
        best = scaled;
        det = minor;
        best_i = i;
        best_j = j;
      }
    }
  }
  if (best == 0) return false;
  infinite = false;
  std::size_t i = best_i;
  std::size_t j = best_j;
  T(&inv)[2][2] = anchor.inverse;
  inv[0][0] = c.B[j] / det;
  inv[0][1] = (-c.B[i]) / det;
  inv[1][0] = (-c.A[j]) / det;
  inv[1][1] = c.A[i] / det;
  anchor.Li = c.L[i];
  anchor.Lj = c.L[j];
  BasicColumns<T> next;
  for (std::size_t r = 0; r < kQuantityCount; ++r) {
    next.A[r] = (c.A[r] * inv[0][0]) + (c.B[r] * inv[1][0]);
    next.B[r] = (c.A[r] * inv[0][1]) + (c.B[r] * inv[1][1]);
    next.L[r] = c.L[r] - ((next.A[r] * anchor.Li) + (next.B[r] * anchor.Lj));
  }
  // Exactly what they are: at this point the quantities i and j are the
  // unknowns themselves.
  next.L[i] = 0;
  next.L[j] = 0;
  next.A[i] = 1;
  next.A[j] = 0;
  next.B[i] = 0;
  next.B[j] = 1;
  c = next;
  infinite = !finite_columns(c);
  return !infinite;
}

enum class Kept { yes, infinite, no_pair };

// Finishes anchor with the columns now right of it, re-anchored first where
// asked: whether they can go on, or are not finite, or have no pair of
// quantities to serve as unknowns.
template <class T>
static Kept finish_anchor(const StableSpot& here, BasicColumns<T>& c, BasicAnchor<T>& anchor,
                          bool reanchored) {
  keep_unknowns(anchor);
  bool infinite = !finite_columns(c);
  if (infinite) return Kept::infinite;
  if (reanchored && !reanchor(c, row_weights<T>(here), anchor, infinite))
    return infinite ? Kept::infinite : Kept::no_pair;
  anchor.after = c;
  return Kept::yes;
}

// The arithmetic of an anchor, step(columns, anchor), in double where the
// pass computes in double and nothing overflows there, else in Wide; the
// anchor kept with its columns, or the columns dropped.
template <class Step>
static void anchor_step(StableFile& s, const PassAnchor& mark, bool reanchored, Step step) {
  StableSpot& here = s.here;
  if (!here.wide) {
    PassAnchor anchor = mark;
    anchor.before = here.columns;
    step(here.columns, anchor);
    Kept kept = finish_anchor(here, here.columns, anchor, reanchored);
    if (kept == Kept::yes) {
      if (s.keeps_anchors) s.anchors.push_back(anchor);
      return;
    }
    // A pass that put off Wide tries it before it gives its columns up.
    if ((kept == Kept::no_pair && !here.wide_deferred) || here.infinite_input) {
      drop_columns(s, kept == Kept::infinite);
      return;
    }
    here.columns = anchor.before;
    turn_wide(s);
    if (!here.has_columns) return;
  }
  WidePassAnchor anchor{.kind = mark.kind, .S1 = mark.S1, .W1 = mark.W1, .c = mark.c, .x = mark.x};
  anchor.before = here.wide_columns;
  step(here.wide_columns, anchor);
  Kept kept = finish_anchor(here, here.wide_columns, anchor, reanchored);
  if (kept != Kept::yes) {
    drop_columns(s, kept == Kept::infinite);
    return;
  }
  if (s.keeps_anchors) s.wide_anchors.push_back(anchor);
}

// Whether a spring of stiffness c is stiff for its bay: c l^3 / |EI| with
// l the bay's length and EI that of the last segment, l^3 / |EI| taken as
// l^3 |k| / l_last. A spring before any segment counts as stiff.
static bool stiff_spring(const StableSpot& here, double c) {
  double bay = here.x - here.bay_start;
  double last = std::fabs(here.last_length);
  if (!(last > 0)) return true;
  double ratio = (std::fabs(c) * ((bay * bay) * bay)) * (std::fabs(here.last_k) / last);
  return !(ratio < kStiffSpring);
}

void stable_spring(StableFile& s, double c) {
  s.springs = s.springs + 1;
  StableSpot& here = s.here;
  if (!std::isfinite(c)) here.infinite_input = true;
  if (here.has_columns && !here.wide && stiff_spring(here, c)) turn_wide_for_digits(s);
  if (here.has_columns) {
    PassAnchor mark{.kind = AnchorKind::spring, .c = c, .x = here.x};
    anchor_step(s, mark, true, [c](auto& columns, auto&) {
      for (auto* column : {&columns.L, &columns.A, &columns.B}) {
        auto& v = *column;
        v[3] = (v[0] * c) + v[3];
      }
    });
  }
  here.bay_start = here.x;
  carry_into_anchor(s, AnchorKind::spring, Quantity::w, 0, c);
}

bool columns_decide(const StableFile& s) { return s.here.has_columns && finite_now(s.here); }

bool columns_overflowed(const StableFile& s) {
  const StableSpot& here = s.here;
  if (here.infinite_input) return false;
  return here.has_columns ? !finite_now(here) : here.dropped_infinite;
}

bool condition_determined(const StableFile& s, Quantity S1) {
  std::size_t i = state_index(S1);
  if (s.here.wide) {
    const WideColumns& c = s.here.wide_columns;
    return c.A[i] != 0 || c.B[i] != 0;
  }
  const Columns& c = s.here.columns;
  return c.A[i] != 0 || c.B[i] != 0;
}

// The columns' part of a condition: its anchor.
static void condition_columns(StableFile& s, Quantity S1, double W1, bool reanchored) {
  StableSpot& here = s.here;
  if (!std::isfinite(W1)) here.infinite_input = true;
  if (here.has_columns) {
    PassAnchor mark{.kind = AnchorKind::condition, .S1 = S1, .W1 = W1, .x = here.x};
    anchor_step(s, mark, reanchored, [S1, W1](auto& c, auto& condition) {
      using T = std::remove_reference_t<decltype(condition.g1)>;
      std::size_t i = state_index(S1);
      T a = c.A[i];
      T b = c.B[i];
      // The unknown with the larger coefficient goes; the other one stays
      // in A.
      condition.eliminated_u = magnitude<T>(a) > magnitude<T>(b);
      const BasicState<T>& gone = condition.eliminated_u ? c.A : c.B;
      const BasicState<T>& kept = condition.eliminated_u ? c.B : c.A;
      T pivot = condition.eliminated_u ? a : b;
      T other = condition.eliminated_u ? b : a;
      condition.g1 = (W1 - c.L[i]) / pivot;
      condition.g2 = (-other) / pivot;
      BasicColumns<T> next;
      for (std::size_t r = 0; r < kQuantityCount; ++r) {
        next.L[r] = c.L[r] + (gone[r] * condition.g1);
        next.A[r] = kept[r] + (gone[r] * condition.g2);
      }
      // The prescribed quantity no longer depends on the unknowns: a
      // residue left here would later pass for a usable coefficient.
      next.L[i] = W1;
      next.A[i] = 0;
      next.B[complement(S1)] = 1;
      c = next;
    });
  }
  here.bay_start = here.x;
}

void stable_condition(StableFile& s, Quantity S1, double W1, bool reanchored) {
  s.conditions = s.conditions + 1;
  condition_columns(s, S1, W1, reanchored);
  carry_into_anchor(s, AnchorKind::condition, S1, W1, 0);
}

bool right_end_determined(const StableFile& s, Quantity S2) {
  std::size_t t = state_index(S2);
  return s.here.wide ? s.here.wide_columns.A[t] != 0 : s.here.columns.A[t] != 0;
}

// Turns the pass Wide at its right end, whose condition it has set in
// double, the last of its anchors: where the pass is replayed, the
// condition is set again in Wide.
static void turn_right_end_wide(StableFile& s) {
  s.here.wide_deferred = false;
  if (!s.anchors.empty()) {
    PassAnchor end = s.anchors.back();
    if (replay_wide(s)) {
      condition_columns(s, end.S1, end.W1, false);
      return;
    }
  }
  widen_columns(s.here);
}

// The state (columns) . (u, v), in the type of u and v.
template <class T, class C>
static BasicState<T> state_of(const BasicColumns<C>& c, T u, T v) {
  BasicState<T> state;
  for (std::size_t r = 0; r < kQuantityCount; ++r) {
    T L = c.L[r];
    T A = c.A[r];
    T B = c.B[r];
    state[r] = (L + (A * u)) + (B * v);
  }
  return state;
}

void stable_right_end(StableFile& s, Quantity S2, double W2) {
  // The kept beam gives way to this one, or, where its columns were
  // dropped, to none.
  s.kept.reset();
  s.solved = false;
  StableSpot& here = s.here;
  here.left_beam = false;
  here.carries_state = false;
  if (!columns_decide(s)) return;
  std::size_t t = state_index(S2);
  // The pass becomes the kept beam: in Wide where it put that off.
  if (here.wide_deferred && !here.wide) {
    turn_right_end_wide(s);
    if (!here.has_columns) return;
  }
  if (!here.wide) {
    double u = (W2 - here.columns.L[t]) / here.columns.A[t];
    if (std::isfinite(u)) {
      s.solved = true;
      s.last_u = u;
      here.state = state_of(here.columns, u, 0.0);
    } else if (here.infinite_input || !std::isfinite(W2)) {
      drop_columns(s, true);
      return;
    } else {
      turn_right_end_wide(s);
      if (!here.has_columns) return;
    }
  }
  if (here.wide) {
    Wide u = (W2 - here.wide_columns.L[t]) / here.wide_columns.A[t];
    if (!wide_finite(u)) {
      drop_columns(s, true);
      return;
    }
    s.solved = true;
    s.last_u = u;
    here.wide_state = state_of(here.wide_columns, u, Wide(0));
  }
  s.solved_wide = here.wide;
  s.solved_anchors = s.anchors.size();
  s.solved_wide_anchors = s.wide_anchors.size();
  // The state there, as the kept beam will hold it.
  here.precise_state = here.wide;
  here.carries_state = here.wide ? finite_state(here.wide_state) : finite_state(here.state);
}

static BasicState<double> narrowed(const StateVector& v) {
  return {to_double(v[0]), to_double(v[1]), to_double(v[2]), to_double(v[3])};
}

// Kept point k's states, in double, and where they are in Wide, in Wide too.
static void keep_sides(KeptBeam& beam, std::size_t k, const BasicState<double>& left,
                       const BasicState<double>& right) {
  beam.points[k].left = left;
  beam.points[k].right = right;
}

static void keep_sides(KeptBeam& beam, std::size_t k, const StateVector& left, const StateVector& right) {
  beam.points[k].left = narrowed(left);
  beam.points[k].right = narrowed(right);
  beam.wide_points[k] = {left, right};
}

// One anchor of the back substitution, kept point k, from the unknowns
// (u, v) of the stretch after it to those of the stretch before, in T: the
// kept point's states on both sides.
template <class T, class C>
static void substitute_back(const BasicAnchor<C>& anchor, KeptBeam& beam, std::size_t k, T& u, T& v) {
  KeptPoint& point = beam.points[k];
  point.kind = anchor.kind;
  point.S1 = anchor.S1;
  point.W1 = anchor.W1;
  point.c = anchor.c;
  point.x = anchor.x;
  BasicState<T> right = state_of(anchor.after, u, v);
  T Li = anchor.Li;
  T Lj = anchor.Lj;
  T du = u - Li;
  T dv = v - Lj;
  T i00 = anchor.inverse[0][0];
  T i01 = anchor.inverse[0][1];
  T i10 = anchor.inverse[1][0];
  T i11 = anchor.inverse[1][1];
  u = (i00 * du) + (i01 * dv);
  v = (i10 * du) + (i11 * dv);
  switch (anchor.kind) {
    case AnchorKind::condition: {
      // Back from the unknown the condition kept (now U) to the one it
      // eliminated; V after it was the reaction.
      T g1 = anchor.g1;
      T g2 = anchor.g2;
      T gone = g1 + (g2 * u);
      v = anchor.eliminated_u ? u : gone;
      u = anchor.eliminated_u ? gone : u;
      break;
    }
    case AnchorKind::spring:
      break;
  }
  keep_sides(beam, k, state_of(anchor.before, u, v), right);
}

// The back substitution through the double anchors, in T, and the left
// end's state.
template <class T>
static void substitute_to_left_end(const StableFile& s, KeptBeam& beam, T u, T v) {
  for (std::size_t k = s.solved_anchors; k-- > 0;) substitute_back(s.anchors[k], beam, k, u, v);
  if constexpr (std::is_same_v<T, double>) {
    beam.start[state_index(s.S1)] = u;
    beam.start[state_index(s.S2)] = v;
  } else {
    beam.wide_start[state_index(s.S1)] = u;
    beam.wide_start[state_index(s.S2)] = v;
    beam.start = narrowed(beam.wide_start);
  }
}

KeptBeam solve_pass(const StableFile& s) {
  KeptBeam beam;
  beam.S1 = s.S1;
  beam.S2 = s.S2;
  std::size_t doubles = s.solved_anchors;
  beam.points.resize(doubles + s.solved_wide_anchors);
  // The right end's condition kept its unknowns, the reaction in V; none
  // acts past the end. Its anchor is the last of the pass's type there.
  beam.precise = s.solved_wide;
  if (s.solved_wide) {
    beam.wide_points.resize(beam.points.size());
    Wide u = s.last_u;
    Wide v = 0;
    for (std::size_t k = s.solved_wide_anchors; k-- > 0;)
      substitute_back(s.wide_anchors[k], beam, doubles + k, u, v);
    substitute_to_left_end(s, beam, u, v);
  } else {
    substitute_to_left_end(s, beam, to_double(s.last_u), 0.0);
  }
  beam.elements.assign(s.elements.begin(),
                       s.elements.begin() + static_cast<std::ptrdiff_t>(s.solved_elements));
  if (!beam.elements.empty()) beam.follow_tolerance = kPositionTolerance * std::fabs(beam.elements.back().x);
  return beam;
}

}  // namespace dlt
