// The known state a later pass carries over the kept beam: from the kept
// state of its left end, moved on by its segments and point actions, and
// restarted from the kept state at every condition and spring it enters.
// Where the pass no longer follows the kept beam (other left end unknowns,
// an anchor passed by or entered differently, a state just left of one that
// differs) it carries no state further and is marked as having left the
// beam. Also the choice between a register value and the state's.
#pragma once

#include "engine/stable_file.h"

namespace dlt {

// After the left end of a pass: the kept beam's left end state, where there
// is a kept beam with the same unknowns.
void carry_from_left_end(StableFile& s);

// Moves the state across a segment and checks that the pass has not passed
// the kept beam's next anchor.
void carry_segment(StableFile& s, double length, double k, bool loaded, double q, double qs);

void carry_point_action(StableFile& s, Quantity S1, double load);

// The pass enters its next condition or spring, described by anchor (its
// columns aside): compared with the kept beam's, it restarts the state from
// the kept state just right of it.
void carry_into_anchor(StableFile& s, const PassAnchor& anchor);

// The pass no longer follows the kept beam.
void leave_beam(StableFile& s);

// What g prints for one quantity: the register value where it agrees with
// the state, |register - state| <= 5e-7 + 1e-9 |state|, or where the state is
// not finite; the state's value otherwise (also where the register value is
// nan or infinite).
double shown_value(double register_value, double state_value);

}  // namespace dlt
