// The sketch of a complete beam as entered, to scale along x: the segments
// (a shaft as high as its diameter), the ends and supports as drawn in
// German practice, hinges, springs, point loads and forces at the right end,
// distributed loads with q at both ends and arrows for their direction, the
// support reactions as arrows with their values, and the lengths of the
// segments and the diameters of the shaft's.
//
// However many elements the beam has, the sketch stays within what its width
// can show: points of the beam closer than a few units are drawn as one group
// with their count, segments and loads closer than a unit as one shape, and
// the ticks of the dimension line a few units apart. It is made in time
// proportional to the elements.
#pragma once

#include <string>

#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/record.h"

namespace dlt {

// The fill of the beam's segments.
extern const char* const kBeamFill;

// REQUIRES: statics are those of record, a complete pass.
// Values are labelled with their units where there are units.
std::string beam_sketch_svg(const BeamRecord& record, const Statics& statics, const XScale& scale,
                            const UnitNames& units = {});

}  // namespace dlt
