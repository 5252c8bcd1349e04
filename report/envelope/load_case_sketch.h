// The sketch of a beam's load cases on the envelope page: over the first
// case's beam as entered, without its loads and reactions, a band for each
// case with its loads in the case's colour.
#pragma once

#include <string>
#include <vector>

#include "report/beam/summary.h"
#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/record.h"

namespace dlt {

// The sketch of a beam's load cases on one scale: over the first case's
// beam as entered, without its loads and reactions, a band for each case
// with its loads in the case's colour, named "LF 1", "LF 2", ... at its
// left: its distributed loads, to one scale in all bands, its point
// actions, and the values its supports and right end hold other than zero.
// The permanent load (the first case) is grey, the variable loads take
// the colours of a small palette in turn.
// REQUIRES: cases holds at least one record, each a complete pass.
std::string load_case_sketch_svg(const std::vector<const BeamRecord*>& cases, const XScale& scale,
                                 const UnitNames& units = {});

}  // namespace dlt
