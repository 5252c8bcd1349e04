#include "report/beam_summary.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace dlt {

// Takes in the values at x. A NaN gives way to any number; a number never
// to a NaN.
static void consider(BeamSummary& summary, bool first, double x, const PointValues& at) {
  for (Quantity q : kQuantities) {
    double v = value_of(at, q);
    Extreme& large = summary.largest[quantity_index(q)];
    Extreme& small = summary.smallest[quantity_index(q)];
    if (first || v > large.value || (std::isnan(large.value) && !std::isnan(v))) large = {v, x};
    if (first || v < small.value || (std::isnan(small.value) && !std::isnan(v))) small = {v, x};
  }
}

BeamSummary summarize_beam(const CompletePass& pass) {
  BeamSummary summary;
  summary.x_min = std::numeric_limits<double>::infinity();
  summary.x_max = -std::numeric_limits<double>::infinity();
  std::size_t count = pass.record.elements.size();
  summary.elements.resize(count);
  Walk walk = start_walk(pass, true);
  TableRow row;
  PointValues last;
  bool first = true;
  std::size_t current = count;  // the element the last row came from
  while (next_row(walk, row)) {
    for (const TableRow& point : walk.inside) consider(summary, false, point.x, point.at);
    consider(summary, first, row.x, row.at);
    if (std::isfinite(row.x)) {
      summary.x_min = std::min(summary.x_min, row.x);
      summary.x_max = std::max(summary.x_max, row.x);
    }
    ElementValues& values = summary.elements[walk.element];
    if (walk.element != current) {
      values.x = walk.element_x;
      values.before = first ? row.at : last;
      current = walk.element;
    }
    values.after = row.at;
    last = row.at;
    first = false;
  }
  if (count > 0) summary.elements[count - 1] = {walk.x, last, last};
  return summary;
}

const Extreme& extreme_of(const BeamSummary& summary, Quantity q, bool largest) {
  return largest ? summary.largest[quantity_index(q)] : summary.smallest[quantity_index(q)];
}

std::string extreme_name(Quantity q, bool largest) {
  std::string name(largest ? "max " : "min ");
  name.append(quantity_name(q));
  return name;
}

}  // namespace dlt
