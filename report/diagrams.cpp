#include "report/diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "report/numbers.h"

namespace dlt {

const char* const kDiagramFill[kQuantityCount] = {"#9ecae1", "#a1d99b", "#fc9272", "#fdd0a2"};

namespace {

constexpr const char* kStroke[kQuantityCount] = {"#08519c", "#006d2c", "#a50f15", "#a63603"};
constexpr const char* kTitle[kQuantityCount] = {
    "Durchbiegung w (positiv nach unten)", "Neigung p (positiv nach oben)",
    "Biegemoment M (positiv nach unten)", "Querkraft Q (positiv nach oben)"};

// From top to bottom: the title, a band of labels, the curve's band and
// another band of labels.
constexpr double kTitleHeight = 16;
constexpr double kLabelBand = 3 * kLineHeight;
constexpr double kCurveTop = kTitleHeight + kLabelBand;
constexpr double kCurveHeight = 100;
constexpr double kCurveBottom = kCurveTop + kCurveHeight;
constexpr double kHeight = kCurveBottom + kLabelBand + 4;
// Space between a label and the curve.
constexpr double kGap = 3;
constexpr double kStep = 4;

bool is_downward(Quantity q) { return q == Quantity::w || q == Quantity::M; }

// Maps values onto the curve's band, zero included.
struct YScale {
  double lo = 0;
  double hi = 0;
  double factor = 0;
  bool downward = false;
};

YScale y_scale(double lo, double hi, bool downward) {
  YScale s{lo, hi, 0, downward};
  if (!(hi > lo)) return s;
  s.factor = kCurveHeight / (hi - lo);
  // A span beyond the largest double still has a scale.
  if (!(s.factor > 0) || !std::isfinite(s.factor)) s.factor = (kCurveHeight / 2) / ((hi / 2) - (lo / 2));
  if (!std::isfinite(s.factor)) s.factor = 0;
  return s;
}

double to_drawing(const YScale& s, double v) {
  if (s.factor == 0) return kCurveTop + (kCurveHeight / 2);
  if (s.downward) return kCurveTop + ((v * s.factor) - (s.lo * s.factor));
  return kCurveTop + ((s.hi * s.factor) - (v * s.factor));
}

struct Point {
  double X = 0;
  double Y = 0;
};

// The drawn curve: its points in the order of the beam, each run of finite
// values separately for the paths, and all in one list for the extents.
struct Curve {
  std::vector<std::vector<Point>> runs;
  std::vector<Point> points;
  bool in_order = true;  // X never decreases along points
  double zero = 0;       // the zero line's Y
};

bool is_drawable(double x, double v) { return std::isfinite(x) && std::isfinite(v); }

// The curve of quantity q in one walk: the points are gathered with their
// values, which then give the vertical scale, ys, and are drawn to it.
Curve trace(const CompletePass& pass, const BeamSummary& summary, const XScale& xs, Quantity q, YScale& ys) {
  Curve curve;
  // The extremes found between table points lie on the curve too.
  std::vector<Extreme> inside = {extreme_of(summary, q, true), extreme_of(summary, q, false)};
  std::vector<Point> run;
  auto add = [&](double x, double v) {
    Point p{to_drawing(xs, x), v};
    if (!curve.points.empty() && p.X < curve.points.back().X) curve.in_order = false;
    run.push_back(p);
    curve.points.push_back(p);
  };
  double lo = 0;
  double hi = 0;
  Walk walk = start_walk(pass, false);
  TableRow row;
  double previous_x = 0;
  bool previous_drawn = false;
  while (next_row(walk, row)) {
    if (previous_drawn) {
      for (Extreme& e : inside) {
        bool between = (previous_x < e.x && e.x < row.x) || (row.x < e.x && e.x < previous_x);
        if (between && is_drawable(e.x, e.value)) {
          add(e.x, e.value);
          e.x = std::numeric_limits<double>::quiet_NaN();  // once
        }
      }
    }
    double v = value_of(row.at, q);
    previous_x = row.x;
    previous_drawn = is_drawable(row.x, v);
    if (previous_drawn) {
      lo = std::min(lo, v);
      hi = std::max(hi, v);
      add(row.x, v);
    } else if (!run.empty()) {
      curve.runs.push_back(std::move(run));
      run.clear();
    }
  }
  if (!run.empty()) curve.runs.push_back(std::move(run));
  for (const Extreme& e : {extreme_of(summary, q, true), extreme_of(summary, q, false)}) {
    if (is_drawable(e.x, e.value)) {
      lo = std::min(lo, e.value);
      hi = std::max(hi, e.value);
    }
  }
  ys = y_scale(lo, hi, is_downward(q));
  curve.zero = to_drawing(ys, 0);
  for (Point& p : curve.points) p.Y = to_drawing(ys, p.Y);
  for (std::vector<Point>& points : curve.runs)
    for (Point& p : points) p.Y = to_drawing(ys, p.Y);
  return curve;
}

// The highest and lowest Y the curve and its area take between X left and
// right: every piece of the curve reaching into that span counts whole.
std::pair<double, double> extent(const Curve& curve, double left, double right) {
  double top = curve.zero;
  double bottom = curve.zero;
  const std::vector<Point>& p = curve.points;
  std::size_t first = 0;
  if (curve.in_order) {
    first = static_cast<std::size_t>(
        std::lower_bound(p.begin(), p.end(), left, [](const Point& a, double X) { return a.X < X; }) -
        p.begin());
    if (first > 0) --first;
  }
  for (std::size_t i = first; i < p.size(); ++i) {
    bool reaches =
        i + 1 < p.size() && std::min(p[i].X, p[i + 1].X) <= right && std::max(p[i].X, p[i + 1].X) >= left;
    bool within = p[i].X >= left && p[i].X <= right;
    if (reaches || within) {
      top = std::min(top, p[i].Y);
      bottom = std::max(bottom, p[i].Y);
      if (i + 1 < p.size()) {
        top = std::min(top, p[i + 1].Y);
        bottom = std::max(bottom, p[i + 1].Y);
      }
    }
    if (curve.in_order && p[i].X > right) break;
  }
  return {top, bottom};
}

struct Label {
  double x = 0;
  double value = 0;
  Anchor anchor = Anchor::middle;
  std::vector<std::string> lines;
  bool is_extreme = false;
};

void append_path(std::string& out, const std::vector<Point>& run, bool closed, double zero) {
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (closed && i == 0) {
      out.append("M");
      append_coordinate(out, run[0].X);
      out.push_back(' ');
      append_coordinate(out, zero);
    }
    out.append(i == 0 && !closed ? "M" : " L");
    append_coordinate(out, run[i].X);
    out.push_back(' ');
    append_coordinate(out, run[i].Y);
  }
  if (closed) {
    out.append(" L");
    append_coordinate(out, run.back().X);
    out.push_back(' ');
    append_coordinate(out, zero);
    out.append("Z");
  }
}

// One path of all runs of the curve: its line, or closed along the zero
// line, its area.
void append_curve(std::string& out, const Curve& curve, std::string_view style, bool closed) {
  if (curve.runs.empty()) return;
  out.append("<path ");
  out.append(style);
  out.append(" d=\"");
  for (const std::vector<Point>& run : curve.runs) append_path(out, run, closed, curve.zero);
  out.append("\"/>\n");
}

// The labels wanted, most important first: the extremes, then the values at
// the point elements, largest first. A value already labelled at the same x
// is not labelled again, nor one that prints as zero: the zero line shows it.
std::vector<Label> wanted_labels(const BeamRecord& record, const BeamSummary& summary, Quantity q) {
  std::vector<Label> extremes;
  std::vector<Label> values;
  std::set<std::pair<std::string, std::string>> seen;
  auto want = [&](std::vector<Label>& into, Label label) {
    if (!is_drawable(label.x, label.value) || prints_as_zero(label.value)) return;
    if (!seen.insert({fixed_text(label.x), fixed_text(label.value)}).second) return;
    into.push_back(std::move(label));
  };
  for (bool largest : {true, false}) {
    const Extreme& e = extreme_of(summary, q, largest);
    std::string name = extreme_name(q, largest);
    want(extremes, {e.x, e.value, Anchor::middle, {value_text(name, e.value), value_text("x", e.x)}, true});
  }
  for (std::size_t k = 0; k < record.elements.size(); ++k) {
    if (is_segment(record.elements[k])) continue;
    const ElementValues& at = summary.elements[k];
    double before = value_of(at.before, q);
    double after = value_of(at.after, q);
    if (fixed_text(before) == fixed_text(after)) {
      want(values, {at.x, after, Anchor::middle, {fixed_text(after)}, false});
    } else {
      want(values, {at.x, before, Anchor::end, {fixed_text(before)}, false});
      want(values, {at.x, after, Anchor::start, {fixed_text(after)}, false});
    }
  }
  std::stable_sort(values.begin(), values.end(),
                   [](const Label& a, const Label& b) { return std::fabs(a.value) > std::fabs(b.value); });
  extremes.insert(extremes.end(), values.begin(), values.end());
  return extremes;
}

// Places a label beside the curve, on the side of its value first; false
// where neither side has room.
bool place_label(TakenBoxes& taken, const Curve& curve, double X, double Y, const Label& label, Box& box) {
  double width = text_width(label.lines);
  if (width > kDrawingWidth - 4) return false;
  double nudge = label.anchor == Anchor::end ? -kGap : (label.anchor == Anchor::start ? kGap : 0);
  double left = label_left(X + nudge, width, label.anchor);
  double height = static_cast<double>(label.lines.size()) * kLineHeight;
  auto [top, bottom] = extent(curve, left, left + width);
  bool above_first = Y <= curve.zero;
  for (bool above : {above_first, !above_first}) {
    double start = above ? top - kGap - height : bottom + kGap;
    box = {left, start, left + width, start + height};
    if (place_box(taken, box, above ? -kStep : kStep, kTitleHeight, kHeight)) return true;
  }
  return false;
}

}  // namespace

