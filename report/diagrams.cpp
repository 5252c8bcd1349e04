#include "report/diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <set>
#include <string>
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
static_assert(kCurveTop == kTitleHeight + kLabelBand);
constexpr double kCurveBottom = kCurveTop + kCurveHeight;
constexpr double kHeight = kCurveBottom + kLabelBand + 4;
// Space between a label and the curve.
constexpr double kGap = 3;
constexpr double kStep = 4;

bool is_drawable(double x, double v) { return std::isfinite(x) && std::isfinite(v); }

struct Label {
  double x = 0;
  double value = 0;
  Anchor anchor = Anchor::middle;
  std::vector<std::string> lines;
  bool is_extreme = false;
};

void append_path(std::string& out, const CurvePoint* run, std::size_t count, bool closed, double zero) {
  for (std::size_t i = 0; i < count; ++i) {
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
    append_coordinate(out, run[count - 1].X);
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
  for (std::size_t r = 0; r < curve.runs.size(); ++r) {
    std::size_t end = r + 1 < curve.runs.size() ? curve.runs[r + 1] : curve.points.size();
    append_path(out, curve.points.data() + curve.runs[r], end - curve.runs[r], closed, curve.zero);
  }
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

std::string diagram_svg(const Curve& curve, const BeamRecord& record, const BeamSummary& summary,
                        const XScale& scale, Quantity q) {
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
  for (const Label& label : wanted_labels(record, summary, q)) {
    double X = to_drawing(scale, label.x);
    double Y = to_drawing(curve.scale, label.value);
    Box box;
    if (!place_label(taken, curve, X, Y, label, box)) continue;
    append_circle(out, X, Y, 2, "punkt");
    append_text(out, box, label.lines, label.is_extreme ? "extrem" : "wert");
  }
  out.append("</svg>\n");
  return out;
}

}  // namespace dlt
