// The diagrams of w, p, M and Q along a complete beam, one SVG drawing each,
// on the horizontal scale of the beam sketch above them. w and M are drawn
// positive downward, p and Q upward. Labelled are the extremes with their x
// and the values at the ends, supports, hinges, springs and point loads, as
// many as fit without overlapping each other or the curve.
#pragma once

#include <string>

#include "report/beam_record.h"
#include "report/replay.h"
#include "report/svg.h"

namespace dlt {

// The fill colour of each diagram's area, by quantity (kW to kQ).
extern const char* const kDiagramFill[kQuantityCount];

// REQUIRES: course is the replay of record, a complete pass; q is kW to kQ.
std::string diagram_svg(const BeamRecord& record, const BeamCourse& course, const XScale& scale, int q);

}  // namespace dlt