std::string diagram_svg(const CompletePass& pass, const BeamSummary& summary, const XScale& scale,
                        Quantity q) {
  YScale ys;
  Curve curve = trace(pass, summary, scale, q, ys);

  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"diagramm-";
  out.append(quantity_name(q));
  out.append("\" class=\"zeichnung\" viewBox=\"0 0 ");
  append_coordinate(out, kDrawingWidth);
  out.push_back(' ');
  append_coordinate(out, kHeight);
  out.append("\">\n");
  out.append("<text class=\"titel\" x=\"");
  append_coordinate(out, kPlotLeft);
  out.append("\" y=\"12\">");
  out.append(kTitle[quantity_index(q)]);
  out.append("</text>\n");

  // The area down to the zero line, the zero line, and the curve over both.
  append_curve(out, curve, std::string("fill=\"") + kDiagramFill[quantity_index(q)] + "\" stroke=\"none\"",
               true);
  append_line(out, kPlotLeft, curve.zero, kPlotLeft + kPlotWidth, curve.zero, "null");
  append_curve(
      out, curve,
      std::string("fill=\"none\" stroke=\"") + kStroke[quantity_index(q)] + "\" stroke-width=\"1.2\"", false);

  TakenBoxes taken;
  for (const Label& label : wanted_labels(pass.record, summary, q)) {
    double X = to_drawing(scale, label.x);
    double Y = to_drawing(ys, label.value);
    Box box;
    if (!place_label(taken, curve, X, Y, label, box)) continue;
    append_circle(out, X, Y, 2, "punkt");
    append_text(out, box, label.lines, label.is_extreme ? "extrem" : "wert");
  }
  out.append("</svg>\n");
  return out;
}

}  // namespace dlt
