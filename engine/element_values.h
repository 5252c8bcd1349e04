// What one command enters: the kinds of beam element and the values an
// element is given. Apart from element.h, which applies them, so that the
// stable solution can keep the elements of the beam it solved.
#pragma once

#include "engine/quantity.h"

namespace dlt {

enum class ElementKind { left_end, beam_segment, shaft_segment, point_action, spring, condition, right_end };

struct Element {
  ElementKind kind = ElementKind::left_end;
  // Left end: X1 carries S1 and X2 carries S2. Point action: S1 jumps.
  // Condition: S1 is prescribed. Right end: S1, then S2, is prescribed.
  Quantity S1 = Quantity::w;
  Quantity S2 = Quantity::w;
  // Segments: the length, and EI, or E and the diameter of a round shaft.
  double length = 0;
  double EI = 0;
  double E = 0;
  double diameter = 0;
  // A distributed load on a segment: q at its left end, growing by qs per
  // unit length.
  bool loaded = false;
  double q = 0;
  double qs = 0;
  // Point action: how much S1 drops. Spring: its stiffness c.
  double load = 0;
  double c = 0;
  // Condition and right end: S1 equals W1. Right end: S2 equals W2.
  double W1 = 0;
  double W2 = 0;
};

}  // namespace dlt
