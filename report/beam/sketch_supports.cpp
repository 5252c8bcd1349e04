// The ends, supports, hinges, springs and conditions in the sketch as drawn
// in German practice, the arrows of the support reactions, and the values
// the conditions and the right end hold.
#include "report/beam/sketch_parts.h"

#include <string>

#include "report/format/numbers.h"

namespace dlt::sketch {

namespace {

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

}  // namespace

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

void reaction_arrow(Sketch& s, double X, double force) {
  bool up = !(force < 0);
  arrow(s.out, X, up ? s.layout.reaction_bottom : s.layout.reaction_top,
        up ? s.layout.reaction_top : s.layout.reaction_bottom, 7, 3, "linie");
}

// A condition's symbol, and the value it holds other than zero: a
// settlement belongs to a load case.
void condition(Sketch& s, const Element& e, double X, double half) {
  if (draws_beam(s.content)) condition_symbol(s, e, X, half);
  if (draws_loads(s.content) && !prints_as_zero(e.W1))
    label(s, X, Anchor::middle, false, named(s, quantity_name(e.S1), e.W1, dimension_of(e.S1)));
}

void right_end(Sketch& s, const Element& e, double X, double half) {
  bool w_fixed = e.S1 == Quantity::w || e.S2 == Quantity::w;
  bool p_fixed = e.S1 == Quantity::p || e.S2 == Quantity::p;
  if (draws_beam(s.content)) end_support(s.out, X, s.layout.axis, half, w_fixed, p_fixed, 1);
  if (!draws_loads(s.content)) return;
  end_value(s, e.S1, e.W1, X, half);
  end_value(s, e.S2, e.W2, X, half);
}

}  // namespace dlt::sketch
