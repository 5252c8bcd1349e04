#include "report/beam_sketch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <vector>

#include "report/numbers.h"

namespace dlt {

const char* const kBeamFill = "#5f7d95";

namespace {

// From top to bottom: labels above the beam, the band of the distributed
// loads, the beam on its axis, the supports, labels below, and the lengths.
constexpr double kLabelBand = 3 * kLineHeight;
constexpr double kLoadTop = kLabelBand;
constexpr double kLoadHeight = 30;
constexpr double kLoadBottom = kLoadTop + kLoadHeight;
constexpr double kAxis = kLoadBottom + 16;
constexpr double kSupportBottom = kAxis + 12 + 30;
constexpr double kLowerLabels = kSupportBottom;
constexpr double kDimensionLine = kLowerLabels + kLabelBand + 6;
constexpr double kHeight = kDimensionLine + 4 + (2 * kLineHeight) + 2;

// Half the height of a beam segment, and of the thickest shaft segment; the
// others in proportion to their diameter, but not thinner than a line.
constexpr double kBeamHalf = 4;
constexpr double kShaftHalfMost = 12;
constexpr double kShaftHalfLeast = 1;

struct Sketch {
  const BeamRecord& record;
  const BeamSummary& summary;
  XScale scale;
  double largest_diameter = 0;
  std::string out;
  TakenBoxes taken;
};

double half_height(const Sketch& s, const Element& segment) {
  if (segment.kind != ElementKind::shaft_segment || !(s.largest_diameter > 0)) return kBeamHalf;
  double share = std::fabs(segment.diameter) / s.largest_diameter;
  if (!std::isfinite(share)) return kBeamHalf;
  return std::max(kShaftHalfLeast, kShaftHalfMost * share);
}

// Half the beam's height at element k: that of the segments beside it.
double half_height_at(const Sketch& s, std::size_t k) {
  const std::vector<Element>& e = s.record.elements;
  double half = 0;
  for (std::size_t i = k; i-- > 0;) {
    if (is_segment(e[i])) {
      half = half_height(s, e[i]);
      break;
    }
  }
  for (std::size_t i = k + 1; i < e.size(); ++i) {
    if (is_segment(e[i])) {
      half = std::max(half, half_height(s, e[i]));
      break;
    }
  }
  return half > 0 ? half : kBeamHalf;
}

// A label above the beam (from the loads upward) or below it (from the
// supports downward); left out where it would overlap another.
void label(Sketch& s, double X, Anchor anchor, bool above, const std::string& text) {
  std::vector<std::string> lines = {text};
  double width = text_width(lines);
  if (width > kDrawingWidth - 4) return;
  Box box = text_box(label_left(X, width, anchor), 0, lines);
  double height = box.bottom;
  box.top = above ? kLoadTop - height : kLowerLabels;
  box.bottom = box.top + height;
  bool placed = above ? place_box(s.taken, box, -kLineHeight, 0, kLoadTop)
                      : place_box(s.taken, box, kLineHeight, kLowerLabels, kLowerLabels + kLabelBand);
  if (placed) append_text(s.out, box, lines, "wert");
}

// Ground under a support: a line with short hatching below it.
void ground(std::string& out, double X, double y) {
  append_line(out, X - 10, y, X + 10, y, "linie");
  for (double h = X - 8; h <= X + 10; h = h + 4) append_line(out, h, y, h - 4, y + 4, "duenn");
}

void pinned(std::string& out, double X, double bottom) {
  append_polyline(out, {X, bottom, X - 8, bottom + 14, X + 8, bottom + 14}, "leer", true);
  ground(out, X, bottom + 16);
}

// A wall at X, hatched on the side away from the beam (outward -1 to the
// left, +1 to the right).
void wall(std::string& out, double X, double outward) {
  append_line(out, X, kAxis - 16, X, kAxis + 16, "dick");
  for (double y = kAxis - 16; y < kAxis + 16; y = y + 5)
    append_line(out, X, y + 5, X + (outward * 5), y, "duenn");
}

// An end by what is held there: w and p (clamped), w (pinned), p (guided:
// a wall the beam slides along on rollers) or nothing (free).
void end_support(std::string& out, double X, double half, bool w_fixed, bool p_fixed, double outward) {
  if (w_fixed && p_fixed) {
    wall(out, X, outward);
  } else if (w_fixed) {
    pinned(out, X, kAxis + half);
  } else if (p_fixed) {
    append_line(out, X, kAxis - 12, X, kAxis + 12, "dick");
    append_circle(out, X + (outward * 3.5), kAxis - 6, 2.5, "leer");
    append_circle(out, X + (outward * 3.5), kAxis + 6, 2.5, "leer");
    wall(out, X + (outward * 7), outward);
  }
}

void spring(std::string& out, double X, double top) {
  append_polyline(out,
                  {X, top, X, top + 4, X + 5, top + 7, X - 5, top + 12, X + 5, top + 17, X - 5, top + 22, X,
                   top + 25, X, top + 28},
                  "linie", false);
  ground(out, X, top + 28);
}

void force(Sketch& s, double X, double half, double F) {
  bool down = !(F < 0);
  double tip = down ? kAxis - half : kAxis + half;
  double tail = down ? kLoadTop + 2 : kSupportBottom - 2;
  double head = down ? -8 : 8;
  append_line(s.out, X, tail, X, tip + head, "dick");
  append_polyline(s.out, {X, tip, X - 3.5, tip + head, X + 3.5, tip + head}, "voll", true);
  label(s, X, Anchor::middle, down, value_text("F", F));
}

// A moment as a three-quarter circle round the point; a positive moment
// turns counter-clockwise, as it lowers M to the right of it.
void moment(Sketch& s, double X, double M) {
  constexpr double r = 10;
  double turn = M < 0 ? -1 : 1;
  std::string d = "<path class=\"linie\" d=\"M";
  append_coordinate(d, X + (turn * r));
  d.push_back(' ');
  append_coordinate(d, kAxis);
  d.append(M < 0 ? " A10 10 0 1 1 " : " A10 10 0 1 0 ");
  append_coordinate(d, X);
  d.push_back(' ');
  append_coordinate(d, kAxis + r);
  d.append("\"/>\n");
  s.out.append(d);
  double tip = X + (turn * 4);
  append_polyline(s.out, {tip, kAxis + r, X - (turn * 2), kAxis + r - 3.5, X - (turn * 2), kAxis + r + 3.5},
                  "voll", true);
  label(s, X, Anchor::middle, true, value_text("M", M));
}

void point_action(Sketch& s, const Element& e, double X, double half) {
  switch (e.S1) {
    case Quantity::Q:
      force(s, X, half, e.load);
      return;
    case Quantity::M:
      moment(s, X, e.load);
      return;
    case Quantity::p:  // a kink
      append_polyline(s.out, {X - 6, kAxis + 9, X, kAxis - 9, X + 6, kAxis + 9}, "dick", false);
      break;
    case Quantity::w:  // a step in w
      append_polyline(s.out, {X - 7, kAxis - 9, X, kAxis - 9, X, kAxis + 9, X + 7, kAxis + 9}, "dick", false);
      break;
  }
  label(s, X, Anchor::middle, true, value_text(quantity_name(e.S1), e.load));
}

void condition(Sketch& s, const Element& e, double X, double half) {
  switch (e.S1) {
    case Quantity::w:  // a support
      pinned(s.out, X, kAxis + half);
      break;
    case Quantity::p:  // held against turning
      append_polyline(s.out, {X - 5, kAxis - 5, X + 5, kAxis - 5, X + 5, kAxis + 5, X - 5, kAxis + 5}, "leer",
                      true);
      break;
    case Quantity::M:  // a hinge
      append_circle(s.out, X, kAxis, 4, "leer");
      break;
    case Quantity::Q:  // a joint that passes no shear force
      append_line(s.out, X - 2, kAxis - 9, X - 2, kAxis + 9, "dick");
      append_line(s.out, X + 2, kAxis - 9, X + 2, kAxis + 9, "dick");
      break;
  }
  if (!prints_as_zero(e.W1)) label(s, X, Anchor::middle, false, value_text(quantity_name(e.S1), e.W1));
}

void right_end(Sketch& s, const Element& e, double X, double half) {
  bool w_fixed = e.S1 == Quantity::w || e.S2 == Quantity::w;
  bool p_fixed = e.S1 == Quantity::p || e.S2 == Quantity::p;
  end_support(s.out, X, half, w_fixed, p_fixed, 1);
  if (!prints_as_zero(e.W1)) label(s, X, Anchor::end, false, value_text(quantity_name(e.S1), e.W1));
  if (!prints_as_zero(e.W2)) label(s, X, Anchor::end, false, value_text(quantity_name(e.S2), e.W2));
}

// Where segment k starts and ends in the drawing; false for any other
// element, and where the beam's numbers put it nowhere.
bool segment_ends(const Sketch& s, std::size_t k, double& X1, double& X2) {
  const Element& e = s.record.elements[k];
  if (!is_segment(e)) return false;
  double x = s.summary.elements[k].x;
  X1 = to_drawing(s.scale, x);
  X2 = to_drawing(s.scale, x + e.length);
  return std::isfinite(X1) && std::isfinite(X2);
}

// The distributed loads as trapezoids in their band, scaled to the largest.
void loads(Sketch& s) {
  double lo = 0;
  double hi = 0;
  for (const Element& e : s.record.elements) {
    if (!is_segment(e) || !e.loaded) continue;
    for (double q : {e.q, e.q + (e.qs * e.length)}) {
      if (!std::isfinite(q)) continue;
      lo = std::min(lo, q);
      hi = std::max(hi, q);
    }
  }
  double factor = hi > lo ? kLoadHeight / (hi - lo) : 0;
  if (!std::isfinite(factor)) factor = 0;
  auto to_y = [&](double q) { return kLoadBottom - ((q * factor) - (lo * factor)); };
  double zero = to_y(0);
  for (std::size_t k = 0; k < s.record.elements.size(); ++k) {
    const Element& e = s.record.elements[k];
    double X1 = 0;
    double X2 = 0;
    if (!e.loaded || !segment_ends(s, k, X1, X2)) continue;
    double q_left = e.q;
    double q_right = e.q + (e.qs * e.length);
    if (!std::isfinite(q_left) || !std::isfinite(q_right)) continue;
    if (prints_as_zero(q_left) && prints_as_zero(q_right)) continue;
    append_polyline(s.out, {X1, zero, X1, to_y(q_left), X2, to_y(q_right), X2, zero}, "last", true);
    if (fixed_text(q_left) == fixed_text(q_right)) {
      label(s, (X1 + X2) / 2, Anchor::middle, true, value_text("q", q_left));
    } else {
      label(s, std::min(X1, X2), Anchor::start, true, value_text("q", X1 <= X2 ? q_left : q_right));
      label(s, std::max(X1, X2), Anchor::end, true, value_text("q", X1 <= X2 ? q_right : q_left));
    }
  }
}

// The segments to scale, the dimension line with a tick at every joint,
// and each segment's length under it where there is room.
void segments(Sketch& s) {
  const std::vector<Element>& elements = s.record.elements;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    double X1 = 0;
    double X2 = 0;
    if (!segment_ends(s, k, X1, X2)) continue;
    double half = half_height(s, e);
    append_polyline(s.out,
                    {std::min(X1, X2), kAxis - half, std::max(X1, X2), kAxis - half, std::max(X1, X2),
                     kAxis + half, std::min(X1, X2), kAxis + half},
                    "traeger", true);
  }
  append_line(s.out, kPlotLeft - 6, kAxis, kPlotLeft + kPlotWidth + 6, kAxis, "achse");
  append_line(s.out, kPlotLeft, kDimensionLine, kPlotLeft + kPlotWidth, kDimensionLine, "duenn");
  TakenBoxes lengths;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    double X1 = 0;
    double X2 = 0;
    if (!segment_ends(s, k, X1, X2)) continue;
    append_line(s.out, X1, kDimensionLine - 4, X1, kDimensionLine + 4, "duenn");
    append_line(s.out, X2, kDimensionLine - 4, X2, kDimensionLine + 4, "duenn");
    if (prints_as_zero(e.length)) continue;
    std::vector<std::string> lines = {fixed_text(e.length)};
    double width = text_width(lines);
    Box box = text_box(label_left((X1 + X2) / 2, width, Anchor::middle), kDimensionLine + 4, lines);
    if (place_box(lengths, box, kLineHeight, kDimensionLine + 4, kHeight))
      append_text(s.out, box, lines, "wert");
  }
}

}  // namespace

