#include "engine/carried_state.h"

#include <algorithm>
#include <cmath>

#include "engine/segments.h"

namespace dlt {

// How far a carried state just left of an anchor may lie from the kept one,
// relative to the larger of 1 and the kept value's magnitude.
constexpr double kStateTolerance = 1e-6;
// How far a register value may lie from the state's and still be printed.
constexpr double kShownAbsolute = 5e-7;
constexpr double kShownRelative = 1e-9;

static bool same_state(const StateVector& carried, const StateVector& kept) {
  for (int r = 0; r < kQuantityCount; ++r) {
    double bound = kStateTolerance * std::max(1.0, std::fabs(kept[r]));
    if (!(std::fabs(carried[r] - kept[r]) <= bound)) return false;
  }
  return true;
}

static bool same_anchor(const KeptPoint& kept, const PassAnchor& anchor) {
  if (kept.kind != anchor.kind) return false;
  switch (anchor.kind) {
    case AnchorKind::condition:
      return kept.S1 == anchor.S1 && kept.W1 == anchor.W1;
    case AnchorKind::spring:
      return kept.c == anchor.c;
  }
  return false;
}

void leave_beam(StableFile& s) {
  s.here.left_beam = true;
  s.here.carries_state = false;
}

void carry_from_left_end(StableFile& s) {
  if (!s.kept) return;
  if (s.kept->S1 != s.S1 || s.kept->S2 != s.S2) {
    leave_beam(s);
    return;
  }
  s.here.carries_state = true;
  s.here.state = s.kept->start;
}

void carry_segment(StableFile& s, double length, double k, bool loaded, double q, double qs) {
  StableSpot& here = s.here;
  if (here.carries_state) {
    StateVector& v = here.state;
    transfer_column(v[0], v[1], v[2], v[3], length, k);
    if (loaded) add_distributed_load(v[0], v[1], v[2], v[3], length, k, q, qs);
    here.carries_state = finite_state(v);
  }
  if (!s.kept || here.left_beam || s.entered >= s.kept->points.size()) return;
  const KeptPoint& next = s.kept->points[s.entered];
  if (here.x > next.x + s.kept->x_tolerance) leave_beam(s);
}

void carry_point_action(StableFile& s, Quantity S1, double load) {
  if (!s.here.carries_state) return;
  double& v = s.here.state[state_index(S1)];
  v = v - load;
  s.here.carries_state = std::isfinite(v);
}

void carry_into_anchor(StableFile& s, const PassAnchor& anchor) {
  std::size_t k = s.entered;
  s.entered = s.entered + 1;
  // Past its own right end a pass has no kept anchor to enter.
  if (s.solved) {
    leave_beam(s);
    return;
  }
  if (!s.kept || s.here.left_beam) return;
  const KeptBeam& beam = *s.kept;
  if (k >= beam.points.size() || !same_anchor(beam.points[k], anchor)) {
    leave_beam(s);
    return;
  }
  if (!s.here.carries_state) return;
  if (!same_state(s.here.state, beam.points[k].left)) {
    leave_beam(s);
    return;
  }
  s.here.state = beam.points[k].right;
}

double shown_value(double register_value, double state_value) {
  if (!std::isfinite(state_value)) return register_value;
  double bound = kShownAbsolute + (kShownRelative * std::fabs(state_value));
  if (std::fabs(register_value - state_value) <= bound) return register_value;
  return state_value;
}

}  // namespace dlt
