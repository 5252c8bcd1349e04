#include "report/beam/summary.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "report/beam/sags.h"
#include "report/beam/shaft_stress.h"

namespace dlt {

namespace {

// Takes in the values at x.
void consider(BeamSummary& summary, bool first, double x, const PointValues& at) {
  for (Quantity q : kQuantities) {
    double v = value_of(at, q);
    Extreme& large = summary.largest[quantity_index(q)];
    Extreme& small = summary.smallest[quantity_index(q)];
    if (replaces_extreme(v, large.value, first, true)) large = {v, x};
    if (replaces_extreme(v, small.value, first, false)) small = {v, x};
  }
}

// Takes in sigma at x where the section there is a shaft's; in_table where
// the point is a row of the value table.
void consider_stress(BeamSummary& summary, const SectionCourse& sections, double x, double M, bool in_table) {
  double sigma = 0;
  if (!stress_in_section(sections, M, sigma)) return;
  bool first = !summary.has_stress;
  if (replaces_extreme(std::fabs(sigma), summary.largest_stress.value, first, true))
    summary.largest_stress = {std::fabs(sigma), x};
  if (in_table) widen(summary.stress_rows, sigma, first, Widening::every_value);
  summary.has_stress = true;
}

}  // namespace

BeamSummary summarize_beam(const CompletePass& pass) {
  BeamSummary summary;
  summary.x_min = std::numeric_limits<double>::infinity();
  summary.x_max = -std::numeric_limits<double>::infinity();
  const std::vector<Element>& elements = pass.record.elements;
  std::size_t count = elements.size();
  summary.elements.resize(count);
  SpanTracker spans;
  SectionCourse sections = start_sections(elements);
  Walk walk = start_walk(pass, true);
  TableRow row;
  TableRow last;
  bool first = true;
  std::size_t current = count;  // the element the last row came from
  while (next_row(walk, row)) {
    if (enter_row(sections, walk.element)) consider_stress(summary, sections, last.x, last.at.M, true);
    for (const TableRow& point : walk.inside) {
      consider(summary, false, point.x, point.at);
      track_span_point(spans, point.x, point.at);
      consider_stress(summary, sections, point.x, point.at.M, false);
    }
    consider(summary, first, row.x, row.at);
    for (Quantity q : kQuantities)
      widen(summary.rows[quantity_index(q)], value_of(row.at, q), first, Widening::every_value);
    track_span_row(spans, elements, walk.element, row.x, row.at);
    consider_stress(summary, sections, row.x, row.at.M, true);
    if (std::isfinite(row.x)) {
      summary.x_min = std::min(summary.x_min, row.x);
      summary.x_max = std::max(summary.x_max, row.x);
    }
    ElementValues& values = summary.elements[walk.element];
    if (walk.element != current) {
      values.x = walk.element_x;
      values.before = first ? row.at : last.at;
      current = walk.element;
    }
    values.after = row.at;
    last = row;
    first = false;
  }
  if (count > 0) summary.elements[count - 1] = {walk.x, last.at, last.at};
  finish_spans(spans, elements);
  summary.spans = std::move(spans.spans);
  measure_sags(pass, summary);
  return summary;
}

const Extreme& extreme_of(const BeamSummary& summary, Quantity q, bool largest) {
  return largest ? summary.largest[quantity_index(q)] : summary.smallest[quantity_index(q)];
}

}  // namespace dlt
