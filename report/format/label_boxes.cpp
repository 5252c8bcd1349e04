#include "report/format/label_boxes.h"

#include <algorithm>
#include <cmath>

namespace dlt {

bool overlaps(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

namespace {

// The cell of the grid a coordinate falls in, along one side of it; held
// to the grid, NaN at its start.
std::size_t cell_of(double value, std::size_t count) {
  double cell = std::floor(value / kTakenCell);
  if (!(cell >= 0)) return 0;
  double last = static_cast<double>(count - 1);
  if (cell > last) return count - 1;
  return static_cast<std::size_t>(cell);
}

// The cells a box reaches into, first and last along each side. Any two
// boxes that overlap share a cell: the cells of the lower edge to those of
// the higher hold every point of the box, even of one turned inside out.
struct Cells {
  std::size_t column_first, column_last, row_first, row_last;
};

Cells cells_of(const Box& box) {
  return {cell_of(std::min(box.left, box.right), kTakenColumns),
          cell_of(std::max(box.left, box.right), kTakenColumns),
          cell_of(std::min(box.top, box.bottom), kTakenRows),
          cell_of(std::max(box.top, box.bottom), kTakenRows)};
}

}  // namespace

bool is_free(const TakenBoxes& taken, const Box& box) {
  if (taken.cells.empty()) return true;
  Cells c = cells_of(box);
  for (std::size_t row = c.row_first; row <= c.row_last; ++row) {
    for (std::size_t column = c.column_first; column <= c.column_last; ++column) {
      for (std::size_t i : taken.cells[(row * kTakenColumns) + column])
        if (overlaps(box, taken.boxes[i])) return false;
    }
  }
  return true;
}

void take(TakenBoxes& taken, const Box& box) {
  if (taken.cells.empty()) taken.cells.resize(kTakenColumns * kTakenRows);
  Cells c = cells_of(box);
  for (std::size_t row = c.row_first; row <= c.row_last; ++row) {
    for (std::size_t column = c.column_first; column <= c.column_last; ++column)
      taken.cells[(row * kTakenColumns) + column].push_back(taken.boxes.size());
  }
  taken.boxes.push_back(box);
}

bool place_box(TakenBoxes& taken, Box& box, double step, double limit_top, double limit_bottom) {
  if (!(std::fabs(step) > 0) || !std::isfinite(box.top) || !std::isfinite(box.bottom)) return false;
  while (box.top >= limit_top && box.bottom <= limit_bottom) {
    if (is_free(taken, box)) {
      take(taken, box);
      return true;
    }
    box.top = box.top + step;
    box.bottom = box.bottom + step;
  }
  return false;
}

double label_left(double x, double width, Anchor anchor) {
  double left = x;
  if (anchor == Anchor::middle) left = x - (width / 2);
  if (anchor == Anchor::end) left = x - width;
  double most = kDrawingWidth - 2 - width;
  if (!(left <= most)) left = most;
  if (!(left >= 2)) left = 2;
  return left;
}

}  // namespace dlt
