// What the CSV tables carry: the stable solution's values at the current
// point, rounded to double, where the pass carries a precise state; key g
// and the text reports print shown_values instead.
#pragma once

#include "engine/register_file.h"
#include "engine/results.h"

namespace dlt {

// w, p, M and Q at the current point: each the precise value where the pass
// carries its state in Wide and it is finite, else what shown_values gives
// (see precise_value).
PointValues precise_values(RegisterFile& R);

}  // namespace dlt
