// Keys c and e: beam and round shaft segments, with the field transfer that
// carries the three columns across a segment and the trapezoidal distributed
// load on it (the formulas in engine/transfer.h).
#pragma once

#include "console/input_values.h"
#include "engine/effect.h"
#include "engine/element.h"
#include "engine/register_file.h"
#include "engine/transfer.h"
#include "engine/wide.h"

namespace dlt {

// Asks for length and EI and whether a distributed load lies on the
// segment, and applies the segment.
CommandEffect cmd_beam_segment(RegisterFile& R, InputValues& in);

// The same for a round solid shaft given by length, E and diameter.
CommandEffect cmd_shaft_segment(RegisterFile& R, InputValues& in);

// The register arithmetic of a segment: carries the columns across it, then
// adds its distributed load, if it has one, to the load column.
// REQUIRES: is_segment(segment).
void apply_segment(RegisterFile& R, const Element& segment);

// Carries the columns across a segment of the given length and -EI: R13
// takes the length and R14 the factor l / (-EI).
void segment_transfer(RegisterFile& R, double length, double minus_EI);

// -EI of a round solid shaft, with I = pi d^4 / 64 and the ten-digit pi.
double shaft_minus_EI(double E, double diameter);

// -EI of a segment in Wide, for the stable solution: from the element's
// doubles, the shaft's with the same pi, without rounding to double.
// REQUIRES: is_segment(segment).
Wide wide_minus_EI(const Element& segment);

// Carries all three columns across a segment of length R13 whose factor
// k = l / (-EI) is in R14. Each column (w, p, M, Q) becomes
// (w + l p + k l/2 M + k l^2/6 Q, p + k M + k l/2 Q, M + l Q, Q).
void field_transfer(RegisterFile& R);

// Adds to the load column the effect of a distributed load over the segment
// just transferred (length R13, factor R14): intensity q at its left end,
// growing by qs per unit length.
void distributed_load(RegisterFile& R, double q, double qs);

}  // namespace dlt
