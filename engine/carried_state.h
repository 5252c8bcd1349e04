// The known state a later pass carries over the kept beam: from the kept
// state of its left end, moved on by its segments and point actions, and
// restarted from the kept state at every condition and spring it enters.
// Where the pass no longer follows the kept beam (other left end unknowns,
// an anchor entered differently, a state just left of one that differs, or
// any element engine/followed_beam.h finds not following) it carries no
// state further and is marked as having left the beam. Also the choice
// between a register value and the state's.
#pragma once

#include <cstddef>

#include "engine/element.h"
#include "engine/stable_file.h"

namespace dlt {

// After the left end of a pass: the kept beam's left end state, where there
// is a kept beam with the same unknowns.
void carry_from_left_end(StableFile& s);

// Moves the state across a segment, of factor k in double and wide_k in
// Wide (needed only where the state is precise). Whether the pass has gone
// past the kept beam's next anchor is followed_beam's to find.
void carry_segment(StableFile& s, const Element& segment, double k, Wide wide_k);

void carry_point_action(StableFile& s, Quantity S1, double load);

// The pass enters its next condition or spring, a condition on S1 = W1 or
// a spring of stiffness c: compared with the kept beam's, it restarts the
// state from the kept state just right of it.
void carry_into_anchor(StableFile& s, AnchorKind kind, Quantity S1, double W1, double c);

// The pass no longer follows the kept beam.
void leave_beam(StableFile& s);

// The precise value of quantity r (a state_index) where the pass carries a
// state: the state, rounded to double where it is carried in Wide.
double precise_state_value(const StableSpot& here, std::size_t r);

// What g prints for quantity r where the pass carries a state: see below.
double shown_value(double register_value, const StableSpot& here, std::size_t r);

// What prints as the register value where it prints the same six decimals
// as the precise value ("-0.000000" and "0.000000" count as the same, and
// the register's sign stays; so does its rounding at a decimal tie, see
// prints_alike), or where the precise value is not finite; the precise
// value otherwise (also where the register value is nan or infinite). So
// the old digits stay wherever they were right. Where the two print alike
// but lie further apart than the register's last digits, the value is the
// precise one (with the register's sign of a zero): the reports add up and
// compare what they get.
double shown_value(double register_value, double precise);

// What the CSV tables print for quantity r where the pass carries a state:
// where it is carried in Wide, the precise value where that is finite, else
// the register value; where it is carried in double, what g prints (a
// double state is no closer to the exact value than registers that keep
// their digits, only where they lose them).
double precise_value(double register_value, const StableSpot& here, std::size_t r);

}  // namespace dlt
