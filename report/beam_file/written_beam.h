// The beam of a beam file as the first load case of a beam gives it: how
// its ends are held, its segments as entered, and its supports, hinges and
// springs by x; or why that load case has no beam a beam file can hold.
#pragma once

#include <string>
#include <vector>

#include "engine/element.h"
#include "engine/quantity.h"

namespace dlt {

struct WrittenSpring {
  double x = 0;
  double c = 0;
};

struct WrittenBeam {
  const char* left = "";  // "gelenkig", "eingespannt", "frei" or "gefuehrt"
  const char* right = "";
  std::vector<Element> segments;
  std::vector<double> supports;
  std::vector<double> hinges;
  std::vector<WrittenSpring> springs;
};

// How a beam file names an end held so: a left end by its two unknowns, a
// right end by its two prescribed quantities. Null where it has no name for
// it ({w, Q}, {p, M}, or the same quantity twice).
const char* left_end_name(Quantity S1, Quantity S2);
const char* right_end_name(Quantity S1, Quantity S2);

// The beam of a complete pass. False with the reason where the beam file
// has no form for it: an end it has no name for, a condition on p or Q, a
// support or hinge at an end or two at one x (closer than 1e-9 of the
// beam's length), a segment or spring whose length or stiffness is not a
// finite number above zero, a beam of no finite length.
bool written_beam(const std::vector<Element>& elements, WrittenBeam& beam, std::string& reason);

}  // namespace dlt
