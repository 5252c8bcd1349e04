// The values of options: the factors of --faktoren.
#pragma once

#include "report/reports.h"

namespace dlt {

// Reads "GSUP/GINF/Q" or "G/Q": finite numbers >= 0 with a decimal point or
// comma. False where the text is not so.
bool read_factors(const char* text, Factors& factors);

}  // namespace dlt
