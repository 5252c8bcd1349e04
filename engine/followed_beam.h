// Whether a later pass follows the kept beam element by element. It must
// enter the kept beam's elements in order, none skipped: the same kind,
// codes and values at the same x (within 1e-9 of the beam's length), where
// a segment may be a piece of a kept one: the same stiffness, its load the
// kept one continued to where the piece starts, ending inside the kept
// segment or at its end. Segments of length zero, which change nothing,
// are passed over on both sides. At the first element that does not follow
// the pass has left the beam, and key g says so from there on.
//
// Costs a copy of every element of the solved pass in the kept beam: about
// 100 bytes an element.
#pragma once

#include "engine/element_values.h"
#include "engine/stable_file.h"

namespace dlt {

// After element, which took effect and starts at x: records it in the pass
// and checks it against the kept beam's element the pass is to enter next.
void follow_element(StableFile& s, const Element& element, double x);

}  // namespace dlt
