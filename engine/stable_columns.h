// The stable solution's arithmetic, element by element: the three columns
// of a pass through segments, point actions, springs (re-anchored),
// conditions and the right end, and the kept beam substituted back from it.
// Each function also moves the known state a later pass carries (see
// engine/carried_state.h). Nothing here reads or prints.
#pragma once

#include "engine/element.h"
#include "engine/stable_file.h"

namespace dlt {

// Ends the pass under way, as every left end does first: a pass a right end
// solved becomes the kept beam. No columns remain until the next left end.
void stable_close_pass(StableFile& s);

// Starts a pass whose unknowns are S1 and S2 (two different quantities):
// the unit columns of U and V, and the kept state of the left end where the
// kept beam's left end has the same unknowns.
void stable_left_end(StableFile& s, Quantity S1, Quantity S2);

// A segment with its distributed load where loaded, of factor k = l / (-EI)
// as the registers have it; in Wide its own factor from the element's
// length and wide_minus_EI.
void stable_segment(StableFile& s, const Element& segment, double k);

// A point action: S1 drops by load.
void stable_point_action(StableFile& s, Quantity S1, double load);

// Whether the pass may hold another spring.
bool spring_room(const StableFile& s);

// A spring of stiffness c, after which the columns are re-anchored; where no
// two quantities there can serve as unknowns, the columns are dropped.
void stable_spring(StableFile& s, double c);

// Where the pass put off turning to Wide while it followed the kept beam
// and has left it: computes it anew in Wide from its left end, the element
// just recorded included.
void turn_wide_after_leaving(StableFile& s);

// Whether the columns decide the conditions of the pass: they do from the
// left end on, unless they were dropped or are no longer finite.
bool columns_decide(const StableFile& s);

// Whether the columns, where they do not decide, are so because they
// overflowed: they are, or were dropped for being, not finite, though every
// number of the pass was finite (see StableSpot::infinite_input).
bool columns_overflowed(const StableFile& s);

// Whether one of the unknowns can change S1 here: whether S1 still waits
// for them. It decides a condition only where columns_decide(s).
// REQUIRES: s.here.has_columns.
bool condition_determined(const StableFile& s, Quantity S1);

// A condition S1 = W1: the unknown with the larger coefficient in S1 is
// eliminated, the reaction (or a hinge's kink) comes in as V, and where
// reanchored, two quantities there become the unknowns, as at a spring. A
// right end's condition is not re-anchored: its V must stay the reaction,
// which is zero past the end.
// REQUIRES: where columns_decide(s), that condition_determined(s, S1).
void stable_condition(StableFile& s, Quantity S1, double W1, bool reanchored);

// Whether S2 = W2 can fix the unknown left after the right end's condition.
// REQUIRES: columns_decide(s).
bool right_end_determined(const StableFile& s, Quantity S2);

// The right end, after its condition: no reaction acts past it, and S2 = W2
// gives U. From here on the pass carries its own solution's state. Where the
// columns were dropped, nothing is kept.
// REQUIRES: where columns_decide(s), that right_end_determined(s, S2).
void stable_right_end(StableFile& s, Quantity S2, double W2);

// The kept beam of a pass a right end solved: the unknowns of every stretch
// substituted back from the right end, and the state on both sides of every
// condition and spring up to it.
// REQUIRES: s.solved.
KeptBeam solve_pass(const StableFile& s);

}  // namespace dlt
