#include "report/format/diagram.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/format/labels.h"
#include "report/format/markup.h"
#include "report/format/numbers.h"
#include "report/format/table.h"
#include "report/format/umlauts.h"

namespace dlt {

const char* const kDiagramFill[kQuantityCount] = {"#9ecae1", "#a1d99b", "#fc9272", "#fdd0a2"};
const char* const kDiagramStroke[kQuantityCount] = {"#08519c", "#006d2c", "#a50f15", "#a63603"};

namespace {

constexpr const char* kTitle[kQuantityCount] = {"Durchbiegung w", "Neigung p", "Biegemoment M",
                                                "Querkraft Q"};

constexpr double kTitleHeight = kDiagramTitleHeight;
constexpr double kLabelBand = 3 * kLineHeight;
static_assert(kCurveTop == kTitleHeight + kLabelBand);
constexpr double kHeight = kDiagramHeight;
// Space between a label and the curve.
constexpr double kGap = 3;
constexpr double kStep = 4;

// A label's load cases are left out where they would make it wider than
// this; the tables name them all.
constexpr std::size_t kLongestCases = 40;

// "Feld 2: " before what a span's label names; "Kragarm: " for a
// cantilever's.
std::string field_prefix(const Wanted& label) {
  return label.field > 0 ? "Feld " + std::to_string(label.field) + ": " : "Kragarm: ";
}

// The lines of a label: its value named, and its x with the load cases
// that give it where it names them. Two lines fit over the curve's
// extreme in the band of labels; a support's extreme takes one, its x
// being the support's.
std::vector<std::string> label_lines(const Wanted& label, const Plotted& shown, const UnitNames& units) {
  const std::string& unit = unit_of(units, shown.dimension);
  std::string x = value_text("x", label.x, unit_of(units, Dimension::length), NumberForm::reading);
  if (!label.cases.empty() && label.cases.size() <= kLongestCases) x += " (LF " + label.cases + ")";
  switch (label.kind) {
    case LabelKind::value:
      return {with_unit(label.value, unit, NumberForm::reading)};
    case LabelKind::largest:
    case LabelKind::smallest:
    case LabelKind::field:
    case LabelKind::largest_in_field:
    case LabelKind::smallest_in_field:
      return {value_text(label_name(label, shown), label.value, unit, NumberForm::reading), x};
    case LabelKind::largest_at_support:
    case LabelKind::smallest_at_support:
      return {value_text(label_name(label, shown), label.value, unit, NumberForm::reading)};
  }
  return {};
}

const char* label_class(LabelKind kind) {
  switch (kind) {
    case LabelKind::value:
      return "wert";
    case LabelKind::largest:
    case LabelKind::smallest:
      return "extrem";
    case LabelKind::field:
    case LabelKind::largest_in_field:
    case LabelKind::smallest_in_field:
      return "feld";
    case LabelKind::largest_at_support:
    case LabelKind::smallest_at_support:
      return "stuetze";
  }
  return "wert";
}

// Where labels can still go, by drawing unit across the diagram: the
// curve's extent over the unit, the boxes taken that reach into it, and
// whether a label could still go above and below the curve there. A label
// covers some unit whole (see unit_covered), so it cannot go on a side of
// the curve where that unit has no gap as high as one line between the
// boxes, the curve and the drawing's edge: it is skipped without trying,
// and a long beam, whose many labels mostly find no room, costs little.
struct Room {
  std::vector<std::pair<double, double>> curve;               // top and bottom
  std::vector<std::vector<std::pair<double, double>>> boxes;  // top and bottom, by top
  std::vector<bool> full_above;
  std::vector<bool> full_below;
};

Room room_of(const Curve& curve) {
  Room room;
  room.curve.resize(kDrawingUnits);
  for (std::size_t u = 0; u < kDrawingUnits; ++u) {
    double left = static_cast<double>(u);
    room.curve[u] = extent(curve, left, left + 1);
  }
  room.boxes.resize(kDrawingUnits);
  room.full_above.assign(kDrawingUnits, false);
  room.full_below.assign(kDrawingUnits, false);
  return room;
}

// Whether a box of a line's height fits between lo and hi beside the boxes
// (ordered by top). A little less than a line counts as room, so that a
// rounding error never skips a label that would fit.
bool has_room(const std::vector<std::pair<double, double>>& boxes, double lo, double hi) {
  constexpr double kNeed = kLineHeight - 0.01;
  double edge = lo;
  for (const auto& [top, bottom] : boxes) {
    if (std::min(top, hi) - edge >= kNeed) return true;
    edge = std::max(edge, bottom);
  }
  return hi - edge >= kNeed;
}

// The unit a drawing's X falls in; false where it is none.
bool unit_at(double X, std::size_t& unit) {
  double u = std::floor(X);
  if (!(u >= 0 && u < static_cast<double>(kDrawingUnits))) return false;
  unit = static_cast<std::size_t>(u);
  return true;
}

// A unit a label of at least one character at X covers whole, wherever
// label_left moves it: within 1.5 of X (shifted by the gap for end and
// start), which lies at least that far inside the box for any width up to
// the drawing's, X being on the plot.
bool unit_covered(double X, Anchor anchor, std::size_t& unit) {
  if (!(X >= kPlotLeft && X <= kPlotLeft + kPlotWidth)) return false;
  double inside = X;
  if (anchor == Anchor::end) inside = X - kGap - 1.5;
  if (anchor == Anchor::start) inside = X + kGap + 1.5;
  return unit_at(inside, unit);
}

void take_room(Room& room, const Box& box) {
  std::size_t first = 0;
  std::size_t last = 0;
  if (!unit_at(std::max(box.left, 0.0), first) ||
      !unit_at(std::min(box.right, static_cast<double>(kDrawingUnits) - 0.5), last))
    return;
  for (std::size_t u = first; u <= last; ++u) {
    double left = static_cast<double>(u);
    if (!(left < box.right && box.left < left + 1)) continue;
    std::vector<std::pair<double, double>>& boxes = room.boxes[u];
    std::pair<double, double> span{box.top, box.bottom};
    boxes.insert(std::upper_bound(boxes.begin(), boxes.end(), span), span);
    auto [top, bottom] = room.curve[u];
    room.full_above[u] = !has_room(boxes, kTitleHeight, top - kGap);
    room.full_below[u] = !has_room(boxes, bottom + kGap, kHeight);
  }
}

// Places a label beside the curve, by anchor at X, on the side of its value
// first; false where neither side has room. lines are the label's, made
// where they are empty.
bool place_label(TakenBoxes& taken, Room& room, const Curve& curve, double X, double Y, const Wanted& label,
                 Anchor anchor, const Plotted& shown, const UnitNames& units, std::vector<std::string>& lines,
                 Box& box) {
  bool above_first = Y <= curve.zero;
  bool try_side[2] = {true, true};  // first, second
  std::size_t unit = 0;
  if (unit_covered(X, anchor, unit)) {
    try_side[0] = !(above_first ? room.full_above[unit] : room.full_below[unit]);
    try_side[1] = !(above_first ? room.full_below[unit] : room.full_above[unit]);
    if (!try_side[0] && !try_side[1]) return false;
  }
  if (lines.empty()) lines = label_lines(label, shown, units);
  double width = text_width(lines);
  if (width > kDrawingWidth - 4) return false;
  double nudge = anchor == Anchor::end ? -kGap : (anchor == Anchor::start ? kGap : 0);
  double left = label_left(X + nudge, width, anchor);
  double height = static_cast<double>(lines.size()) * kLineHeight;
  auto [top, bottom] = extent(curve, left, left + width);
  for (int side = 0; side < 2; ++side) {
    if (!try_side[side]) continue;
    bool above = side == 0 ? above_first : !above_first;
    double start = above ? top - kGap - height : bottom + kGap;
    box = {left, start, left + width, start + height};
    if (place_box(taken, box, above ? -kStep : kStep, kTitleHeight, kHeight)) {
      take_room(room, box);
      return true;
    }
  }
  return false;
}

void append_path(std::string& out, const CurvePoint* run, std::size_t count, bool closed, double zero) {
  for (std::size_t i = 0; i < count; ++i) {
    if (closed && i == 0) {
      out.append("M");
      append_point(out, run[0].X, zero, ' ');
    }
    out.append(i == 0 && !closed ? "M" : " L");
    append_point(out, run[i].X, run[i].Y, ' ');
  }
  if (closed) {
    out.append(" L");
    append_point(out, run[count - 1].X, zero, ' ');
    out.append("Z");
  }
}

}  // namespace

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

void append_diagram_curve(std::string& out, const Curve& curve, const Plotted& shown) {
  append_curve(out, curve, std::string("fill=\"") + shown.fill + "\" stroke=\"none\"", true);
  append_line(out, kPlotLeft, curve.zero, kPlotLeft + kPlotWidth, curve.zero, "null");
  append_curve(out, curve, std::string("fill=\"none\" stroke=\"") + shown.stroke + "\" stroke-width=\"1.2\"",
               false);
}

std::string diagram_start(std::string_view id, const Plotted& shown, const UnitNames& units) {
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"";
  out.append(id);
  out.append("\" class=\"zeichnung\" viewBox=\"0 0 ");
  append_coordinate(out, kDrawingWidth);
  out.push_back(' ');
  append_coordinate(out, kHeight);
  out.append("\">\n");
  out.append("<text class=\"titel\" x=\"");
  append_coordinate(out, kPlotLeft);
  out.append("\" y=\"12\">");
  append_escaped(out, with_umlauts(diagram_title(shown, units)));
  out.append("</text>\n");
  return out;
}

std::string label_name(const Wanted& label, const Plotted& shown) {
  switch (label.kind) {
    case LabelKind::value:
      return "";
    case LabelKind::largest:
    case LabelKind::largest_at_support:
      return "max " + shown.symbol;
    case LabelKind::smallest:
    case LabelKind::smallest_at_support:
      return "min " + shown.symbol;
    case LabelKind::field:
      return field_prefix(label) + shown.symbol;
    case LabelKind::largest_in_field:
      return field_prefix(label) + "max " + shown.symbol;
    case LabelKind::smallest_in_field:
      return field_prefix(label) + "min " + shown.symbol;
  }
  return "";
}

Plotted plotted(Quantity q) {
  return {quantity_name(q), kTitle[quantity_index(q)],       dimension_of(q),
          is_downward(q),   kDiagramFill[quantity_index(q)], kDiagramStroke[quantity_index(q)]};
}

Plotted plotted_stress(const UnitNames& units) {
  std::string sigma = stress_name(units);
  return {sigma, "Biegespannung " + sigma, Dimension::force_per_area, true, "#dadaeb", "#54278f"};
}

std::string diagram_name(const Plotted& shown, const UnitNames& units) {
  return titled(shown.name, unit_of(units, shown.dimension));
}

std::string diagram_title(const Plotted& shown, const UnitNames& units) {
  std::string title = diagram_name(shown, units);
  title.append(shown.downward ? " (positiv nach unten)" : " (positiv nach oben)");
  return title;
}

void append_labels(std::string& out, const Curve& curve,
                   std::initializer_list<const std::vector<Wanted>*> lists, const XScale& scale,
                   const Plotted& shown, const UnitNames& units, const LabelPlacing& placing) {
  TakenBoxes taken;
  Room room = room_of(curve);
  std::vector<std::string> lines;
  for (const std::vector<Wanted>* list : lists) {
    for (const Wanted& label : *list) {
      double X = to_drawing(scale, label.x);
      double Y = to_drawing(curve.scale, label.value);
      Box box;
      lines.clear();
      bool placed = place_label(taken, room, curve, X, Y, label, label.anchor, shown, units, lines, box);
      // Ending or starting at its value, a label leaves the room over the
      // value to its neighbours'.
      for (Anchor beside : {Anchor::end, Anchor::start}) {
        if (placed || !placing.beside || label.anchor != Anchor::middle) break;
        placed = place_label(taken, room, curve, X, Y, label, beside, shown, units, lines, box);
      }
      if (!placed) {
        if (placing.left_out != nullptr) placing.left_out->push_back(label);
        continue;
      }
      append_circle(out, X, Y, 2, "punkt");
      append_text(out, box, lines, label_class(label.kind));
    }
  }
}

}  // namespace dlt
