#include "report/format/curve.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace dlt {

bool is_downward(Quantity q) { return q == Quantity::w || q == Quantity::M; }

bool is_drawable(double x, double v) { return std::isfinite(x) && std::isfinite(v); }

YScale y_scale(double lo, double hi, bool downward) {
  YScale s{lo, hi, 0, downward};
  if (!(hi > lo)) return s;
  s.factor = kCurveHeight / (hi - lo);
  // A span beyond the largest double still has a scale.
  if (!(s.factor > 0) || !std::isfinite(s.factor)) s.factor = (kCurveHeight / 2) / ((hi / 2) - (lo / 2));
  if (!std::isfinite(s.factor)) s.factor = 0;
  return s;
}

double to_drawing(const YScale& scale, double value) {
  if (scale.factor == 0) return kCurveTop + (kCurveHeight / 2);
  if (scale.downward) return kCurveTop + ((value * scale.factor) - (scale.lo * scale.factor));
  return kCurveTop + ((scale.hi * scale.factor) - (value * scale.factor));
}

namespace {

// The least step that shows in coordinates written with two decimals.
constexpr double kLeastJump = 0.01;

void emit(Curve& curve, const HeldPoint& held) {
  if (!curve.points.empty() && held.at.X < curve.points.back().X) curve.in_order = false;
  curve.points.push_back(held.at);
}

// The held points of the unit go to the curve in their order: all of them
// where there are at most four, else those that draw the unit: the first,
// the smallest, the largest, the last, a jump where it is the only one (of
// several, each lies between the smallest and the largest), and the points
// to keep.
void close_unit(CurveThinning& t) {
  if (!t.unit_open) return;
  t.unit_open = false;
  if (t.count <= std::size(t.few)) {
    for (std::size_t i = 0; i < t.count; ++i) emit(t.curve, t.few[i]);
    return;
  }
  t.kept.push_back(t.first);
  t.kept.push_back(t.low);
  t.kept.push_back(t.high);
  t.kept.push_back(t.last);
  if (t.jumps == 1) {
    t.kept.push_back(t.jump_from);
    t.kept.push_back(t.jump_to);
  }
  auto by_order = [](const HeldPoint& a, const HeldPoint& b) { return a.order < b.order; };
  auto same = [](const HeldPoint& a, const HeldPoint& b) { return a.order == b.order; };
  std::sort(t.kept.begin(), t.kept.end(), by_order);
  t.kept.erase(std::unique(t.kept.begin(), t.kept.end(), same), t.kept.end());
  for (const HeldPoint& held : t.kept) emit(t.curve, held);
}

}  // namespace

void add_point(CurveThinning& thinning, CurvePoint point, bool keep) {
  HeldPoint held{thinning.added, point};
  thinning.added = thinning.added + 1;
  double unit = std::floor(point.X);
  if (!thinning.run_open) {
    close_unit(thinning);
    thinning.curve.runs.push_back(thinning.curve.points.size());
    thinning.run_open = true;
  } else if (unit != thinning.unit) {
    close_unit(thinning);
  }
  if (!thinning.unit_open) {
    thinning.unit_open = true;
    thinning.unit = unit;
    thinning.count = 0;
    thinning.first = held;
    thinning.low = held;
    thinning.high = held;
    thinning.jumps = 0;
    thinning.kept.clear();
  } else {
    // A step at one X that shows in the coordinates written.
    if (point.X == thinning.last.at.X && std::fabs(point.Y - thinning.last.at.Y) >= kLeastJump) {
      thinning.jumps = thinning.jumps + 1;
      thinning.jump_from = thinning.last;
      thinning.jump_to = held;
    }
    if (point.Y < thinning.low.at.Y) thinning.low = held;
    if (point.Y > thinning.high.at.Y) thinning.high = held;
  }
  if (thinning.count < std::size(thinning.few)) thinning.few[thinning.count] = held;
  thinning.count = thinning.count + 1;
  thinning.last = held;
  if (keep) thinning.kept.push_back(held);
}

void break_run(CurveThinning& thinning) {
  close_unit(thinning);
  thinning.run_open = false;
}

namespace {

// The unit X lies in, held to the drawing.
std::size_t unit_of(double X) {
  double unit = std::floor(X);
  if (!(unit >= 0)) return 0;
  if (unit > static_cast<double>(kDrawingUnits - 1)) return kDrawingUnits - 1;
  return static_cast<std::size_t>(unit);
}

// A curve that runs back has no order to search its points by; each piece
// of it is entered in the units it reaches into instead.
void index_units(Curve& curve) {
  curve.units.assign(kDrawingUnits, {curve.zero, curve.zero});
  const std::vector<CurvePoint>& p = curve.points;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const CurvePoint& a = p[i];
    const CurvePoint& b = i + 1 < p.size() ? p[i + 1] : p[i];
    double top = std::min(a.Y, b.Y);
    double bottom = std::max(a.Y, b.Y);
    std::size_t last = unit_of(std::max(a.X, b.X));
    for (std::size_t u = unit_of(std::min(a.X, b.X)); u <= last; ++u) {
      curve.units[u].first = std::min(curve.units[u].first, top);
      curve.units[u].second = std::max(curve.units[u].second, bottom);
    }
  }
}

}  // namespace

Curve finish_curve(CurveThinning& thinning) {
  close_unit(thinning);
  thinning.run_open = false;
  if (!thinning.curve.in_order) index_units(thinning.curve);
  return std::move(thinning.curve);
}

std::pair<double, double> extent(const Curve& curve, double left, double right) {
  double top = curve.zero;
  double bottom = curve.zero;
  if (!curve.in_order) {
    if (curve.units.empty() || !(left <= right)) return {top, bottom};
    std::size_t last = unit_of(right);
    for (std::size_t u = unit_of(left); u <= last; ++u) {
      top = std::min(top, curve.units[u].first);
      bottom = std::max(bottom, curve.units[u].second);
    }
    return {top, bottom};
  }
  // Only the points from just before left to just after right.
  const std::vector<CurvePoint>& p = curve.points;
  auto first =
      std::lower_bound(p.begin(), p.end(), left, [](const CurvePoint& a, double X) { return a.X < X; });
  std::size_t i = static_cast<std::size_t>(first - p.begin());
  if (i > 0) --i;
  for (; i < p.size() && p[i].X <= right; ++i) {
    bool reaches = i + 1 < p.size() && p[i + 1].X >= left;
    if (!reaches && !(p[i].X >= left)) continue;
    top = std::min(top, p[i].Y);
    bottom = std::max(bottom, p[i].Y);
    if (i + 1 < p.size()) {
      top = std::min(top, p[i + 1].Y);
      bottom = std::max(bottom, p[i + 1].Y);
    }
  }
  return {top, bottom};
}

}  // namespace dlt
