// The points of the beam in the sketch: its ends, supports, hinges, springs,
// conditions and point actions, each with its symbol where it stands apart,
// and those close together as one crowd with their count.
#include "report/beam/sketch_parts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report/beam/spans.h"
#include "report/format/numbers.h"

namespace dlt::sketch {

namespace {

// In a band of loads, points closer than a moment's symbol is wide are one
// crowd: the band is low, and its labels have two lines only.
constexpr double kBandApart = 16;
// Up to kStackMost points at one place (a hinge on a support, a force and
// a moment together) are still drawn each, as their symbols are made to be
// seen together.
constexpr double kSamePlace = 0.01;
constexpr std::size_t kStackMost = 4;

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
    label(s, X, Anchor::middle, false,
          with_unit(r.value, unit_of(s.units, Dimension::force), NumberForm::reading));
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

}  // namespace

bool is_point(const Sketch& s, std::size_t k) {
  const Element& e = s.record.elements[k];
  return !is_segment(e) && !is_bare_end(e) && shows(s, e) && std::isfinite(to_drawing(s.scale, s.x[k]));
}

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

}  // namespace dlt::sketch
