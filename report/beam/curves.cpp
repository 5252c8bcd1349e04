#include "report/beam/curves.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace dlt {

namespace {

// The values each curve must show, zero included. Where both extremes of a
// quantity are drawable, they bound every drawable value; where one is not
// (a value or an x beyond the doubles), the drawable rows and extremes are
// found in a walk of their own.
void value_ranges(const CompletePass& pass, const BeamSummary& summary, double (&lo)[kQuantityCount],
                  double (&hi)[kQuantityCount]) {
  bool known = true;
  for (Quantity q : kQuantities) {
    lo[quantity_index(q)] = 0;
    hi[quantity_index(q)] = 0;
    for (bool largest : {true, false}) {
      const Extreme& e = extreme_of(summary, q, largest);
      if (!is_drawable(e.x, e.value)) {
        known = false;
        continue;
      }
      lo[quantity_index(q)] = std::min(lo[quantity_index(q)], e.value);
      hi[quantity_index(q)] = std::max(hi[quantity_index(q)], e.value);
    }
  }
  if (known) return;
  Walk walk = start_walk(pass, false);
  TableRow row;
  while (next_row(walk, row)) {
    for (Quantity q : kQuantities) {
      double v = value_of(row.at, q);
      if (!is_drawable(row.x, v)) continue;
      lo[quantity_index(q)] = std::min(lo[quantity_index(q)], v);
      hi[quantity_index(q)] = std::max(hi[quantity_index(q)], v);
    }
  }
}

// One curve under way in the walk: its thinning, and the extremes that
// still have to be met, in a row or between two rows.
struct Tracing {
  Quantity q = Quantity::w;
  CurveThinning thinning;
  Extreme extremes[2];
  bool previous_drawn = false;
};

void add_value(Tracing& t, const XScale& xs, double x, double v) {
  bool keep = false;
  for (Extreme& e : t.extremes) {
    if (x == e.x && v == e.value) {
      keep = true;
      e.x = std::numeric_limits<double>::quiet_NaN();  // once
    }
  }
  add_point(t.thinning, {to_drawing(xs, x), to_drawing(t.thinning.curve.scale, v)}, keep);
}

// A point between two rows: how far along the piece it lies, its x and
// value.
struct Between {
  double along = 0;
  double x = 0;
  double value = 0;
};

// The points of t's curve between the rows at previous_x and row_x: those
// the walk drew there, the beam's extremes found there where the row before
// was drawn, and the fields' moments given, in their order along the piece.
void add_between(Tracing& t, const XScale& xs, double previous_x, double row_x,
                 const std::vector<TableRow>& drawn, const std::vector<Extreme>& fields,
                 std::vector<Between>& points) {
  points.clear();
  double direction = previous_x < row_x ? 1 : -1;
  auto take = [&](double x, double v) { points.push_back({(x - previous_x) * direction, x, v}); };
  for (const TableRow& at : drawn) {
    double v = value_of(at.at, t.q);
    if (is_drawable(at.x, v)) take(at.x, v);
  }
  if (t.previous_drawn) {
    for (const Extreme& e : t.extremes) {
      bool inside = (previous_x < e.x && e.x < row_x) || (row_x < e.x && e.x < previous_x);
      if (inside && is_drawable(e.x, e.value)) take(e.x, e.value);
    }
  }
  for (const Extreme& field : fields) take(field.x, field.value);
  std::stable_sort(points.begin(), points.end(),
                   [](const Between& a, const Between& b) { return a.along < b.along; });
  for (const Between& p : points) add_value(t, xs, p.x, p.value);
}

}  // namespace

Curves trace_curves(const CompletePass& pass, const BeamSummary& summary, const XScale& scale) {
  double lo[kQuantityCount];
  double hi[kQuantityCount];
  value_ranges(pass, summary, lo, hi);
  Tracing tracing[kQuantityCount];
  for (Quantity q : kQuantities) {
    Tracing& t = tracing[quantity_index(q)];
    t.q = q;
    t.thinning.curve.scale = y_scale(lo[quantity_index(q)], hi[quantity_index(q)], is_downward(q));
    t.thinning.curve.zero = to_drawing(t.thinning.curve.scale, 0);
    t.extremes[0] = extreme_of(summary, q, true);
    t.extremes[1] = extreme_of(summary, q, false);
  }
  // The spans' field moments lie on the M curve too, where they fit in
  // between its rows; they are thinned as the rows are.
  Tracing& moments = tracing[quantity_index(Quantity::M)];
  std::size_t next_span = 0;
  // Between the table's rows the curves follow the engine's values at the
  // drawing's resolution, so that they show no corner there.
  Walk walk = start_drawing_walk(pass, std::fabs(scale.factor));
  TableRow row;
  double previous_x = 0;
  std::vector<Between> between;
  std::vector<Extreme> fields;
  const std::vector<Extreme> none;
  while (next_row(walk, row)) {
    fields.clear();
    for (; next_span < summary.spans.size() && moments.previous_drawn && previous_x < row.x; ++next_span) {
      const Span& span = summary.spans[next_span];
      Extreme field;
      bool has_field =
          field_moment(span, summary.elements[span.start].x, summary.elements[span.end].x, field);
      if (has_field && !(field.x < row.x)) break;
      // Where an extreme of the beam lies in the same piece, the curve has
      // that one: the two would be the same or nearly.
      bool extreme_here = false;
      for (const Extreme& e : moments.extremes)
        extreme_here = extreme_here || (previous_x < e.x && e.x < row.x);
      if (has_field && previous_x < field.x && is_drawable(field.x, field.value) && !extreme_here)
        fields.push_back(field);
    }
    for (Tracing& t : tracing) {
      add_between(t, scale, previous_x, row.x, walk.drawn, &t == &moments ? fields : none, between);
      double v = value_of(row.at, t.q);
      t.previous_drawn = is_drawable(row.x, v);
      if (t.previous_drawn) {
        add_value(t, scale, row.x, v);
      } else {
        break_run(t.thinning);
      }
    }
    previous_x = row.x;
  }
  Curves curves;
  for (Tracing& t : tracing) curves.of[quantity_index(t.q)] = finish_curve(t.thinning);
  return curves;
}

}  // namespace dlt
