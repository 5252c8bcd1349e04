// Looking inside a segment without walking on: the values part of the way
// into a segment, taken from a saved spot with the register file put back
// as it was, and the copy of a solved pass that a replay walks.
#pragma once

#include <array>

#include "engine/element.h"
#include "engine/register_file.h"
#include "engine/results.h"
#include "engine/stable_file.h"

namespace dlt {

// Where a part of a segment starts: the register values and the stable
// spot, all that applying a part of a segment reads and moves.
struct PartStart {
  std::array<double, kRegisterCount> values{};
  StableSpot spot;
};

// Where R stands now, for parts of the segment ahead to start from, even
// after R has moved on.
PartStart part_start(const RegisterFile& R);

// The values shown after part, a segment of the part's length and load,
// applied from start; R's register values and stable spot are then put back
// as they were. Where start is where R stands, this is what a pass stopping
// after part would show.
PointValues probe_part(RegisterFile& R, const PartStart& start, const Element& part);

// A copy of solved for a replay that keeps no anchors: it stops short of
// the right end, where anchors would serve.
RegisterFile walk_copy(const RegisterFile& solved);

}  // namespace dlt
