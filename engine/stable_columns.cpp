#include "engine/stable_columns.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

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

static bool finite_columns(const Columns& c) {
  return finite_state(c.L) && finite_state(c.A) && finite_state(c.B);
}

// The columns no longer hold a usable solution: the pass keeps no states.
static void drop_columns(StableFile& s) {
  s.here.has_columns = false;
  s.here.columns = {};
}

void stable_close_pass(StableFile& s) {
  if (s.solved) s.kept = std::make_shared<const KeptBeam>(solve_pass(s));
  s.here = {};
  s.anchors.clear();
  s.conditions = 0;
  s.springs = 0;
  s.solved = false;
  s.solved_anchors = 0;
  s.last_u = 0;
  s.entered = 0;
  s.elements.clear();
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

void stable_segment(StableFile& s, double length, double k, bool loaded, double q, double qs) {
  s.here.x = s.here.x + length;
  if (length != 0) {
    s.here.last_length = length;
    s.here.last_k = k;
  }
  if (s.here.has_columns) {
    Columns& c = s.here.columns;
    for (StateVector* column : {&c.L, &c.A, &c.B}) {
      StateVector& v = *column;
      transfer_column(v[0], v[1], v[2], v[3], length, k);
    }
    // Columns that overflow are found where they are used: at the next
    // condition, spring or right end.
    if (loaded) add_distributed_load(c.L[0], c.L[1], c.L[2], c.L[3], length, k, q, qs);
  }
  carry_segment(s, length, k, loaded, q, qs);
}

void stable_point_action(StableFile& s, Quantity S1, double load) {
  if (s.here.has_columns) {
    double& v = s.here.columns.L[state_index(S1)];
    v = v - load;
  }
  carry_point_action(s, S1, load);
}

bool spring_room(const StableFile& s) { return s.springs < kMaxSprings; }

// The link of an anchor that keeps its unknowns: the identity.
static void keep_unknowns(PassAnchor& anchor) {
  anchor.inverse[0][0] = 1;
  anchor.inverse[0][1] = 0;
  anchor.inverse[1][0] = 0;
  anchor.inverse[1][1] = 1;
  anchor.Li = 0;
  anchor.Lj = 0;
}

// Weights that make w, p, M and Q comparable whatever the units: w / l, p,
// M l / EI and Q l^2 / EI of the last segment, a rotation each.
static StateVector row_weights(const StableSpot& here) {
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
// minor other than zero.
static bool reanchor(Columns& c, const StateVector& weight, PassAnchor& anchor) {
  std::size_t best_i = 0;
  std::size_t best_j = 0;
  double best = 0;
  double det = 0;
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    for (std::size_t j = i + 1; j < kQuantityCount; ++j) {
      double minor = (c.A[i] * c.B[j]) - (c.B[i] * c.A[j]);
      double scaled = std::fabs((minor * weight[i]) * weight[j]);
      if (std::isfinite(scaled) && scaled > best) {
        best = scaled;
        det = minor;
        best_i = i;
        best_j = j;
      }
    }
  }
  if (best == 0) return false;
  std::size_t i = best_i;
  std::size_t j = best_j;
  double(&inv)[2][2] = anchor.inverse;
  inv[0][0] = c.B[j] / det;
  inv[0][1] = (-c.B[i]) / det;
  inv[1][0] = (-c.A[j]) / det;
  inv[1][1] = c.A[i] / det;
  anchor.Li = c.L[i];
  anchor.Lj = c.L[j];
  Columns next;
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
  return finite_columns(c);
}

// Keeps anchor with the columns now right of it, re-anchored first where
// asked; drops the columns where they are no longer finite or no pair of
// quantities can serve as unknowns.
static void keep_anchor(StableFile& s, PassAnchor& anchor, bool reanchored) {
  Columns& c = s.here.columns;
  keep_unknowns(anchor);
  if (!finite_columns(c) || (reanchored && !reanchor(c, row_weights(s.here), anchor))) {
    drop_columns(s);
    return;
  }
  anchor.after = c;
  if (s.keeps_anchors) s.anchors.push_back(anchor);
}

void stable_spring(StableFile& s, double c) {
  s.springs = s.springs + 1;
  PassAnchor spring{.kind = AnchorKind::spring, .c = c, .x = s.here.x};
  if (s.here.has_columns) {
    Columns& columns = s.here.columns;
    spring.before = columns;
    for (StateVector* column : {&columns.L, &columns.A, &columns.B}) {
      StateVector& v = *column;
      v[3] = (v[0] * c) + v[3];
    }
    keep_anchor(s, spring, true);
  }
  carry_into_anchor(s, spring);
}

bool columns_decide(const StableFile& s) { return s.here.has_columns && finite_columns(s.here.columns); }

bool condition_determined(const StableFile& s, Quantity S1) {
  const Columns& c = s.here.columns;
  return c.A[state_index(S1)] != 0 || c.B[state_index(S1)] != 0;
}

void stable_condition(StableFile& s, Quantity S1, double W1, bool reanchored) {
  s.conditions = s.conditions + 1;
  PassAnchor condition{.kind = AnchorKind::condition, .S1 = S1, .W1 = W1, .x = s.here.x};
  if (s.here.has_columns) {
    Columns& c = s.here.columns;
    condition.before = c;
    std::size_t i = state_index(S1);
    double a = c.A[i];
    double b = c.B[i];
    // The unknown with the larger coefficient goes; the other one stays in A.
    condition.eliminated_u = std::fabs(a) > std::fabs(b);
    const StateVector& gone = condition.eliminated_u ? c.A : c.B;
    const StateVector& kept = condition.eliminated_u ? c.B : c.A;
    double pivot = condition.eliminated_u ? a : b;
    double other = condition.eliminated_u ? b : a;
    condition.g1 = (W1 - c.L[i]) / pivot;
    condition.g2 = (-other) / pivot;
    Columns next;
    for (std::size_t r = 0; r < kQuantityCount; ++r) {
      next.L[r] = c.L[r] + (gone[r] * condition.g1);
      next.A[r] = kept[r] + (gone[r] * condition.g2);
    }
    // The prescribed quantity no longer depends on the unknowns: a residue
    // left here would later pass for a usable coefficient.
    next.L[i] = W1;
    next.A[i] = 0;
    next.B[complement(S1)] = 1;
    c = next;
    keep_anchor(s, condition, reanchored);
  }
  carry_into_anchor(s, condition);
}

bool right_end_determined(const StableFile& s, Quantity S2) { return s.here.columns.A[state_index(S2)] != 0; }

// The state (columns) . (u, v).
static StateVector state_of(const Columns& c, double u, double v) {
  StateVector state;
  for (std::size_t r = 0; r < kQuantityCount; ++r) state[r] = (c.L[r] + (c.A[r] * u)) + (c.B[r] * v);
  return state;
}

void stable_right_end(StableFile& s, Quantity S2, double W2) {
  // The kept beam gives way to this one, or, where its columns were
  // dropped, to none.
  s.kept.reset();
  s.solved = false;
  s.here.left_beam = false;
  s.here.carries_state = false;
  if (!columns_decide(s)) return;
  const Columns& c = s.here.columns;
  std::size_t t = state_index(S2);
  double u = (W2 - c.L[t]) / c.A[t];
  if (!std::isfinite(u)) {
    drop_columns(s);
    return;
  }
  s.solved = true;
  s.solved_anchors = s.anchors.size();
  s.last_u = u;
  // The state there, as the kept beam will hold it.
  s.here.state = state_of(c, u, 0);
  s.here.carries_state = finite_state(s.here.state);
}

KeptBeam solve_pass(const StableFile& s) {
  KeptBeam beam;
  beam.S1 = s.S1;
  beam.S2 = s.S2;
  beam.points.resize(s.solved_anchors);
  // The right end's condition kept its unknowns, the reaction in V; none
  // acts past the end.
  double u = s.last_u;
  double v = 0;
  double farthest = 0;
  for (std::size_t k = s.solved_anchors; k-- > 0;) {
    const PassAnchor& anchor = s.anchors[k];
    KeptPoint& point = beam.points[k];
    point.kind = anchor.kind;
    point.S1 = anchor.S1;
    point.W1 = anchor.W1;
    point.c = anchor.c;
    point.x = anchor.x;
    farthest = std::max(farthest, std::fabs(anchor.x));
    point.right = state_of(anchor.after, u, v);
    double du = u - anchor.Li;
    double dv = v - anchor.Lj;
    u = (anchor.inverse[0][0] * du) + (anchor.inverse[0][1] * dv);
    v = (anchor.inverse[1][0] * du) + (anchor.inverse[1][1] * dv);
    switch (anchor.kind) {
      case AnchorKind::condition: {
        // Back from the unknown the condition kept (now U) to the one it
        // eliminated; V after it was the reaction.
        double gone = anchor.g1 + (anchor.g2 * u);
        v = anchor.eliminated_u ? u : gone;
        u = anchor.eliminated_u ? gone : u;
        break;
      }
      case AnchorKind::spring:
        break;
    }
    point.left = state_of(anchor.before, u, v);
  }
  beam.start[state_index(s.S1)] = u;
  beam.start[state_index(s.S2)] = v;
  beam.x_tolerance = kPositionTolerance * farthest;
  beam.elements.assign(s.elements.begin(),
                       s.elements.begin() + static_cast<std::ptrdiff_t>(s.solved_elements));
  if (!beam.elements.empty()) beam.follow_tolerance = kPositionTolerance * std::fabs(beam.elements.back().x);
  return beam;
}

}  // namespace dlt
