#include "report/beam_sketch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "report/numbers.h"

namespace dlt {

const char* const kBeamFill = "#5f7d95";

namespace {

// From top to bottom: labels above the beam, the band of the distributed
// loads, the beam on its axis, the supports, the arrows of the support
// reactions, labels below, and the dimension line with the lengths and
// diameters under it.
constexpr double kLabelBand = 3 * kLineHeight;
constexpr double kLoadTop = kLabelBand;
constexpr double kLoadHeight = 30;
constexpr double kLoadBottom = kLoadTop + kLoadHeight;
constexpr double kAxis = kLoadBottom + 16;
constexpr double kSupportBottom = kAxis + 12 + 30;
constexpr double kReactionTop = kSupportBottom + 4;
constexpr double kReactionBottom = kReactionTop + 22;
constexpr double kLowerLabels = kReactionBottom + 2;
constexpr double kDimensionLine = kLowerLabels + kLabelBand + 6;
constexpr double kHeight = kDimensionLine + 4 + (3 * kLineHeight) + 2;

// Half the height of a beam segment, and of the thickest shaft segment; the
// others in proportion to their diameter, but not thinner than a line.
constexpr double kBeamHalf = 4;
constexpr double kShaftHalfMost = 12;
constexpr double kShaftHalfLeast = 1;

// Points of the beam and ticks closer than this are drawn as one; segments
// and loads within one drawing unit are one shape. Up to kStackMost points
// at one place (a hinge on a support, a force and a moment together) are
// still drawn each, as their symbols are made to be seen together.
constexpr double kApart = 4;
constexpr double kMergeWidth = 1;
constexpr double kSamePlace = 0.01;
constexpr std::size_t kStackMost = 4;

// The small arrows in a distributed load: one every kArrowSpacing units
// along a load, none closer than kArrowApart to another.
constexpr double kArrowSpacing = 36;
constexpr double kArrowApart = 8;
constexpr double kArrowsMost = 32;

// The stretch of the drawing that things of one sort take so far.
struct Stretch {
  bool empty = true;
  double left = 0;
  double right = 0;
};

// Whether X stands at least `apart` outside the span.
bool clear_of(const Stretch& span, double X, double apart) {
  return span.empty || X <= span.left - apart || X >= span.right + apart;
}

void extend(Stretch& span, double left, double right) {
  span.left = span.empty ? left : std::min(span.left, left);
  span.right = span.empty ? right : std::max(span.right, right);
  span.empty = false;
}

struct Sketch {
  const BeamRecord& record;
  const BeamSummary& summary;
  const Statics& statics;
  const UnitNames& units;
  XScale scale;
  double largest_diameter = 0;
  // Half the beam's height at each element, by the segments beside it.
  std::vector<double> half_at;
  // The distributed loads' scale: y of a load q is kLoadBottom - (q - lo) * factor.
  double load_lo = 0;
  double load_factor = 0;
  std::string out;
  TakenBoxes taken;
  Stretch arrows_drawn;  // the small arrows in the loads
};

// "F= 40.000000 kN": a value named with its unit, where there are units.
std::string named(const Sketch& s, std::string_view name, double value, Dimension dimension) {
  return value_text(name, value, unit_of(s.units, dimension));
}

double half_height(const Sketch& s, const Element& segment) {
  if (segment.kind != ElementKind::shaft_segment || !(s.largest_diameter > 0)) return kBeamHalf;
  double share = std::fabs(segment.diameter) / s.largest_diameter;
  if (!std::isfinite(share)) return kBeamHalf;
  return std::max(kShaftHalfLeast, kShaftHalfMost * share);
}

// Half the beam's height at each element: that of the segments beside it,
// from one walk forward and one back.
std::vector<double> half_heights(const Sketch& s) {
  const std::vector<Element>& e = s.record.elements;
  std::vector<double> half(e.size(), 0);
  double before = 0;
  for (std::size_t k = 0; k < e.size(); ++k) {
    half[k] = before;
    if (is_segment(e[k])) before = half_height(s, e[k]);
  }
  double after = 0;
  for (std::size_t k = e.size(); k-- > 0;) {
    double h = std::max(half[k], after);
    half[k] = h > 0 ? h : kBeamHalf;
    if (is_segment(e[k])) after = half_height(s, e[k]);
  }
  return half;
}

// A label above the beam (from the loads upward) or below it (from the
// reactions downward); left out where it would overlap another.
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

// An upright arrow from tail to tip, its head `head` long and twice
// half_width wide.
void arrow(std::string& out, double X, double tail, double tip, double head, double half_width,
           std::string_view line_class) {
  double base = tip < tail ? tip + head : tip - head;
  if (base != tail) append_line(out, X, tail, X, base, line_class);
  append_polyline(out, {X, tip, X - half_width, base, X + half_width, base}, "voll", true);
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

// A force as an arrow onto the beam: from above where it is positive, from
// below where it is negative.
void force(Sketch& s, double X, double half, double F) {
  bool down = !(F < 0);
  double tip = down ? kAxis - half : kAxis + half;
  double tail = down ? kLoadTop + 2 : kSupportBottom - 2;
  arrow(s.out, X, tail, tip, 8, 3.5, "dick");
  label(s, X, Anchor::middle, down, named(s, "F", F, Dimension::force));
}

// A support's force under it: up where it is positive (against the load
// direction), down where it is negative.
void reaction_arrow(Sketch& s, double X, double force) {
  bool up = !(force < 0);
  arrow(s.out, X, up ? kReactionBottom : kReactionTop, up ? kReactionTop : kReactionBottom, 7, 3, "linie");
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
  label(s, X, Anchor::middle, true, named(s, "M", M, Dimension::moment));
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
  label(s, X, Anchor::middle, true, named(s, quantity_name(e.S1), e.load, dimension_of(e.S1)));
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
  if (!prints_as_zero(e.W1))
    label(s, X, Anchor::middle, false, named(s, quantity_name(e.S1), e.W1, dimension_of(e.S1)));
}

// A value prescribed at the right end: Q is a force on the end and drawn as
// one, any other is named under the end.
void end_value(Sketch& s, Quantity S, double W, double X, double half) {
  if (prints_as_zero(W)) return;
  if (S == Quantity::Q) {
    force(s, X, half, W);
  } else {
    label(s, X, Anchor::end, false, named(s, quantity_name(S), W, dimension_of(S)));
  }
}

void right_end(Sketch& s, const Element& e, double X, double half) {
  bool w_fixed = e.S1 == Quantity::w || e.S2 == Quantity::w;
  bool p_fixed = e.S1 == Quantity::p || e.S2 == Quantity::p;
  end_support(s.out, X, half, w_fixed, p_fixed, 1);
  end_value(s, e.S1, e.W1, X, half);
  end_value(s, e.S2, e.W2, X, half);
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

// Whether a shape from left to right joins a group of them from
// group_left to group_right although it differs: where together they stay
// within a drawing unit, or it lies within the group (come back over it).
bool joins_at_a_loss(double group_left, double group_right, double left, double right) {
  return std::max(right, group_right) - std::min(left, group_left) <= kMergeWidth ||
         (left >= group_left && right <= group_right);
}

double load_y(const Sketch& s, double q) {
  return kLoadBottom - ((q * s.load_factor) - (s.load_lo * s.load_factor));
}

// A small arrow from the edge of the load at q to its zero line: down for a
// positive q, up for a negative one. False where the load is too thin for
// it there.
bool load_arrow(Sketch& s, double X, double q) {
  double zero = load_y(s, 0);
  double edge = load_y(s, q);
  double length = std::fabs(edge - zero);
  if (!(length >= 1.5)) return false;
  arrow(s.out, X, edge, zero, std::min(4.0, length), 2.5, "duenn");
  return true;
}

// Arrows evenly along a stretch of load that keeps its sign, from qa at Xa
// to qb at Xb (Xa <= Xb), where they keep clear of the arrows drawn before.
void arrows_along(Sketch& s, double Xa, double qa, double Xb, double qb) {
  double width = Xb - Xa;
  double count = std::floor(width / kArrowSpacing);
  if (!(count >= 1)) count = 1;
  if (count > kArrowsMost) count = kArrowsMost;
  for (double i = 0; i < count; i = i + 1) {
    double t = (i + 0.5) / count;
    double X = Xa + (width * t);
    if (!clear_of(s.arrows_drawn, X, kArrowApart)) continue;
    if (load_arrow(s, X, qa + ((qb - qa) * t))) extend(s.arrows_drawn, X, X);
  }
}

// The arrows of a trapezoid, on either side of its zero where q changes
// sign along it.
void load_arrows(Sketch& s, double Xa, double qa, double Xb, double qb) {
  if (Xb < Xa) {
    std::swap(Xa, Xb);
    std::swap(qa, qb);
  }
  if ((qa > 0 && qb < 0) || (qa < 0 && qb > 0)) {
    double Xc = Xa + ((Xb - Xa) * (qa / (qa - qb)));
    arrows_along(s, Xa, qa, Xc, 0);
    arrows_along(s, Xc, 0, Xb, qb);
  } else {
    arrows_along(s, Xa, qa, Xb, qb);
  }
}

void trapezoid(Sketch& s, double X1, double q1, double X2, double q2) {
  double zero = load_y(s, 0);
  append_polyline(s.out, {X1, zero, X1, load_y(s, q1), X2, load_y(s, q2), X2, zero}, "last", true);
  load_arrows(s, X1, q1, X2, q2);
  if (fixed_text(q1) == fixed_text(q2)) {
    label(s, (X1 + X2) / 2, Anchor::middle, true, named(s, "q", q1, Dimension::force_per_length));
  } else {
    label(s, std::min(X1, X2), Anchor::start, true,
          named(s, "q", X1 <= X2 ? q1 : q2, Dimension::force_per_length));
    label(s, std::max(X1, X2), Anchor::end, true,
          named(s, "q", X1 <= X2 ? q2 : q1, Dimension::force_per_length));
  }
}

// Loaded segments drawn as one: a single one, a run under one constant
// load, or several within a drawing unit (or back over the stretch drawn).
struct LoadGroup {
  std::size_t count = 0;
  // The first segment's ends as drawn and its q there.
  double X1 = 0;
  double q1 = 0;
  double X2 = 0;
  double q2 = 0;
  // The stretch of them all, and their smallest and largest q at an end.
  double left = 0;
  double right = 0;
  double lo = 0;
  double hi = 0;
  bool constant = false;
};

// A group of more than one as the envelope of its loads, with its arrows
// in the middle; one under a constant load as that load.
void draw_loads(Sketch& s, const LoadGroup& g) {
  if (g.count == 1) {
    trapezoid(s, g.X1, g.q1, g.X2, g.q2);
    return;
  }
  if (g.constant) {
    trapezoid(s, g.left, g.q1, g.right, g.q1);
    return;
  }
  double top = load_y(s, std::max(g.hi, 0.0));
  double bottom = load_y(s, std::min(g.lo, 0.0));
  append_polyline(s.out, {g.left, bottom, g.left, top, g.right, top, g.right, bottom}, "last", true);
  double X = (g.left + g.right) / 2;
  if (!clear_of(s.arrows_drawn, X, kArrowApart)) return;
  bool drawn = g.hi > 0 && load_arrow(s, X, g.hi);
  if (g.lo < 0 && load_arrow(s, X, g.lo)) drawn = true;
  if (drawn) extend(s.arrows_drawn, X, X);
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
  s.load_lo = lo;
  s.load_factor = factor;
  LoadGroup group;
  bool touching = false;  // the last segment belongs to the group
  for (std::size_t k = 0; k < s.record.elements.size(); ++k) {
    const Element& e = s.record.elements[k];
    double X1 = 0;
    double X2 = 0;
    if (!is_segment(e)) continue;
    bool drawn = e.loaded && segment_ends(s, k, X1, X2);
    double q_left = e.q;
    double q_right = e.q + (e.qs * e.length);
    drawn = drawn && std::isfinite(q_left) && std::isfinite(q_right) &&
            !(prints_as_zero(q_left) && prints_as_zero(q_right));
    if (!drawn) {
      touching = false;
      continue;
    }
    double left = std::min(X1, X2);
    double right = std::max(X1, X2);
    bool constant = q_left == q_right;
    bool joins = group.count > 0 && ((touching && group.constant && constant && q_left == group.q1) ||
                                     joins_at_a_loss(group.left, group.right, left, right));
    if (joins) {
      group.count = group.count + 1;
      group.left = std::min(group.left, left);
      group.right = std::max(group.right, right);
      group.lo = std::min({group.lo, q_left, q_right});
      group.hi = std::max({group.hi, q_left, q_right});
      group.constant = group.constant && constant && q_left == group.q1;
    } else {
      if (group.count > 0) draw_loads(s, group);
      group = {.count = 1,
               .X1 = X1,
               .q1 = q_left,
               .X2 = X2,
               .q2 = q_right,
               .left = left,
               .right = right,
               .lo = std::min(q_left, q_right),
               .hi = std::max(q_left, q_right),
               .constant = constant};
    }
    touching = true;
  }
  if (group.count > 0) draw_loads(s, group);
}

// Segments drawn as one: a run of the same height, or several within a
// drawing unit (or back over the stretch drawn) at the largest height
// among them.
struct BeamGroup {
  std::size_t count = 0;
  double left = 0;
  double right = 0;
  double half = 0;
  bool uniform = true;
};

void beam_polygon(Sketch& s, const BeamGroup& g) {
  append_polyline(
      s.out,
      {g.left, kAxis - g.half, g.right, kAxis - g.half, g.right, kAxis + g.half, g.left, kAxis + g.half},
      "traeger", true);
}

// A label under the dimension line, left out where it would overlap another.
void dimension_label(Sketch& s, TakenBoxes& taken, double X, const std::string& text) {
  std::vector<std::string> lines = {text};
  double width = text_width(lines);
  Box box = text_box(label_left(X, width, Anchor::middle), kDimensionLine + 4, lines);
  if (place_box(taken, box, kLineHeight, kDimensionLine + 4, kHeight)) append_text(s.out, box, lines, "wert");
}

// The segments to scale, the dimension line with ticks at the joints a few
// units apart at least, and under it each segment's length and a shaft
// segment's diameter where the segment is wide enough and there is room.
void segments(Sketch& s) {
  const std::vector<Element>& elements = s.record.elements;
  BeamGroup group;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    double X1 = 0;
    double X2 = 0;
    if (!segment_ends(s, k, X1, X2)) continue;
    double left = std::min(X1, X2);
    double right = std::max(X1, X2);
    double half = half_height(s, elements[k]);
    bool joins = group.count > 0 && ((group.uniform && half == group.half) ||
                                     joins_at_a_loss(group.left, group.right, left, right));
    if (joins) {
      group.count = group.count + 1;
      group.left = std::min(group.left, left);
      group.right = std::max(group.right, right);
      group.uniform = group.uniform && half == group.half;
      group.half = std::max(group.half, half);
    } else {
      if (group.count > 0) beam_polygon(s, group);
      group = {.count = 1, .left = left, .right = right, .half = half, .uniform = true};
    }
  }
  if (group.count > 0) beam_polygon(s, group);
  append_line(s.out, kPlotLeft - 6, kAxis, kPlotLeft + kPlotWidth + 6, kAxis, "achse");
  append_line(s.out, kPlotLeft, kDimensionLine, kPlotLeft + kPlotWidth, kDimensionLine, "duenn");
  TakenBoxes dimensions;
  Stretch ticks;
  double last_end = 0;
  bool last_ticked = true;
  auto tick = [&](double X) {
    last_ticked = clear_of(ticks, X, kApart);
    if (!last_ticked) return;
    append_line(s.out, X, kDimensionLine - 4, X, kDimensionLine + 4, "duenn");
    extend(ticks, X, X);
  };
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    double X1 = 0;
    double X2 = 0;
    if (!segment_ends(s, k, X1, X2)) continue;
    tick(X1);
    tick(X2);
    last_end = X2;
    if (!(std::fabs(X2 - X1) >= kApart)) continue;
    if (!prints_as_zero(e.length))
      dimension_label(s, dimensions, (X1 + X2) / 2, with_unit(e.length, unit_of(s.units, Dimension::length)));
    if (e.kind == ElementKind::shaft_segment)
      dimension_label(s, dimensions, (X1 + X2) / 2, named(s, "d", e.diameter, Dimension::length));
  }
  // The end of the beam is marked even where a tick stands close to it.
  if (!last_ticked) append_line(s.out, last_end, kDimensionLine - 4, last_end, kDimensionLine + 4, "duenn");
}

// What a group of points is called where all of its points are alike.
std::string_view group_noun(const Element& e) {
  switch (e.kind) {
    case ElementKind::left_end:
    case ElementKind::right_end:
      return is_support(e) ? "Lager" : "Elemente";
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
      return "Elemente";
    case ElementKind::point_action:
      return "Einzellasten";
    case ElementKind::spring:
      return "Federn";
    case ElementKind::condition:
      switch (e.S1) {
        case Quantity::w:
          return "Lager";
        case Quantity::M:
          return "Gelenke";
        case Quantity::p:
        case Quantity::Q:
          return "Bedingungen";
      }
      break;
  }
  return "Elemente";
}

// A free end without a value prescribed at it: nothing to draw or count.
bool is_bare_end(const Element& e) {
  bool names_w = e.S1 == Quantity::w || e.S2 == Quantity::w;
  bool names_p = e.S1 == Quantity::p || e.S2 == Quantity::p;
  switch (e.kind) {
    case ElementKind::left_end:  // w and p unknown
      return names_w && names_p;
    case ElementKind::right_end:  // M and Q prescribed, at zero
      return !names_w && !names_p && prints_as_zero(e.W1) && prints_as_zero(e.W2);
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
    case ElementKind::point_action:
    case ElementKind::spring:
    case ElementKind::condition:
      break;
  }
  return false;
}

// Neighbouring points of the beam in one of two rows: the point actions
// above the beam, and the ends, supports, springs and conditions on and
// under it. From first to last, each stands closer than kApart to the ones
// before it.
struct Crowd {
  bool actions = false;  // the row above the beam
  std::size_t first = 0;
  std::size_t last = 0;
  std::size_t first_reaction = 0;  // the first reaction of first or later
  std::size_t count = 0;
  double left = 0;
  double right = 0;
  double half = 0;  // the beam's largest half height among them
  std::string_view noun;
  std::size_t forces = 0;  // support forces among them, and their sum
  double force_sum = 0;
};

bool is_action(const Element& e) { return e.kind == ElementKind::point_action; }

// Whether element k is a point of the beam drawn in the sketch.
bool is_point(const Sketch& s, std::size_t k) {
  const Element& e = s.record.elements[k];
  return !is_segment(e) && !is_bare_end(e) && std::isfinite(to_drawing(s.scale, s.summary.elements[k].x));
}

// Element k alone: its support's force (first, so that its value comes
// right under the arrow), then its symbol and values.
void draw_point(Sketch& s, std::size_t k, std::size_t& reaction) {
  const Element& e = s.record.elements[k];
  const std::vector<Reaction>& reactions = s.statics.reactions;
  double X = to_drawing(s.scale, s.summary.elements[k].x);
  double half = s.half_at[k];
  while (reaction < reactions.size() && reactions[reaction].element < k) ++reaction;
  for (; reaction < reactions.size() && reactions[reaction].element == k; ++reaction) {
    const Reaction& r = reactions[reaction];
    if (r.kind != ReactionKind::force) continue;  // clamping moments: the table has them
    reaction_arrow(s, X, r.value);
    label(s, X, Anchor::middle, false, with_unit(r.value, unit_of(s.units, Dimension::force)));
  }
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
      label(s, X, Anchor::middle, false, named(s, "c", e.c, Dimension::force_per_length));
      break;
    case ElementKind::condition:
      condition(s, e, X, half);
      break;
    case ElementKind::right_end:
      right_end(s, e, X, half);
      break;
  }
}

// A few points at one place each with its symbol; any other crowd as a
// bracket over its stretch with the count of its points: above the beam
// for point actions, below it for the others with one arrow for the sum
// of their support forces.
void draw_crowd(Sketch& s, const Crowd& c) {
  if (c.count <= kStackMost && c.right - c.left < kSamePlace) {
    std::size_t reaction = c.first_reaction;
    for (std::size_t k = c.first; k <= c.last; ++k) {
      if (is_point(s, k) && is_action(s.record.elements[k]) == c.actions) draw_point(s, k, reaction);
    }
    return;
  }
  double middle = (c.left + c.right) / 2;
  double left = std::min(c.left, middle - 3);
  double right = std::max(c.right, middle + 3);
  std::string text = std::to_string(c.count);
  text.push_back(' ');
  text.append(c.noun);
  if (c.actions) {
    double y = kAxis - c.half - 3;
    append_polyline(s.out, {left, y, left, y - 8, right, y - 8, right, y}, "linie", false);
    label(s, middle, Anchor::middle, true, text);
    return;
  }
  double y = kAxis + c.half + 3;
  append_polyline(s.out, {left, y, left, y + 8, right, y + 8, right, y}, "linie", false);
  if (c.forces > 0) reaction_arrow(s, middle, c.force_sum);
  label(s, middle, Anchor::middle, false, text);
}

// The points of the beam in crowds, a row at a time. A point joins the
// crowd before it in its row where it stands closer than kApart to it, and
// also where it comes back to where that row was drawn already (a segment
// of negative length), so that no place is drawn over and over.
void points(Sketch& s) {
  const std::vector<Element>& elements = s.record.elements;
  const std::vector<Reaction>& reactions = s.statics.reactions;
  Crowd crowds[2];
  Stretch drawn[2];
  std::size_t reaction = 0;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    while (reaction < reactions.size() && reactions[reaction].element < k) ++reaction;
    if (!is_point(s, k)) continue;
    double X = to_drawing(s.scale, s.summary.elements[k].x);
    std::size_t row = is_action(e) ? 1 : 0;
    Crowd& crowd = crowds[row];
    Stretch here{crowd.count == 0, crowd.left, crowd.right};
    if (clear_of(here, X, kApart) && clear_of(drawn[row], X, kApart)) {
      if (crowd.count > 0) {
        draw_crowd(s, crowd);
        extend(drawn[row], crowd.left, crowd.right);
      }
      crowd = {.actions = is_action(e),
               .first = k,
               .first_reaction = reaction,
               .left = X,
               .right = X,
               .noun = group_noun(e)};
    }
    crowd.last = k;
    crowd.count = crowd.count + 1;
    crowd.left = std::min(crowd.left, X);
    crowd.right = std::max(crowd.right, X);
    crowd.half = std::max(crowd.half, s.half_at[k]);
    if (group_noun(e) != crowd.noun) crowd.noun = "Elemente";
    for (std::size_t r = reaction; r < reactions.size() && reactions[r].element == k; ++r) {
      if (reactions[r].kind != ReactionKind::force) continue;
      crowd.forces = crowd.forces + 1;
      crowd.force_sum = crowd.force_sum + reactions[r].value;
    }
  }
  for (const Crowd& crowd : crowds) {
    if (crowd.count > 0) draw_crowd(s, crowd);
  }
}

}  // namespace

std::string beam_sketch_svg(const BeamRecord& record, const BeamSummary& summary, const Statics& statics,
                            const XScale& scale, const UnitNames& units) {
  Sketch s{record, summary, statics, units, scale, 0, {}, 0, 0, {}, {}, {}};
  for (const Element& e : record.elements) {
    if (e.kind == ElementKind::shaft_segment && std::isfinite(e.diameter))
      s.largest_diameter = std::max(s.largest_diameter, std::fabs(e.diameter));
  }
  s.half_at = half_heights(s);
  s.out = "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"skizze\" class=\"zeichnung\" viewBox=\"0 0 ";
  append_coordinate(s.out, kDrawingWidth);
  s.out.push_back(' ');
  append_coordinate(s.out, kHeight);
  s.out.append("\">\n");
  loads(s);
  segments(s);
  points(s);
  s.out.append("</svg>\n");
  return s.out;
}

}  // namespace dlt
