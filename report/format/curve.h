// The curves of the page's diagrams, and their thinning to the drawing's
// resolution as their points come, so that a curve holds a few points per
// horizontal drawing unit however long the beam. Of the points of one run
// within one drawing unit, kept are the first, the smallest, the largest
// and the last, a jump (two values at one x) whole where it is the unit's
// only one, and the points a writer asks to keep (a beam's extremes); a
// unit with at most four points keeps them all. Where a unit holds several
// jumps, it is drawn from its smallest to its largest value, which hold
// them all at the drawing's resolution. The points come from the writers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/quantity.h"
#include "report/format/svg.h"

namespace dlt {

// The band of a diagram its curve is drawn in: kCurveHeight high from
// kCurveTop down, under the title and a band of labels.
constexpr double kCurveTop = 16 + (3 * kLineHeight);
constexpr double kCurveHeight = 100;

// Maps a quantity's values onto the curve's band, zero included.
struct YScale {
  double lo = 0;
  double hi = 0;
  double factor = 0;  // 0 puts every value in the middle of the band
  bool downward = false;
};

YScale y_scale(double lo, double hi, bool downward);

// w and M are drawn positive downward, p and Q upward.
bool is_downward(Quantity q);

// Whether a value at x can be drawn: both finite.
bool is_drawable(double x, double v);
double to_drawing(const YScale& scale, double value);

struct CurvePoint {
  double X = 0;
  double Y = 0;
};

// A curve as drawn: its points in the order of the beam, every run of
// finite values one after the other.
struct Curve {
  YScale scale;
  double zero = 0;  // the zero line's Y
  std::vector<CurvePoint> points;
  std::vector<std::size_t> runs;  // where each run starts in points
  bool in_order = true;           // X never decreases along points
  // Where it does, the highest and lowest Y of the pieces of the curve
  // reaching into each drawing unit, zero included.
  std::vector<std::pair<double, double>> units;
};

// The drawing units across a drawing, [u, u + 1) each.
constexpr std::size_t kDrawingUnits = 760;
static_assert(kDrawingUnits == kDrawingWidth);

// A point of a curve being thinned, with its place in the curve.
struct HeldPoint {
  std::uint64_t order = 0;
  CurvePoint at;
};

// A curve being thinned: the points of the drawing unit the curve is in,
// which go to the curve, thinned, when it leaves that unit or its run ends.
struct CurveThinning {
  Curve curve;
  bool run_open = false;   // the last point added was not followed by a break
  bool unit_open = false;  // points of the current unit are held
  double unit = 0;         // the unit held: floor(X)
  std::uint64_t added = 0;
  std::size_t count = 0;  // the points of the unit so far
  HeldPoint few[4];       // its first four
  HeldPoint first;
  HeldPoint last;
  HeldPoint low;          // the first with the smallest Y
  HeldPoint high;         // the first with the largest Y
  std::size_t jumps = 0;  // steps at one X
  HeldPoint jump_from;    // the last of them
  HeldPoint jump_to;
  std::vector<HeldPoint> kept;  // kept whatever else the unit holds
};

// Adds the next point of a run; keep keeps it whatever else its unit holds.
// REQUIRES: X and Y finite.
void add_point(CurveThinning& thinning, CurvePoint point, bool keep);

// The run ends: the next point starts another.
void break_run(CurveThinning& thinning);

// The curve, once every point is added.
Curve finish_curve(CurveThinning& thinning);

// The highest and lowest Y the curve and its area take between X left and
// right (the zero line included): every piece of the curve reaching into
// that span counts whole. Where the curve runs back, those reaching into the
// units that span touches count, which may be a little more.
std::pair<double, double> extent(const Curve& curve, double left, double right);

}  // namespace dlt
