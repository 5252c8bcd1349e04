// The bending stress of round shafts, sigma = M / W with W = pi d^3 / 32, and
// which section a row of a walk lies in: a segment's row in that segment's,
// a point element's in that of the segment before it (before any segment,
// the first one's). Where a shaft's diameter changes, the value table has
// the joint's row twice, once with each diameter, since sigma jumps there.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/element.h"

namespace dlt {

// W = pi d^3 / 32, with the program's pi.
double section_modulus(double diameter);

// sigma = M / W.
double bending_stress(double M, double diameter);

// Whether the record has a shaft segment: only then do the tables show sigma.
bool has_shaft(const std::vector<Element>& elements);

struct SectionCourse {
  const std::vector<Element>* elements = nullptr;
  std::size_t section = 0;  // the segment whose section holds; elements->size() where none
  std::size_t last_element = 0;
  bool started = false;
};

SectionCourse start_sections(const std::vector<Element>& elements);

// Takes in that the next row comes from element k. True where the row
// starts a shaft segment whose section differs from the one that held: the
// joint's row is then wanted again with the new diameter, before this row.
bool enter_row(SectionCourse& course, std::size_t k);

// sigma of M in the section that holds; false where it is no shaft's.
bool stress_in_section(const SectionCourse& course, double M, double& sigma);

}  // namespace dlt
