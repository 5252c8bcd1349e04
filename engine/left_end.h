// Key a: the left end of the beam, which starts a pass.
#pragma once

#include "console/input_values.h"
#include "engine/effect.h"
#include "engine/element.h"
#include "engine/register_file.h"

namespace dlt {

// Shown where S1 or S2 of the left end is not a state code; the columns are
// cleared, nothing else changes.
inline constexpr char kLeftEndCodeNotice[] = "S1 und S2 nur 1 bis 4, linkes Ende nicht gesetzt\n";
// Shown where S1 and S2 name the same quantity: it would be one unknown
// twice, and the other one missing. The columns are cleared all the same.
inline constexpr char kLeftEndSameCodeNotice[] = "S1 gleich S2, linkes Ende nicht gesetzt\n";

// Asks for the two quantities unknown at the left end, S1 and S2, and
// applies the left end they make. A refused left end leaves the columns
// cleared and closes the pass.
CommandEffect cmd_left_end(RegisterFile& R, InputValues& in);

// The register arithmetic of a left end: clears the columns and sets them up
// so that X1 carries S1 and X2 carries S2. The factor pointer goes back to
// the first slot; R16 onwards keep what an earlier pass left there. Refuses
// S1 equal to S2 after clearing the columns.
Refusal apply_left_end(RegisterFile& R, Quantity S1, Quantity S2);

// Clears the columns, as every left end does first: what a left end refused
// for its codes leaves behind, so that no pass is open until the next one.
void close_pass(RegisterFile& R);

// Shown where a command ran out of memory (std::bad_alloc from the growing
// state of the pass), and for each element refused after it.
inline constexpr char kPassAbandonedNotice[] = "Speicher reicht nicht, Durchgang abgebrochen\n";
inline constexpr char kAbandonedPassNotice[] =
    "Durchgang abgebrochen (Speicher reicht nicht), erst linkes Traegerende eingeben\n";

// Gives up the pass after memory ran out in the middle of an element: the
// register file starts afresh, all its memory freed (the kept beam of an
// earlier pass too), and refuses every element but a left end until one
// starts the next pass. A condition still asks all its questions, so that
// a script stays in step.
void abandon_pass(RegisterFile& R);

}  // namespace dlt
