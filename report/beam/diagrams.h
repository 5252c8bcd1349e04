// The diagrams of w, p, M and Q along a complete beam, one SVG drawing each,
// on the horizontal scale of the beam sketch above them. w and M are drawn
// positive downward, p and Q upward. Labelled are the extremes with their x,
// in the M diagram each span's field moment with its x, and the values at
// the ends, supports, hinges, springs and point loads, as
// many as fit without overlapping each other or the curve, the most
// important first. Which values are labelled is decided here; the
// drawing's pieces and the labels' placing are format/diagram's.
#pragma once

#include <string>

#include "engine/quantity.h"
#include "report/beam/summary.h"
#include "report/format/curve.h"
#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/record.h"

namespace dlt {

// The diagram of q with its curve as trace_curves made it.
// REQUIRES: summary is that of record, a complete pass, and curve its own.
// Values are labelled with their units where there are units.
std::string diagram_svg(const Curve& curve, const BeamRecord& record, const BeamSummary& summary,
                        const XScale& scale, Quantity q, const UnitNames& units = {});

}  // namespace dlt
