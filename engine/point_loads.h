// Keys d and b: a point action (force, moment, kink or settlement offset) and
// an elastic support, both acting at the current point without moving along
// the beam.
#pragma once

#include "console/input_values.h"
#include "engine/effect.h"
#include "engine/element.h"
#include "engine/register_file.h"

namespace dlt {

// Shown where S1 of a point load is not a state code; no register changes.
inline constexpr char kPointLoadCodeNotice[] = "S1 nur 1 bis 4, Einzellast nicht gesetzt\n";
// Shown instead of the dialogue where the pass already holds as many springs
// as it may.
inline constexpr char kTooManySpringsNotice[] =
    "hoechstens 100000 Federn je Durchgang, Feder nicht gesetzt\n";

// Asks for the quantity that jumps (S1: 4 force, 3 moment, 2 kink angle,
// 1 settlement offset) and its size, and applies the point action.
CommandEffect cmd_point_load(RegisterFile& R, InputValues& in);

// Asks for the stiffness c of a spring against deflection and applies it.
CommandEffect cmd_elastic_support(RegisterFile& R, InputValues& in);

// Subtracts load from S1's entry in the load column: right of the point the
// quantity is lower by it, whatever the unknowns turn out to be.
void point_load(RegisterFile& R, Quantity S1, double load);

// Raises the shear force in every column by c times that column's
// deflection.
void elastic_support(RegisterFile& R, double c);

}  // namespace dlt
