// The engine: the register file and one element of the beam at a time.
//
// An element is what one command enters, with the values it was given: a
// left end with its unknowns, a beam or shaft segment with its length,
// stiffness and distributed load, a point action, a spring, a condition (an
// intermediate support or hinge) and a right end. Each command's dialogue
// (the cmd_ functions beside their arithmetic, one file per kind) reads the
// numbers, builds the element and hands it to apply_element; the record of a
// pass and the reports' replay apply the very same elements the same way.
//
// The arithmetic never prints or reads. engine/ includes console/ (for the
// dialogues and the typed values) and nothing else of the program.
#pragma once

#include "engine/element_values.h"
#include "engine/quantity.h"
#include "engine/register_file.h"

namespace dlt {

// Why an element did not take effect.
enum class Refusal {
  none,                    // it took effect
  same_codes,              // left end with S1 equal to S2; the columns are cleared all the same
  no_left_end,             // condition before any left end: R15 is no factor slot
  too_many_conditions,     // condition past the last factor slot a pass may have
  too_many_springs,        // spring past the most a pass may have
  undetermined_condition,  // neither unknown can change S1 here; nothing changes
  undetermined_right_end,  // X1 cannot change S2; the right end's condition is set all the same
  overflow,                // either of the two above, where the numbers grew too large to decide
  pass_abandoned,          // the pass was given up for want of memory; only a left end goes on
};

// Applies element to the register file with the arithmetic of its command,
// or says which refusal applies. A right end sets its condition S1 = W1 and
// then determines X1 from S2 = W2.
Refusal apply_element(RegisterFile& R, const Element& element);

// Whether a condition can be stored now: none, no_left_end or
// too_many_conditions. Key f asks before its first prompt.
Refusal condition_room(const RegisterFile& R);

// Whether a condition on S1 can be set now: none, undetermined_condition or
// overflow.
// Key f asks before it asks whether this is the right end.
// REQUIRES: condition_room(R) is none.
Refusal condition_refusal(const RegisterFile& R, Quantity S1);

bool is_segment(const Element& element);

// -EI of a segment, as its command gives it to the field transfer.
// REQUIRES: is_segment(segment).
double segment_minus_EI(const Element& segment);

// The condition a right end sets before it determines X1.
Element condition_of(const Element& right_end);

}  // namespace dlt
