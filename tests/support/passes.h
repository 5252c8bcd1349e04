// Beams built from elements as the dialogue builds and applies them, for the
// tests of the reports below the door: the element each command makes, and
// passes entered one after another into one register file with their record.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "engine/effect.h"
#include "engine/element.h"
#include "engine/quantity.h"
#include "engine/register_file.h"
#include "report/pass/record.h"

// The quantities by their short names, for tests that name many of them.
namespace quantity_names {
constexpr dlt::Quantity w = dlt::Quantity::w;
constexpr dlt::Quantity p = dlt::Quantity::p;
constexpr dlt::Quantity M = dlt::Quantity::M;
constexpr dlt::Quantity Q = dlt::Quantity::Q;
}  // namespace quantity_names

// Key a: a left end with the unknowns S1 and S2; the other two quantities
// are zero there. p and Q make a pinned end, M and Q a clamped one, w and p
// a free one.
inline dlt::Element left_end_with(dlt::Quantity S1, dlt::Quantity S2) {
  return {.kind = dlt::ElementKind::left_end, .S1 = S1, .S2 = S2};
}

// Key c: a beam segment, loaded where q or qs is not zero.
inline dlt::Element beam_segment(double length, double EI, double q = 0, double qs = 0) {
  return {.kind = dlt::ElementKind::beam_segment,
          .length = length,
          .EI = EI,
          .loaded = q != 0 || qs != 0,
          .q = q,
          .qs = qs};
}

// Key e: a round shaft of modulus E and the given diameter, unloaded.
inline dlt::Element shaft_segment(double length, double E, double diameter) {
  return {.kind = dlt::ElementKind::shaft_segment, .length = length, .E = E, .diameter = diameter};
}

// Key d: S1 drops by load; a force F is point_action(Quantity::Q, F).
inline dlt::Element point_action(dlt::Quantity S1, double load) {
  return {.kind = dlt::ElementKind::point_action, .S1 = S1, .load = load};
}

// Key b: an elastic support of stiffness c.
inline dlt::Element spring_support(double c) { return {.kind = dlt::ElementKind::spring, .c = c}; }

// Key f, not the right end: S1 = W1 from here on; a support on w, a hinge on
// M.
inline dlt::Element condition_on(dlt::Quantity S1, double W1 = 0) {
  return {.kind = dlt::ElementKind::condition, .S1 = S1, .W1 = W1};
}

// Key f at the right end: S1 = W1 and S2 = W2.
inline dlt::Element right_end_with(dlt::Quantity S1, dlt::Quantity S2, double W1 = 0, double W2 = 0) {
  return {.kind = dlt::ElementKind::right_end, .S1 = S1, .S2 = S2, .W1 = W1, .W2 = W2};
}

// Passes entered one after another, each element applied to one register
// file and handed to the record as the menu loop hands it over: after a
// right end, R is as that end left it and record holds its complete pass.
struct Passes {
  dlt::RegisterFile R;
  dlt::BeamRecord record;
  void enter(const std::vector<dlt::Element>& elements) {
    for (const dlt::Element& e : elements) {
      ASSERT_EQ(dlt::apply_element(R, e), dlt::Refusal::none);
      dlt::record_command(record, {dlt::Effect::element, e});
    }
  }
};
