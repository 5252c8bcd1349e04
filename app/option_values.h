// The values of options: the factors of --faktoren.
#pragma once

#include "report/reports.h"

namespace dlt {

// No partial safety factor is near this; one far above it only carries the
// limits out of range of a double (a factor of 1e308 makes M infinite).
inline constexpr double kMostFactor = 100;

// Reads "GSUP/GINF/Q" or "G/Q": numbers from 0 to kMostFactor in digits
// with a decimal point or comma. False where the text is not so.
bool read_factors(const char* text, Factors& factors);

}  // namespace dlt
