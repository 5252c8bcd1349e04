// What each element of a pass is to the reports, in one place: where it
// stands along the beam, whether it is a support (it holds w), and whether
// it belongs to the beam itself rather than to its loads.
#pragma once

#include <vector>

#include "engine/element.h"

namespace dlt {

// Whether the element holds w: a support in the sense of the spans. An end
// where w is held, an intermediate support or a spring.
bool is_support(const Element& e);

// Whether the element is part of the beam rather than of its loads: the
// ends, the springs and the conditions (supports and hinges).
bool is_structural(const Element& e);

// Where each element stands (a segment where it starts): the lengths of the
// segments before it added up, in the order a walk of the beam adds them.
std::vector<double> element_positions(const std::vector<Element>& elements);

// The beam's length: the x of its right end, added up the same way.
double beam_length(const std::vector<Element>& elements);

}  // namespace dlt
