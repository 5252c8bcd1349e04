// The spans of a complete beam: a span runs from one support to the next,
// where a support is an end where w is held, an intermediate support or a
// spring. A stretch from a free end to the nearest support is a cantilever.
// For each, the largest and smallest M and the largest |w| with their x,
// gathered along the summary's walk, the points between table rows
// included, and its sag (report/beam/sags.h).
#pragma once

#include <cstddef>
#include <vector>

#include "engine/element.h"
#include "engine/results.h"
#include "report/pass/element_roles.h"

namespace dlt {

// A value and the first x where the course takes it.
struct Extreme {
  double value = 0;
  double x = 0;
};

// Whether v takes the place of current, the largest (or smallest) value so
// far; first where there is none yet. A NaN gives way to any number; a
// number never to a NaN.
bool replaces_extreme(double v, double current, bool first, bool larger);

struct Span {
  std::size_t start = 0;  // the element it starts at: a support or the left end
  std::size_t end = 0;    // the element it ends at: a support or the right end
  bool is_cantilever = false;
  Extreme largest_M;
  Extreme smallest_M;
  Extreme largest_w;  // the largest |w|, as a magnitude
  bool has_values = false;
  // The values at its first and last row: where its chord or its arm's
  // tangent starts.
  PointValues first;
  PointValues last;
  // Its w measured from its chord, or its arm's from the tangent at its
  // support, with the sign of w; none where it has no support or no length.
  Extreme sag;
  bool has_sag = false;
};

// A span's field moment: its largest M where that is positive and lies
// inside the span, between from and to, the x of its ends; false where the
// span has none (a cantilever, or a span hogging throughout).
bool field_moment(const Span& span, double from, double to, Extreme& field);

// Whether x lies inside a span from one end to the other, in either order,
// and not at either end.
bool strictly_between(double x, double from, double to);

// The spans of a walk as it goes: the rows come in order, each from the
// element the walk reports.
struct SpanTracker {
  std::vector<Span> spans;
};

// Takes in a row or a point between rows, coming from element k of elements.
// A row from a support other than the left end starts a new span there.
void track_span_row(SpanTracker& tracker, const std::vector<Element>& elements, std::size_t k, double x,
                    const PointValues& at);
void track_span_point(SpanTracker& tracker, double x, const PointValues& at);

// Closes the last span at the right end, the last element.
void finish_spans(SpanTracker& tracker, const std::vector<Element>& elements);

}  // namespace dlt
