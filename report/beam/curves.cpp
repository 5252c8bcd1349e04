#include "report/beam/curves.h"

#include <algorithm>
#include <limits>
#include <utility>

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
  Walk walk = start_walk(pass, false);
  TableRow row;
  double previous_x = 0;
  while (next_row(walk, row)) {
    for (; next_span < summary.spans.size() && moments.previous_drawn && previous_x < row.x; ++next_span) {
      const Span& span = summary.spans[next_span];
      Extreme field;
      bool has_field =
          field_moment(span, summary.elements[span.start].x, summary.elements[span.end].x, field);
      if (has_field && !(field.x < row.x)) break;
      // Where an extreme of the beam lies in the same piece, the curve has
      // that one: the two would have to go in their order.
      bool extreme_here = false;
      for (const Extreme& e : moments.extremes)
        extreme_here = extreme_here || (previous_x < e.x && e.x < row.x);
      if (has_field && previous_x < field.x && is_drawable(field.x, field.value) && !extreme_here)
        add_value(moments, scale, field.x, field.value);
    }
    for (Tracing& t : tracing) {
      // The extremes found between table points lie on the curve too, in
      // their order along it.
      if (t.previous_drawn) {
        Extreme between[2];
        std::size_t count = 0;
        for (const Extreme& e : t.extremes) {
          bool inside = (previous_x < e.x && e.x < row.x) || (row.x < e.x && e.x < previous_x);
          if (inside && is_drawable(e.x, e.value)) between[count++] = e;
        }
        if (count == 2 && (between[1].x < between[0].x) == (previous_x < row.x))
          std::swap(between[0], between[1]);
        for (std::size_t i = 0; i < count; ++i) add_value(t, scale, between[i].x, between[i].value);
      }
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