std::string beam_sketch_svg(const BeamRecord& record, const BeamSummary& summary, const XScale& scale) {
  Sketch s{record, summary, scale, 0, {}, {}};
  for (const Element& e : record.elements) {
    if (e.kind == ElementKind::shaft_segment && std::isfinite(e.diameter))
      s.largest_diameter = std::max(s.largest_diameter, std::fabs(e.diameter));
  }
  s.out = "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"skizze\" class=\"zeichnung\" viewBox=\"0 0 ";
  append_coordinate(s.out, kDrawingWidth);
  s.out.push_back(' ');
  append_coordinate(s.out, kHeight);
  s.out.append("\">\n");
  loads(s);
  segments(s);
  for (std::size_t k = 0; k < record.elements.size(); ++k) {
    const Element& e = record.elements[k];
    double X = to_drawing(scale, summary.elements[k].x);
    if (!std::isfinite(X)) continue;
    double half = half_height_at(s, k);
    switch (e.kind) {
      case ElementKind::left_end:
        // What is not unknown at the left end is held there (at zero).
        end_support(s.out, X, half, e.S1 != Quantity::w && e.S2 != Quantity::w,
                    e.S1 != Quantity::p && e.S2 != Quantity::p, -1);
        break;
      case ElementKind::beam_segment:
      case ElementKind::shaft_segment:
        break;  // drawn with the loads and the lengths, under everything else
      case ElementKind::point_action:
        point_action(s, e, X, half);
        break;
      case ElementKind::spring:
        spring(s.out, X, kAxis + half);
        label(s, X, Anchor::middle, false, value_text("c", e.c));
        break;
      case ElementKind::condition:
        condition(s, e, X, half);
        break;
      case ElementKind::right_end:
        right_end(s, e, X, half);
        break;
    }
  }
  s.out.append("</svg>\n");
  return s.out;
}

}  // namespace dlt
