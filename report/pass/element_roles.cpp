#include "report/pass/element_roles.h"

namespace dlt {

bool is_support(const Element& e) {
  bool names_w = e.S1 == Quantity::w || e.S2 == Quantity::w;
  switch (e.kind) {
    case ElementKind::left_end:
      return !names_w;  // what is not unknown at the left end is held
    case ElementKind::spring:
      return true;
    case ElementKind::condition:
      return e.S1 == Quantity::w;
    case ElementKind::right_end:
      return names_w;
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
    case ElementKind::point_action:
      return false;
  }
  return false;
}

bool is_structural(const Element& e) {
  switch (e.kind) {
    case ElementKind::left_end:
    case ElementKind::spring:
    case ElementKind::condition:
    case ElementKind::right_end:
      return true;
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
    case ElementKind::point_action:
      return false;
  }
  return false;
}

std::vector<double> element_positions(const std::vector<Element>& elements) {
  std::vector<double> x;
  x.reserve(elements.size());
  double at = 0;
  for (const Element& e : elements) {
    x.push_back(at);
    if (is_segment(e)) at = at + e.length;
  }
  return x;
}

double beam_length(const std::vector<Element>& elements) {
  double x = 0;
  for (const Element& e : elements) {
    if (is_segment(e)) x = x + e.length;
  }
  return x;
}

}  // namespace dlt
