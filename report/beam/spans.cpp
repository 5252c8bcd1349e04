#include "report/beam/spans.h"

#include <cmath>

namespace dlt {

bool field_moment(const Span& span, double from, double to, Extreme& field) {
  if (span.is_cantilever || !span.has_values || !(span.largest_M.value > 0)) return false;
  field = span.largest_M;
  return strictly_between(field.x, from, to);
}

bool strictly_between(double x, double from, double to) {
  return (from < x && x < to) || (to < x && x < from);
}

bool replaces_extreme(double v, double current, bool first, bool larger) {
  if (first || (std::isnan(current) && !std::isnan(v))) return true;
  return larger ? v > current : v < current;
}

namespace {

void consider(Span& span, double x, const PointValues& at) {
  bool first = !span.has_values;
  if (replaces_extreme(at.M, span.largest_M.value, first, true)) span.largest_M = {at.M, x};
  if (replaces_extreme(at.M, span.smallest_M.value, first, false)) span.smallest_M = {at.M, x};
  double w = std::fabs(at.w);
  if (replaces_extreme(w, span.largest_w.value, first, true)) span.largest_w = {w, x};
  span.has_values = true;
}

void start_span(SpanTracker& tracker, const std::vector<Element>& elements, std::size_t k) {
  Span span;
  span.start = k;
  span.is_cantilever = !is_support(elements[k]);
  tracker.spans.push_back(span);
}

}  // namespace

void track_span_row(SpanTracker& tracker, const std::vector<Element>& elements, std::size_t k, double x,
                    const PointValues& at) {
  if (tracker.spans.empty()) {
    start_span(tracker, elements, k);
  } else if (k != tracker.spans.back().start && is_support(elements[k])) {
    tracker.spans.back().end = k;
    start_span(tracker, elements, k);
  }
  Span& span = tracker.spans.back();
  if (!span.has_values) span.first = at;
  span.last = at;
  consider(span, x, at);
}

void track_span_point(SpanTracker& tracker, double x, const PointValues& at) {
  if (!tracker.spans.empty()) consider(tracker.spans.back(), x, at);
}

void finish_spans(SpanTracker& tracker, const std::vector<Element>& elements) {
  if (tracker.spans.empty() || elements.empty()) return;
  Span& last = tracker.spans.back();
  last.end = elements.size() - 1;
  last.is_cantilever = last.is_cantilever || !is_support(elements.back());
}

}  // namespace dlt
