// The sketch of a complete beam as entered, to scale along x: the segments
// (a shaft as high as its diameter), the ends and supports as drawn in
// German practice, hinges, springs, point loads, distributed loads with q at
// both ends, and the lengths of the segments.
#pragma once

#include <string>

#include "report/beam_record.h"
#include "report/beam_summary.h"
#include "report/svg.h"

namespace dlt {

// The fill of the beam's segments.
extern const char* const kBeamFill;

// REQUIRES: summary is that of record, a complete pass.
std::string beam_sketch_svg(const BeamRecord& record, const BeamSummary& summary, const XScale& scale);

}  // namespace dlt
