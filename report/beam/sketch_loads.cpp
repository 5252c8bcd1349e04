// The loads in the sketch: the distributed loads as trapezoids with small
// arrows for their direction, those too close to tell apart drawn as one
// shape, and the point actions with their symbols and values.
#include "report/beam/sketch_parts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "report/format/numbers.h"

namespace dlt::sketch {

namespace {

// The small arrows in a distributed load: one every kArrowSpacing units
// along a load, none closer than kArrowApart to another.
constexpr double kArrowSpacing = 36;
constexpr double kArrowApart = 8;
constexpr double kArrowsMost = 32;

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

}  // namespace

void force(Sketch& s, double X, double half, double F) {
  bool down = !(F < 0);
  double tip = down ? s.layout.axis - half : s.layout.axis + half;
  double tail = down ? s.layout.load_top + 2 : s.layout.support_bottom - 2;
  arrow(s.out, X, tail, tip, 8, 3.5, "dick");
  label(s, X, Anchor::middle, down, named(s, "F", F, Dimension::force));
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

void scale_loads(Sketch& s, double lo, double hi) {
  double factor = hi > lo ? (s.layout.load_bottom - s.layout.load_top) / (hi - lo) : 0;
  if (!std::isfinite(factor)) factor = 0;
  s.load_lo = lo;
  s.load_factor = factor;
}

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

}  // namespace dlt::sketch
