// The places of a pass whose values are wanted (the points of a beam file's
// "stellen"), each as two counts of elements: left of the place the values
// after the first `left` elements, right of it after the first `right`.
// Where a value jumps there, the reports list both sides.
#pragma once

#include <cstddef>

namespace dlt {

struct ChosenPlace {
  std::size_t left = 0;
  std::size_t right = 0;
};

}  // namespace dlt
