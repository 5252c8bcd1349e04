// The places of a pass whose values are wanted (the points of a beam file's
// "stellen"), each as two counts of elements: left of the place the values
// after the first `left` elements, right of it after the first `right`. The
// walk gives them; where a value jumps there, both sides are listed.
#pragma once

#include <cstddef>
#include <vector>

#include "report/pass/replay.h"

namespace dlt {

struct ChosenPlace {
  std::size_t left = 0;
  std::size_t right = 0;
};

// The values at a place: left of it, and right of it where they differ.
struct PlaceValues {
  TableRow left;
  bool jumps = false;
  TableRow right;
};

// The values at every place, in one walk of pass. Places must be in order
// along the pass, each count at least 1 and below the pass's element count.
std::vector<PlaceValues> chosen_values(const CompletePass& pass, const std::vector<ChosenPlace>& places);

}  // namespace dlt
