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
#include <vector>

#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/record.h"

namespace dlt {

// The fill of the beam's segments.
extern const char* const kBeamFill;

// REQUIRES: summary and statics are those of record, a complete pass.
// Values are labelled with their units where there are units.
std::string beam_sketch_svg(const BeamRecord& record, const BeamSummary& summary, const Statics& statics,
                            const XScale& scale, const UnitNames& units = {});

// The sketch of a beam's load cases on one scale: over the first case's
// beam as entered, without its loads and reactions, a band for each case
// with its loads in the case's colour, named "LF 1", "LF 2", ... at its
// left: its distributed loads, to one scale in all bands, its point
// actions, and the values its supports and right end hold other than zero.
// The permanent load (the first case) is grey, the variable loads take
// the colours of a small palette in turn.
// REQUIRES: cases holds at least one record, each a complete pass, and
// summary is that of the first.
std::string load_case_sketch_svg(const std::vector<const BeamRecord*>& cases, const BeamSummary& summary,
                                 const XScale& scale, const UnitNames& units = {});

}  // namespace dlt
