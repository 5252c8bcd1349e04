#include "report/beam/sketch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/format/label_boxes.h"
#include "report/format/numbers.h"

namespace dlt {

const char* const kBeamFill = "#5f7d95";

namespace {

// From top to bottom: labels above the beam, the band of the distributed
// loads, the beam on its axis, the supports, the arrows of the support
// reactions, labels below, and the dimension line with the lengths and
// diameters under it. The sketch of load cases stacks a band of each
// case's loads over a beam without loads or reactions.
struct Layout {
  double label_top = 0;  // labels above go from here to load_top
  double load_top = 0;
  double load_bottom = 0;
  double axis = 0;
  double support_bottom = 0;  // where a force from below starts
  double reaction_top = 0;
  double reaction_bottom = 0;
  double lower_labels = 0;  // labels below go from here down to lower_bottom
  double lower_bottom = 0;
  double dimension_line = 0;
  double bottom = 0;
};

constexpr double kLabelBand = 3 * kLineHeight;

// The rows under the beam's axis, from the bottom of its supports; where
// there are no reactions their rows take no room, and one line of labels
// less: the reactions' values.
void lower_rows(Layout& l, double reactions) {
  l.support_bottom = l.axis + 12 + 30;
  l.reaction_top = l.support_bottom + (reactions > 0 ? 4 : 0);
  l.reaction_bottom = l.reaction_top + reactions;
  l.lower_labels = l.reaction_bottom + 2;
  l.lower_bottom = l.lower_labels + (reactions > 0 ? kLabelBand : kLabelBand - kLineHeight);
  l.dimension_line = l.lower_bottom + 6;
  l.bottom = l.dimension_line + 4 + (3 * kLineHeight) + 2;
}

// A beam with its loads and reactions.
Layout whole_layout() {
  Layout l;
  l.load_top = kLabelBand;
  l.load_bottom = l.load_top + 30;
  l.axis = l.load_bottom + 16;
  lower_rows(l, 22);
  return l;
}

// A beam alone, from top down: nothing above its symbols.
Layout beam_layout(double top) {
  Layout l{top, top, top, top + 18};
  lower_rows(l, 0);
  return l;
}

// A band of loads from top down: two lines of labels, the loads, and under
// its axis room for a moment's symbol or a force from below. Nothing is
// drawn under that.
Layout band_layout(double top) {
  Layout l;
  l.label_top = top;
  l.load_top = top + (2 * kLineHeight);
  l.load_bottom = l.load_top + 20;
  l.axis = l.load_bottom + 8;
  l.support_bottom = l.axis + 14;
  l.reaction_top = l.support_bottom;
  l.reaction_bottom = l.support_bottom;
  l.lower_labels = l.support_bottom;
  l.lower_bottom = l.support_bottom;
  l.dimension_line = l.support_bottom;
  l.bottom = l.support_bottom;
  return l;
}

// What a sketch draws: a whole beam, a beam without its loads, or the
// loads alone in a band.
enum class Content { whole, beam, loads };

// What each shows: the beam itself (its segments, ends, supports, hinges
// and springs), and the loads on it.
struct Shown {
  bool beam = true;
  bool loads = true;
};

Shown shown_in(Content content) {
  switch (content) {
    case Content::whole:
      return {true, true};
    case Content::beam:
      return {true, false};
    case Content::loads:
      return {false, true};
  }
  return {};
}

bool draws_beam(Content content) { return shown_in(content).beam; }
bool draws_loads(Content content) { return shown_in(content).loads; }

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
// In a band of loads, points closer than a moment's symbol is wide are one
// crowd: the band is low, and its labels have two lines only.
constexpr double kBandApart = 16;
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
  std::vector<double> x;  // where each element stands
  const Statics& statics;
  const UnitNames& units;
  XScale scale;
  Content content = Content::whole;
  Layout layout;
  double largest_diameter = 0;
  // Half the beam's height at each element, by the segments beside it.
  std::vector<double> half_at;
  // The distributed loads' scale: y of a load q is load_bottom - (q - lo) * factor.
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
// reactions downward); left out where it would overlap another. A band of
// loads has room for labels above only.
void label(Sketch& s, double X, Anchor anchor, bool above, const std::string& text) {
  std::vector<std::string> lines = {text};
  double width = text_width(lines);
  if (width > kDrawingWidth - 4) return;
  if (!draws_beam(s.content)) above = true;
  Box box = text_box(label_left(X, width, anchor), 0, lines);
  double height = box.bottom;
  const Layout& l = s.layout;
  box.top = above ? l.load_top - height : l.lower_labels;
  box.bottom = box.top + height;
  bool placed = above ? place_box(s.taken, box, -kLineHeight, l.label_top, l.load_top)
                      : place_box(s.taken, box, kLineHeight, l.lower_labels, l.lower_bottom);
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
void wall(std::string& out, double X, double axis, double outward) {
  append_line(out, X, axis - 16, X, axis + 16, "dick");
  for (double y = axis - 16; y < axis + 16; y = y + 5)
    append_line(out, X, y + 5, X + (outward * 5), y, "duenn");
}

// An end by what is held there: w and p (clamped), w (pinned), p (guided:
// a wall the beam slides along on rollers) or nothing (free).
void end_support(std::string& out, double X, double axis, double half, bool w_fixed, bool p_fixed,
                 double outward) {
  if (w_fixed && p_fixed) {
    wall(out, X, axis, outward);
  } else if (w_fixed) {
    pinned(out, X, axis + half);
  } else if (p_fixed) {
    append_line(out, X, axis - 12, X, axis + 12, "dick");
    append_circle(out, X + (outward * 3.5), axis - 6, 2.5, "leer");
    append_circle(out, X + (outward * 3.5), axis + 6, 2.5, "leer");
    wall(out, X + (outward * 7), axis, outward);
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
  double tip = down ? s.layout.axis - half : s.layout.axis + half;
  double tail = down ? s.layout.load_top + 2 : s.layout.support_bottom - 2;
  arrow(s.out, X, tail, tip, 8, 3.5, "dick");
  label(s, X, Anchor::middle, down, named(s, "F", F, Dimension::force));
}

// A support's force under it: up where it is positive (against the load
// direction), down where it is negative.
void reaction_arrow(Sketch& s, double X, double force) {
  bool up = !(force < 0);
  arrow(s.out, X, up ? s.layout.reaction_bottom : s.layout.reaction_top,
        up ? s.layout.reaction_top : s.layout.reaction_bottom, 7, 3, "linie");
}

// A moment as a three-quarter circle round the point; a positive moment
// turns counter-clockwise, as it lowers M to the right of it.
void moment(Sketch& s, double X, double M) {
  double axis = s.layout.axis;
  constexpr double r = 10;
  double turn = M < 0 ? -1 : 1;
  std::string d = "<path class=\"linie\" d=\"M";
  append_coordinate(d, X + (turn * r));
  d.push_back(' ');
  append_coordinate(d, axis);
  d.append(M < 0 ? " A10 10 0 1 1 " : " A10 10 0 1 0 ");
  append_coordinate(d, X);
  d.push_back(' ');
  append_coordinate(d, axis + r);
  d.append("\"/>\n");
  s.out.append(d);
  double tip = X + (turn * 4);
  append_polyline(s.out, {tip, axis + r, X - (turn * 2), axis + r - 3.5, X - (turn * 2), axis + r + 3.5},
                  "voll", true);
  label(s, X, Anchor::middle, true, named(s, "M", M, Dimension::moment));
}

void point_action(Sketch& s, const Element& e, double X, double half) {
  double axis = s.layout.axis;
  switch (e.S1) {
    case Quantity::Q:
      force(s, X, half, e.load);
      return;
    case Quantity::M:
      moment(s, X, e.load);
      return;
    case Quantity::p:  // a kink
      append_polyline(s.out, {X - 6, axis + 9, X, axis - 9, X + 6, axis + 9}, "dick", false);
      break;
    case Quantity::w:  // a step in w
      append_polyline(s.out, {X - 7, axis - 9, X, axis - 9, X, axis + 9, X + 7, axis + 9}, "dick", false);
      break;
  }
  label(s, X, Anchor::middle, true, named(s, quantity_name(e.S1), e.load, dimension_of(e.S1)));
}

void condition_symbol(Sketch& s, const Element& e, double X, double half) {
  double axis = s.layout.axis;
  switch (e.S1) {
    case Quantity::w:  // a support
      pinned(s.out, X, axis + half);
      break;
    case Quantity::p:  // held against turning
      append_polyline(s.out, {X - 5, axis - 5, X + 5, axis - 5, X + 5, axis + 5, X - 5, axis + 5}, "leer",
                      true);
      break;
    case Quantity::M:  // a hinge
      append_circle(s.out, X, axis, 4, "leer");
      break;
    case Quantity::Q:  // a joint that passes no shear force
      append_line(s.out, X - 2, axis - 9, X - 2, axis + 9, "dick");
      append_line(s.out, X + 2, axis - 9, X + 2, axis + 9, "dick");
      break;
  }
}

// A condition's symbol, and the value it holds other than zero: a
// settlement belongs to a load case.
void condition(Sketch& s, const Element& e, double X, double half) {
  if (draws_beam(s.content)) condition_symbol(s, e, X, half);
  if (draws_loads(s.content) && !prints_as_zero(e.W1))
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
  if (draws_beam(s.content)) end_support(s.out, X, s.layout.axis, half, w_fixed, p_fixed, 1);
  if (!draws_loads(s.content)) return;
  end_value(s, e.S1, e.W1, X, half);
  end_value(s, e.S2, e.W2, X, half);
}

// Where segment k starts and ends in the drawing; false for any other
// element, and where the beam's numbers put it nowhere.
bool segment_ends(const Sketch& s, std::size_t k, double& X1, double& X2) {
  const Element& e = s.record.elements[k];
  if (!is_segment(e)) return false;
  double x = s.x[k];
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
  return s.layout.load_bottom - ((q * s.load_factor) - (s.load_lo * s.load_factor));
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

// Widens lo and hi to the finite q at the ends of the record's loads.
void widen_load_range(const BeamRecord& record, double& lo, double& hi) {
  for (const Element& e : record.elements) {
    if (!is_segment(e) || !e.loaded) continue;
    for (double q : {e.q, e.q + (e.qs * e.length)}) {
      if (!std::isfinite(q)) continue;
      lo = std::min(lo, q);
      hi = std::max(hi, q);
    }
  }
}

// The loads from lo to hi fill the band of the distributed loads.
void scale_loads(Sketch& s, double lo, double hi) {
  double factor = hi > lo ? (s.layout.load_bottom - s.layout.load_top) / (hi - lo) : 0;
  if (!std::isfinite(factor)) factor = 0;
  s.load_lo = lo;
  s.load_factor = factor;
}

// The distributed loads as trapezoids in their band, on the scale set.
void loads(Sketch& s) {
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
  double axis = s.layout.axis;
  append_polyline(
      s.out, {g.left, axis - g.half, g.right, axis - g.half, g.right, axis + g.half, g.left, axis + g.half},
      "traeger", true);
}

// A label under the dimension line, left out where it would overlap another.
void dimension_label(Sketch& s, TakenBoxes& taken, double X, const std::string& text) {
  std::vector<std::string> lines = {text};
  double width = text_width(lines);
  Box box = text_box(label_left(X, width, Anchor::middle), s.layout.dimension_line + 4, lines);
  if (place_box(taken, box, kLineHeight, s.layout.dimension_line + 4, s.layout.bottom))
    append_text(s.out, box, lines, "wert");
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
  append_line(s.out, kPlotLeft - 6, s.layout.axis, kPlotLeft + kPlotWidth + 6, s.layout.axis, "achse");
  append_line(s.out, kPlotLeft, s.layout.dimension_line, kPlotLeft + kPlotWidth, s.layout.dimension_line,
              "duenn");
  TakenBoxes dimensions;
  Stretch ticks;
  double last_end = 0;
  bool last_ticked = true;
  auto tick = [&](double X) {
    last_ticked = clear_of(ticks, X, kApart);
    if (!last_ticked) return;
    append_line(s.out, X, s.layout.dimension_line - 4, X, s.layout.dimension_line + 4, "duenn");
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
  if (!last_ticked)
    append_line(s.out, last_end, s.layout.dimension_line - 4, last_end, s.layout.dimension_line + 4, "duenn");
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
// under it. From first to last, each stands closer than apart to the ones
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

// Whether the sketch shows a point element: where it draws the beam, all
// but the point actions, which it shows where it draws the loads; where it
// draws the loads alone, besides them the supports and the right end that
// hold a value other than zero.
bool shows(const Sketch& s, const Element& e) {
  bool holds_value = false;
  switch (e.kind) {
    case ElementKind::point_action:
      return draws_loads(s.content);
    case ElementKind::left_end:
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
    case ElementKind::spring:
      break;
    case ElementKind::condition:
      holds_value = !prints_as_zero(e.W1);
      break;
    case ElementKind::right_end:
      holds_value = !prints_as_zero(e.W1) || !prints_as_zero(e.W2);
      break;
  }
  return draws_beam(s.content) || holds_value;
}

// Whether element k is a point of the beam drawn in the sketch.
bool is_point(const Sketch& s, std::size_t k) {
  const Element& e = s.record.elements[k];
  return !is_segment(e) && !is_bare_end(e) && shows(s, e) && std::isfinite(to_drawing(s.scale, s.x[k]));
}

// Element k alone: its support's force (first, so that its value comes
// right under the arrow), then its symbol and values.
void draw_point(Sketch& s, std::size_t k, std::size_t& reaction) {
  const Element& e = s.record.elements[k];
  const std::vector<Reaction>& reactions = s.statics.reactions;
  double X = to_drawing(s.scale, s.x[k]);
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
      end_support(s.out, X, s.layout.axis, half, e.S1 != Quantity::w && e.S2 != Quantity::w,
                  e.S1 != Quantity::p && e.S2 != Quantity::p, -1);
      break;
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
      break;  // drawn with the loads and the lengths, under everything else
    case ElementKind::point_action:
      point_action(s, e, X, half);
      break;
    case ElementKind::spring:
      spring(s.out, X, s.layout.axis + half);
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
    double y = s.layout.axis - c.half - 3;
    append_polyline(s.out, {left, y, left, y - 8, right, y - 8, right, y}, "linie", false);
    label(s, middle, Anchor::middle, true, text);
    return;
  }
  double y = s.layout.axis + c.half + 3;
  append_polyline(s.out, {left, y, left, y + 8, right, y + 8, right, y}, "linie", false);
  if (c.forces > 0) reaction_arrow(s, middle, c.force_sum);
  label(s, middle, Anchor::middle, false, text);
}

// How close points of the beam are drawn as one.
double apart(const Sketch& s) { return draws_beam(s.content) ? kApart : kBandApart; }

// The points of the beam in crowds, a row at a time. A point joins the
// crowd before it in its row where it stands closer than apart to it, and
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
    double X = to_drawing(s.scale, s.x[k]);
    std::size_t row = is_action(e) ? 1 : 0;
    Crowd& crowd = crowds[row];
    Stretch here{crowd.count == 0, crowd.left, crowd.right};
    if (clear_of(here, X, apart(s)) && clear_of(drawn[row], X, apart(s))) {
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

// Where each element stands, from the summary of its beam.
std::vector<double> positions_of(const BeamSummary& summary) {
  std::vector<double> x;
  x.reserve(summary.elements.size());
  for (const ElementValues& at : summary.elements) x.push_back(at.x);
  return x;
}

// Where each element stands: the lengths of the segments before it added
// up, in the order the walk of the beam adds them.
std::vector<double> positions_of(const BeamRecord& record) {
  std::vector<double> x;
  x.reserve(record.elements.size());
  double at = 0;
  for (const Element& e : record.elements) {
    x.push_back(at);
    if (is_segment(e)) at = at + e.length;
  }
  return x;
}

Sketch new_sketch(const BeamRecord& record, std::vector<double> x, const Statics& statics,
                  const UnitNames& units, const XScale& scale, Content content, const Layout& layout) {
  return {record, std::move(x), statics, units, scale, content, layout, 0, {}, 0, 0, {}, {}, {}};
}

std::string svg_start(double height) {
  std::string out =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"skizze\" class=\"zeichnung\" viewBox=\"0 0 ";
  append_coordinate(out, kDrawingWidth);
  out.push_back(' ');
  append_coordinate(out, height);
  out.append("\">\n");
  return out;
}

void measure_beam(Sketch& s) {
  for (const Element& e : s.record.elements) {
    if (e.kind == ElementKind::shaft_segment && std::isfinite(e.diameter))
      s.largest_diameter = std::max(s.largest_diameter, std::fabs(e.diameter));
  }
  s.half_at = half_heights(s);
}

// Whether a band of loads has anything to show.
bool has_loads(const Sketch& s) {
  for (std::size_t k = 0; k < s.record.elements.size(); ++k) {
    const Element& e = s.record.elements[k];
    if (is_segment(e) ? e.loaded && !(prints_as_zero(e.q) && prints_as_zero(e.q + (e.qs * e.length)))
                      : is_point(s, k))
      return true;
  }
  return false;
}

// The colours of the load cases: the permanent load's grey, then those of
// the variable loads in turn. Each is a class of its own, which a group of
// shapes takes on: the page's classes draw in grey, these in its colour.
constexpr const char* kCaseColours[] = {"#4d4d4d", "#1f5fa8", "#c0282d", "#2a8a2a",
                                        "#7b3fa8", "#c86400", "#0f8c8c", "#8c5a3c"};
constexpr std::size_t kCaseColourCount = std::size(kCaseColours);

// The rules of one colour's class: @ stands for the class, % for the colour.
constexpr std::string_view kColourRules =
    "@ .last { fill: %; fill-opacity: 0.2; stroke: %; }\n"
    "@ .voll { fill: %; }\n"
    "@ .linie, @ .dick, @ .duenn { stroke: %; }\n"
    "@ text { fill: %; }\n";

std::string case_colour_style() {
  std::string css = "<style>\n.lastfall { font-weight: bold; }\n";
  for (std::size_t i = 0; i < kCaseColourCount; ++i) {
    for (char c : kColourRules) {
      if (c == '@') {
        css.append(".farbe" + std::to_string(i));
      } else if (c == '%') {
        css.append(kCaseColours[i]);
      } else {
        css.push_back(c);
      }
    }
  }
  css.append("</style>\n");
  return css;
}

// The loads of case `number` (from 1) in a band from top down, loads from
// lo to hi filling its height, named at its left, on an axis of their own.
void load_band(std::string& out, const BeamRecord& record, std::size_t number, double top, double lo,
               double hi, const XScale& scale, const UnitNames& units) {
  Statics none;
  Sketch s = new_sketch(record, positions_of(record), none, units, scale, Content::loads, band_layout(top));
  // The loads act on the axis itself.
  s.half_at.assign(record.elements.size(), 0.0);
  scale_loads(s, lo, hi);
  std::size_t colour = number == 1 ? 0 : 1 + ((number - 2) % (kCaseColourCount - 1));
  s.out = "<g class=\"farbe" + std::to_string(colour) + "\">\n";
  std::vector<std::string> name = {"LF " + std::to_string(number)};
  if (!has_loads(s)) name[0].append(": keine Last");
  Box box = text_box(2, s.layout.load_top - kLineHeight, name);
  take(s.taken, box);
  append_text(s.out, box, name, "lastfall");
  append_line(s.out, kPlotLeft, s.layout.axis, kPlotLeft + kPlotWidth, s.layout.axis, "duenn");
  loads(s);
  points(s);
  s.out.append("</g>\n");
  out.append(s.out);
}

}  // namespace

std::string beam_sketch_svg(const BeamRecord& record, const BeamSummary& summary, const Statics& statics,
                            const XScale& scale, const UnitNames& units) {
  Sketch s = new_sketch(record, positions_of(summary), statics, units, scale, Content::whole, whole_layout());
  measure_beam(s);
  s.out = svg_start(s.layout.bottom);
  double lo = 0;
  double hi = 0;
  widen_load_range(record, lo, hi);
  scale_loads(s, lo, hi);
  loads(s);
  segments(s);
  points(s);
  s.out.append("</svg>\n");
  return s.out;
}

std::string load_case_sketch_svg(const std::vector<const BeamRecord*>& cases, const BeamSummary& summary,
                                 const XScale& scale, const UnitNames& units) {
  double lo = 0;
  double hi = 0;
  for (const BeamRecord* record : cases) widen_load_range(*record, lo, hi);
  double bands = static_cast<double>(cases.size()) * band_layout(0).bottom;
  Statics none;
  Sketch s = new_sketch(*cases.front(), positions_of(summary), none, units, scale, Content::beam,
                        beam_layout(bands));
  s.out = svg_start(s.layout.bottom);
  s.out.append(case_colour_style());
  double top = 0;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    load_band(s.out, *cases[i], i + 1, top, lo, hi, scale, units);
    top = top + band_layout(0).bottom;
  }
  measure_beam(s);
  segments(s);
  points(s);
  s.out.append("</svg>\n");
  return s.out;
}

}  // namespace dlt
