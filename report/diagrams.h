// The diagrams of w, p, M and Q along a complete beam, one SVG drawing each,
// on the horizontal scale of the beam sketch above them. w and M are drawn
// positive downward, p and Q upward. Labelled are the extremes with their x
// and the values at the ends, supports, hinges, springs and point loads, as
// many as fit without overlapping each other or the curve.
#pragma once

#include <string>

#include "engine/quantity.h"
#include "report/beam_summary.h"
#include "report/replay.h"
#include "report/svg.h"

namespace dlt {

// The fill colour of each diagram's area, by quantity_index.
extern const char* const kDiagramFill[kQuantityCount];

// REQUIRES: summary is that of pass.
std::string diagram_svg(const CompletePass& pass, const BeamSummary& summary, const XScale& scale,
                        Quantity q);

}  // namespace dlt
