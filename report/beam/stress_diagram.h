// The diagram of the bending stress sigma = M / W along a beam with shaft
// segments, under the diagrams of w, p, M and Q and on their horizontal
// scale: drawn where the section is a shaft's, with its jumps where the
// diameter changes, labelled with its largest and smallest value and its
// values on both sides of each change of diameter.
#pragma once

#include <string>

#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/replay.h"

namespace dlt {

// The drawing; empty where the beam has no shaft segment.
std::string stress_diagram_svg(const CompletePass& pass, const XScale& scale, const UnitNames& units);

}  // namespace dlt
