#include "engine/element.h"

#include "engine/conditions.h"
#include "engine/followed_beam.h"
#include "engine/left_end.h"
#include "engine/point_loads.h"
#include "engine/segments.h"
#include "engine/stable_columns.h"

namespace dlt {

static Refusal apply_kind(RegisterFile& R, const Element& element) {
  switch (element.kind) {
    case ElementKind::left_end:
      return apply_left_end(R, element.S1, element.S2);
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
      apply_segment(R, element);
      return Refusal::none;
    case ElementKind::point_action:
      point_load(R, element.S1, element.load);
      stable_point_action(R.stable, element.S1, element.load);
      return Refusal::none;
    case ElementKind::spring:
      if (!spring_room(R.stable)) return Refusal::too_many_springs;
      elastic_support(R, element.c);
      stable_spring(R.stable, element.c);
      return Refusal::none;
    case ElementKind::condition:
      return apply_condition(R, element.S1, element.W1);
    case ElementKind::right_end:
      return apply_right_end(R, element);
  }
  return Refusal::none;
}

Refusal apply_element(RegisterFile& R, const Element& element) {
  if (R.pass_abandoned && element.kind != ElementKind::left_end) return Refusal::pass_abandoned;
  // Where it starts; a left end starts at 0 whatever came before.
  double x = element.kind == ElementKind::left_end ? 0 : R.stable.here.x;
  Refusal refusal = apply_kind(R, element);
  if (refusal == Refusal::none) follow_element(R.stable, element, x);
  return refusal;
}

bool is_segment(const Element& element) {
  return element.kind == ElementKind::beam_segment || element.kind == ElementKind::shaft_segment;
}

double segment_minus_EI(const Element& segment) {
  if (segment.kind == ElementKind::shaft_segment) return shaft_minus_EI(segment.E, segment.diameter);
  return -segment.EI;
}

Element condition_of(const Element& right_end) {
  Element condition = right_end;
  condition.kind = ElementKind::condition;
  condition.S2 = Quantity::w;
  condition.W2 = 0;
  return condition;
}

}  // namespace dlt
