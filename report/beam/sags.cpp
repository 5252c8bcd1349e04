#include "report/beam/sags.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "report/pass/element_roles.h"

namespace dlt {

// A ratio beyond this is a deflection under the rounding of the positions
// themselves (a double holds some 16 digits): no deflection at all.
constexpr double kLargestRatio = 1e15;

Chord chord_of(double x0, double w0, double x1, double w1) { return {x0, w0, (w1 - w0) / (x1 - x0)}; }

double from_chord(const Chord& chord, double x, double w) {
  return w - (chord.w0 + (chord.slope * (x - chord.x0)));
}

double from_tangent(double x_support, const PointValues& at, double x_end, double w_end) {
  return w_end - (at.w + (at.p * (x_end - x_support)));
}

std::string sag_ratio_text(double length, double f) {
  double ratio = std::fabs(length) / std::fabs(f);
  if (f == 0 || !(ratio < kLargestRatio)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "l/%.0f", std::round(ratio));
  return text;
}

namespace {

void consider_sag(Span& span, const Chord& chord, double x, double w) {
  double f = from_chord(chord, x, w);
  if (!replaces_extreme(std::fabs(f), std::fabs(span.sag.value), !span.has_sag, true)) return;
  span.sag = {f, x};
  span.has_sag = true;
}

}  // namespace

void measure_sags(const CompletePass& pass, BeamSummary& summary) {
  std::vector<Span>& spans = summary.spans;
  const std::vector<Element>& elements = pass.record.elements;
  std::vector<Chord> chords(spans.size());
  std::vector<bool> is_field(spans.size(), false);
  bool any_field = false;
  for (std::size_t i = 0; i < spans.size(); ++i) {
    Span& span = spans[i];
    double from = summary.elements[span.start].x;
    double to = summary.elements[span.end].x;
    if (!span.has_values || from == to) continue;
    bool left = is_support(elements[span.start]);
    bool right = is_support(elements[span.end]);
    if (left && right) {
      chords[i] = chord_of(from, span.first.w, to, span.last.w);
      is_field[i] = true;
      any_field = true;
    } else if (left || right) {
      span.sag = left ? Extreme{from_tangent(from, span.first, to, span.last.w), to}
                      : Extreme{from_tangent(to, span.last, from, span.first.w), from};
      span.has_sag = true;
    }
  }
  if (!any_field) return;
  Walk walk = start_walk(pass, false);
  std::size_t i = 0;  // the span of the row, as the summary's walk found it
  auto aim = [&] {
    walk.find_slope = is_field[i];
    walk.slope = chords[i].slope;
  };
  aim();
  TableRow row;
  while (next_row(walk, row)) {
    // A row from a support other than its span's start starts the next span.
    if (walk.element != spans[i].start && is_support(elements[walk.element]) && i + 1 < spans.size())
      i = i + 1;
    if (is_field[i]) {
      for (const TableRow& point : walk.at_slope) consider_sag(spans[i], chords[i], point.x, point.at.w);
      consider_sag(spans[i], chords[i], row.x, row.at.w);
    }
    aim();
  }
}

}  // namespace dlt
