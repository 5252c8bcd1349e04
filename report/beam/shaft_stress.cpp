#include "report/beam/shaft_stress.h"

#include <algorithm>

#include "engine/register_file.h"

namespace dlt {

double section_modulus(double diameter) {
  double cube = (diameter * diameter) * diameter;
  return (kPi * cube) / 32;
}

double bending_stress(double M, double diameter) { return M / section_modulus(diameter); }

bool has_shaft(const std::vector<Element>& elements) {
  return std::any_of(elements.begin(), elements.end(),
                     [](const Element& e) { return e.kind == ElementKind::shaft_segment; });
}

SectionCourse start_sections(const std::vector<Element>& elements) {
  SectionCourse course;
  course.elements = &elements;
  course.section = elements.size();
  for (std::size_t k = 0; k < elements.size(); ++k) {
    if (is_segment(elements[k])) {
      course.section = k;
      break;
    }
  }
  return course;
}

static bool same_section(const Element& a, const Element& b) {
  if (a.kind != b.kind) return false;
  return a.kind != ElementKind::shaft_segment || a.diameter == b.diameter;
}

bool enter_row(SectionCourse& course, std::size_t k) {
  bool first_row = !course.started || k != course.last_element;
  course.started = true;
  course.last_element = k;
  const std::vector<Element>& elements = *course.elements;
  if (!first_row || k >= elements.size() || !is_segment(elements[k])) return false;
  bool step = elements[k].kind == ElementKind::shaft_segment && course.section < elements.size() &&
              course.section != k && !same_section(elements[course.section], elements[k]);
  course.section = k;
  return step;
}

bool stress_in_section(const SectionCourse& course, double M, double& sigma) {
  const std::vector<Element>& elements = *course.elements;
  if (course.section >= elements.size() || elements[course.section].kind != ElementKind::shaft_segment)
    return false;
  sigma = bending_stress(M, elements[course.section].diameter);
  return true;
}

}  // namespace dlt
