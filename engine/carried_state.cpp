#include "engine/carried_state.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "engine/segments.h"

namespace dlt {

// How far a carried state just left of an anchor may lie from the kept one,
// relative to the larger of 1 and the kept value's magnitude.
constexpr double kStateTolerance = 1e-6;
// Two values further apart than this print different six decimals: each
// lies within half a unit of the sixth decimal of what it prints.
constexpr double kSurelyApart = 2e-6;
// How near, relative to its size, a precise value may lie to a halfway
// point between two sixth decimals and still let the register value's
// rounding stand: a few units of the last place of a double.
constexpr double kTieWidth = 1e-15;
// How near a register value must lie to the precise value to be taken for
// it, beyond printing the same digits: by about its last digits.
constexpr double kClose = 1e-12;
// Below this a value prints as a zero.
constexpr double kHalfMillionth = 5e-7;
constexpr double kDoubleRelative = 1e-9;
// Where the six decimals can be had without printing them: below 2^52
// millionths.
constexpr double kMillion = 1e6;
constexpr double kExactMillionths = 4503599627370496.0;
// Room for the six decimals of any double: 309 digits, the point, six
// decimals and a sign.
constexpr std::size_t kFixedSize = 400;

template <class T>
static bool same_state(const BasicState<T>& carried, const BasicState<T>& kept) {
  for (std::size_t r = 0; r < kQuantityCount; ++r) {
    T size = kept[r] < 0 ? -kept[r] : kept[r];
    T bound = kStateTolerance * std::max(T(1), size);
    T off = carried[r] - kept[r];
    if (!((off < 0 ? -off : off) <= bound)) return false;
  }
  return true;
}

static bool same_anchor(const KeptPoint& kept, AnchorKind kind, Quantity S1, double W1, double c) {
  if (kept.kind != kind) return false;
  switch (kind) {
    case AnchorKind::condition:
      return kept.S1 == S1 && kept.W1 == W1;
    case AnchorKind::spring:
      return kept.c == c;
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
  s.here.precise_state = s.kept->precise;
  s.here.state = s.kept->start;
  s.here.wide_state = s.kept->wide_start;
}

void carry_segment(StableFile& s, const Element& segment, double k, Wide wide_k) {
  StableSpot& here = s.here;
  if (here.carries_state && here.precise_state) {
    StateVector& v = here.wide_state;
    Wide l = segment.length;
    transfer_column<Wide>(v[0], v[1], v[2], v[3], l, wide_k);
    if (segment.loaded) add_distributed_load<Wide>(v[0], v[1], v[2], v[3], l, wide_k, segment.q, segment.qs);
    here.carries_state = finite_state(v);
  } else if (here.carries_state) {
    BasicState<double>& v = here.state;
    double l = segment.length;
    transfer_column<double>(v[0], v[1], v[2], v[3], l, k);
    if (segment.loaded) add_distributed_load<double>(v[0], v[1], v[2], v[3], l, k, segment.q, segment.qs);
    here.carries_state = finite_state(v);
  }
}

void carry_point_action(StableFile& s, Quantity S1, double load) {
  StableSpot& here = s.here;
  if (!here.carries_state) return;
  std::size_t i = state_index(S1);
  if (here.precise_state) {
    Wide& v = here.wide_state[i];
    v = v - load;
    here.carries_state = wide_finite(v);
  } else {
    double& v = here.state[i];
    v = v - load;
    here.carries_state = std::isfinite(v);
  }
}

void carry_into_anchor(StableFile& s, AnchorKind kind, Quantity S1, double W1, double c) {
  std::size_t k = s.entered;
  s.entered = s.entered + 1;
  // Past its own right end a pass has no kept anchor to enter.
  if (s.solved) {
    leave_beam(s);
    return;
  }
  if (!s.kept || s.here.left_beam) return;
  const KeptBeam& beam = *s.kept;
  if (k >= beam.points.size() || !same_anchor(beam.points[k], kind, S1, W1, c)) {
    leave_beam(s);
    return;
  }
  if (!s.here.carries_state) return;
  bool same = s.here.precise_state ? same_state(s.here.wide_state, beam.wide_points[k].left)
                                   : same_state(s.here.state, beam.points[k].left);
  if (!same) {
    leave_beam(s);
    return;
  }
  s.here.state = beam.points[k].right;
  if (s.here.precise_state) s.here.wide_state = beam.wide_points[k].right;
}

// The six decimals key g prints of value, as console/console.cpp prints
// them, without the sign of a zero.
static std::string_view six_decimals(double value, std::array<char, kFixedSize>& text) {
  std::to_chars_result end =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 6);
  std::string_view digits(text.data(), static_cast<std::size_t>(end.ptr - text.data()));
  if (digits == "-0.000000") digits.remove_prefix(1);
  return digits;
}

// The six decimals of value as a whole number of millionths, correctly
// rounded, without printing: exactly so where |value| 1e6 < 2^52 and value
// is no halfway point (exact false elsewhere). value 1e6 = hi + lo exactly,
// with |lo| <= 1/4 there, and hi = r + d with r whole and |d| <= 1/2: r is
// the answer unless d + lo passes a half. Also the halfway point nearest to
// value 1e6, and about how far from it value 1e6 lies.
struct Millionths {
  bool exact = false;
  bool tie = false;  // value is a halfway point itself
  double whole = 0;
  double half = 0;
  double from_half = 0;
};

static Millionths millionths(double value) {
  Millionths m;
  double hi = value * kMillion;
  if (!(std::fabs(hi) < kExactMillionths)) return m;
  double lo = std::fma(value, kMillion, -hi);
  double r = std::nearbyint(hi);
  double d = hi - r;
  m.whole = r;
  if (std::fabs(d) < 0.25) {
    m.exact = true;
    m.half = d + lo < 0 ? r - 0.5 : r + 0.5;
    m.from_half = 0.5 - std::fabs(d + lo);
    return m;
  }
  m.half = d < 0 ? r - 0.5 : r + 0.5;
  // d - 1/2 (or d + 1/2) is exact, and so is the sign of a sum of two
  // doubles.
  double past = d > 0 ? (d - 0.5) + lo : (d + 0.5) + lo;
  m.from_half = std::fabs(past);
  m.exact = past != 0;
  m.tie = past == 0;
  if (d > 0 && past > 0) m.whole = r + 1;
  if (d < 0 && past < 0) m.whole = r - 1;
  return m;
}

// Whether the register value a may stand for the precise value b: the two
// print the same six decimals, or b lies so near the halfway point between
// a's and its own (within kTieWidth of its size) that the exact value, with
// the few units of the last place b may be off, could lie on a's side: a
// decimal tie, as in 0.0001575, where a's rounding is as right as b's.
static bool prints_alike(double a, double b) {
  if (a == b) return true;
  if (std::fabs(a - b) > kSurelyApart) return false;
  Millionths ma = millionths(a);
  Millionths mb = millionths(b);
  // A value that is a halfway point itself is known by that point.
  bool a_known = ma.exact || ma.tie;
  bool b_known = mb.exact || mb.tie;
  if (a_known && b_known) {
    if (ma.exact && mb.exact && ma.whole == mb.whole) return true;
    bool near = mb.from_half <= kTieWidth * std::fabs(b * kMillion);
    bool beside = ma.exact ? std::fabs(ma.whole - mb.half) == 0.5 : ma.half == mb.half;
    if (near && beside) return true;
    if (ma.exact && mb.exact) return false;
  }
  std::array<char, kFixedSize> a_text;
  std::array<char, kFixedSize> b_text;
  return six_decimals(a, a_text) == six_decimals(b, b_text);
}

double precise_state_value(const StableSpot& here, std::size_t r) {
  return here.precise_state ? to_double(here.wide_state[r]) : here.state[r];
}

double shown_value(double register_value, double precise) {
  if (!std::isfinite(precise)) return register_value;
  if (!prints_alike(register_value, precise)) return precise;
  // The register value itself where it is as good as the precise one;
  // elsewhere the precise value, with the register's sign where both print
  // a zero: what the reports add up and compare must not carry the
  // registers' lost digits, though g prints the same bytes.
  if (std::fabs(register_value - precise) <= kClose * (1 + std::fabs(precise))) return register_value;
  if (std::fabs(precise) < kHalfMillionth) return std::copysign(precise, register_value);
  return precise;
}

// A state carried in double has lost digits of its own, as the registers
// have theirs: it replaces a register value only where the two disagree by
// more than the sixth decimal allows, so that the register's bytes stay
// wherever either could be right.
static double agreeing_value(double register_value, double state_value) {
  if (!std::isfinite(state_value)) return register_value;
  double bound = kHalfMillionth + (kDoubleRelative * std::fabs(state_value));
  if (std::fabs(register_value - state_value) <= bound) return register_value;
  return state_value;
}

double shown_value(double register_value, const StableSpot& here, std::size_t r) {
  if (!here.precise_state) return agreeing_value(register_value, here.state[r]);
  return shown_value(register_value, precise_state_value(here, r));
}

double precise_value(double register_value, const StableSpot& here, std::size_t r) {
  if (!here.precise_state) return shown_value(register_value, here, r);
  double precise = to_double(here.wide_state[r]);
  return std::isfinite(precise) ? precise : register_value;
}

}  // namespace dlt
