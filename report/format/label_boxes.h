// Where the labels of a drawing go: boxes placed so that no two overlap,
// filed in a grid over the drawing so that many labels cost time in
// proportion to them, and a label's horizontal place by its anchor.
#pragma once

#include <cstddef>
#include <vector>

#include "report/format/svg.h"

namespace dlt {

// Boxes already taken in one drawing. Each is filed in the cells of a grid
// over the drawing that it reaches into (a box beyond the drawing in the
// cells at its edge), so that a box is tested only against the boxes of
// its own cells: a drawing with many labels costs time in proportion to
// them, not to their square.
constexpr double kTakenCell = 16;
constexpr std::size_t kTakenColumns = 48;  // kDrawingWidth / kTakenCell, rounded up
constexpr std::size_t kTakenRows = 16;
struct TakenBoxes {
  std::vector<Box> boxes;
  // kTakenColumns * kTakenRows lists of indices into boxes, row by row;
  // made with the first box.
  std::vector<std::vector<std::size_t>> cells;
};

bool overlaps(const Box& a, const Box& b);
bool is_free(const TakenBoxes& taken, const Box& box);

// Takes box, free or not.
void take(TakenBoxes& taken, const Box& box);

// Where a label goes: its box starts at `start` (a top edge) and moves by
// `step` (up when negative) until it is free and still within [limit_top,
// limit_bottom]. The box found is taken; false where none is free.
bool place_box(TakenBoxes& taken, Box& box, double step, double limit_top, double limit_bottom);

// Horizontal placement of a label of the given width: centred on x, ending at
// x, or starting at x, and then moved inside the drawing.
enum class Anchor { middle, end, start };
double label_left(double x, double width, Anchor anchor);

}  // namespace dlt
