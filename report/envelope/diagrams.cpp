#include "report/envelope/diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "report/beam/curves.h"
#include "report/beam/diagrams.h"
#include "report/envelope/walk.h"
#include "report/format/curve.h"
#include "report/format/diagram.h"
#include "report/format/numbers.h"
#include "report/format/table.h"
#include "report/pass/replay.h"

namespace dlt {

namespace {

// A value an edge of the band passes through, where a label may point:
// the beam's extreme, which its thinning keeps, or a span's.
struct Mark {
  double x = 0;
  double value = 0;
  bool keep = false;
};

// One diagram under way: its edges, the permanent load's curve, and for
// each edge the marks by x, with the next one still to come.
struct Tracing {
  Quantity q = Quantity::M;
  CurveThinning edges[2];  // the largest values, the smallest
  CurveThinning permanent;
  std::vector<Mark> marks[2];
  std::size_t next[2] = {0, 0};
  bool edges_drawn = false;  // at the row before
};

// The values the diagram must show, zero included: the envelope's and
// those of the permanent load, which factors other than one may put
// outside it. The extremes bound the rows where they are finite.
YScale value_scale(const EnvelopeSummary& summary, Quantity q) {
  int i = quantity_index(q);
  RowRange values;  // from zero
  auto take = [&values](double v) { widen(values, v, false, Widening::finite_values); };
  for (const RowRange& range :
       {summary.largest_rows[i], summary.smallest_rows[i], summary.first_case.rows[i]}) {
    take(range.lo);
    take(range.hi);
  }
  for (const CaseExtreme* e : {&summary.largest[i], &summary.smallest[i]}) {
    if (e->found) take(e->value);
  }
  take(summary.first_case.largest[i].value);
  take(summary.first_case.smallest[i].value);
  return y_scale(values.lo, values.hi, is_downward(q));
}

// The extremes each edge passes through, by x: the envelope's, and in M
// each span's, found between rows too.
void mark_extremes(Tracing& t, const EnvelopeSummary& summary) {
  int i = quantity_index(t.q);
  for (int side = 0; side < 2; ++side) {
    bool largest = side == 0;
    std::vector<Mark>& marks = t.marks[side];
    auto mark = [&](const CaseExtreme& e, bool keep) {
      if (e.found && is_drawable(e.x, e.value)) marks.push_back({e.x, e.value, keep});
    };
    mark(largest ? summary.largest[i] : summary.smallest[i], true);
    if (t.q == Quantity::M) {
      for (const EnvelopeSpan& span : summary.spans) mark(largest ? span.largest_M : span.smallest_M, false);
    }
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.x < b.x; });
    // The beam's extreme is also a span's: it comes first, kept.
    auto same = [](const Mark& a, const Mark& b) { return a.x == b.x && a.value == b.value; };
    marks.erase(std::unique(marks.begin(), marks.end(), same), marks.end());
  }
}

CurvePoint point(const XScale& xs, const Tracing& t, double x, double v) {
  return {to_drawing(xs, x), to_drawing(t.permanent.curve.scale, v)};
}

// A point between two rows where the diagrams follow the engine's values:
// the envelope there and the permanent load's own values.
struct Sample {
  double x = 0;
  EnvelopeValues values;
  PointValues permanent;
};

// The points dividing the interval that ended at row at the drawing's
// resolution, units_per_length drawing units to a length, so that the
// curves show no corner between rows; none after the right side of a
// point, which ends an interval of no length.
void sample_interval(EnvelopeWalk& walk, const EnvelopeRow& row, const Factors& factors,
                     double units_per_length, std::vector<Sample>& samples) {
  samples.clear();
  if (row.after_point) return;
  double length = row.x - walk.interval_from;
  int parts = drawing_parts(length, units_per_length);
  for (int k = 1; k < parts; ++k) {
    double t = (length * k) / parts;
    EnvelopeRow inside{walk.interval_from + t, false, values_inside(walk, t)};
    samples.push_back({inside.x, combine_row(factors, inside), inside.cases.front()});
  }
}

// A point of an edge between two rows: how far along from the row before
// it lies, and whether the thinning keeps it.
struct Between {
  double along = 0;
  CurvePoint at;
  bool keep = false;
};

// Adds a row's values to the curves, after the samples between it and the
// row before. Where either edge cannot be drawn, both break off, so that
// their runs stay pairs for the band between them; a sample is drawn where
// both edges are. The marks an edge has passed since the row before lie
// between the two rows, in their order with the samples; where the rows
// come back along x, the marks passed are left out.
void add_row(Tracing& t, const XScale& xs, double previous_x, const EnvelopeRow& row,
             const EnvelopeValues& values, const std::vector<Sample>& samples,
             std::vector<Between>& between) {
  double edge_values[2] = {value_of(values.largest, t.q), value_of(values.smallest, t.q)};
  bool drawn = is_drawable(row.x, edge_values[0]) && is_drawable(row.x, edge_values[1]);
  double direction = previous_x < row.x ? 1 : -1;
  for (int side = 0; side < 2; ++side) {
    between.clear();
    for (const Sample& sample : samples) {
      double v[2] = {value_of(sample.values.largest, t.q), value_of(sample.values.smallest, t.q)};
      if (is_drawable(sample.x, v[0]) && is_drawable(sample.x, v[1]))
        between.push_back({(sample.x - previous_x) * direction, point(xs, t, sample.x, v[side]), false});
    }
    const std::vector<Mark>& marks = t.marks[side];
    std::size_t& next = t.next[side];
    for (; next < marks.size() && marks[next].x < row.x; ++next) {
      if (t.edges_drawn && drawn && marks[next].x > previous_x)
        between.push_back(
            {marks[next].x - previous_x, point(xs, t, marks[next].x, marks[next].value), marks[next].keep});
    }
    std::stable_sort(between.begin(), between.end(),
                     [](const Between& a, const Between& b) { return a.along < b.along; });
    for (const Between& b : between) add_point(t.edges[side], b.at, b.keep);
    if (!drawn) {
      break_run(t.edges[side]);
      continue;
    }
    bool keep = false;
    for (std::size_t k = next; k < marks.size() && marks[k].x == row.x; ++k)
      keep = keep || (marks[k].keep && marks[k].value == edge_values[side]);
    add_point(t.edges[side], point(xs, t, row.x, edge_values[side]), keep);
  }
  t.edges_drawn = drawn;
  for (const Sample& sample : samples) {
    double permanent = value_of(sample.permanent, t.q);
    if (is_drawable(sample.x, permanent)) add_point(t.permanent, point(xs, t, sample.x, permanent), false);
  }
  double permanent = row.cases.empty() ? std::nan("") : value_of(row.cases.front(), t.q);
  if (is_drawable(row.x, permanent)) {
    add_point(t.permanent, point(xs, t, row.x, permanent), false);
  } else {
    break_run(t.permanent);
  }
}

// A point of a path after its command: "M" or " L".
void append_path_point(std::string& out, const char* command, const CurvePoint& p) {
  out.append(command);
  append_point(out, p.X, p.Y, ' ');
}

// The band between the edges, a closed path for each pair of runs: along
// the largest values and back along the smallest.
void append_band(std::string& out, const Curve& largest, const Curve& smallest, Quantity q) {
  if (largest.runs.empty() || largest.runs.size() != smallest.runs.size()) return;
  out.append("<path class=\"bereich\" fill=\"");
  out.append(kDiagramFill[quantity_index(q)]);
  out.append("\" stroke=\"none\" d=\"");
  auto end_of = [](const Curve& c, std::size_t r) {
    return r + 1 < c.runs.size() ? c.runs[r + 1] : c.points.size();
  };
  for (std::size_t r = 0; r < largest.runs.size(); ++r) {
    for (std::size_t i = largest.runs[r]; i < end_of(largest, r); ++i)
      append_path_point(out, i == largest.runs[r] ? "M" : " L", largest.points[i]);
    for (std::size_t i = end_of(smallest, r); i-- > smallest.runs[r];)
      append_path_point(out, " L", smallest.points[i]);
    out.append("Z");
  }
  out.append("\"/>\n");
}

// The extent of the band and of the permanent load's curve over each
// drawing unit, as a curve of no points that labels keep clear of.
Curve outline_of(const Curve (&curves)[3]) {
  Curve outline;
  outline.scale = curves[0].scale;
  outline.zero = curves[0].zero;
  outline.in_order = false;
  outline.units.assign(kDrawingUnits, {outline.zero, outline.zero});
  for (std::size_t u = 0; u < kDrawingUnits; ++u) {
    double left = static_cast<double>(u);
    for (const Curve& c : curves) {
      auto [top, bottom] = extent(c, left, left + 1);
      outline.units[u].first = std::min(outline.units[u].first, top);
      outline.units[u].second = std::max(outline.units[u].second, bottom);
    }
  }
  return outline;
}

// The labels, in the order they are placed: the largest and the smallest
// value; then in M each span's largest, each support's smallest with each
// span's smallest, and each support's largest, each list largest first.
// None is wanted twice (a support's values are named as the support's, a
// beam's extreme as that), nor one that prints as zero.
struct WantedLabels {
  std::vector<Wanted> extremes;
  std::vector<Wanted> largest_in_fields;
  std::vector<Wanted> smallest;
  std::vector<Wanted> largest_at_supports;
};

WantedLabels wanted_labels(const EnvelopeSummary& summary, Quantity q) {
  WantedLabels wanted;
  int i = quantity_index(q);
  // Two labels would say the same where their x and value print alike.
  std::set<std::pair<std::string, std::string>> seen;
  auto want = [&seen](std::vector<Wanted>& into, const CaseExtreme& e, LabelKind kind, int field) {
    if (!e.found || !is_drawable(e.x, e.value) || prints_as_zero(e.value)) return;
    if (!seen.insert({fixed_text(e.x), fixed_text(e.value)}).second) return;
    into.push_back({e.x, e.value, Anchor::middle, kind, field, static_cast<std::uint32_t>(into.size()),
                    acting_cases(e.arrangement)});
  };
  want(wanted.extremes, summary.largest[i], LabelKind::largest, 0);
  want(wanted.extremes, summary.smallest[i], LabelKind::smallest, 0);
  if (q != Quantity::M) return wanted;
  for (const EnvelopeSupport& support : summary.supports) {
    want(wanted.smallest, support.smallest_M, LabelKind::smallest_at_support, 0);
    want(wanted.largest_at_supports, support.largest_M, LabelKind::largest_at_support, 0);
  }
  int number = 0;
  for (const EnvelopeSpan& span : summary.spans) {
    if (!span.is_cantilever) number = number + 1;
    int field = span.is_cantilever ? 0 : number;
    want(wanted.largest_in_fields, span.largest_M, LabelKind::largest_in_field, field);
    want(wanted.smallest, span.smallest_M, LabelKind::smallest_in_field, field);
  }
  auto larger = [](const Wanted& a, const Wanted& b) { return std::fabs(a.value) > std::fabs(b.value); };
  for (std::vector<Wanted>* list : {&wanted.largest_in_fields, &wanted.smallest, &wanted.largest_at_supports})
    std::stable_sort(list->begin(), list->end(), larger);
  return wanted;
}

// In the title's line at the right, where the title leaves room: what the
// band and the dashed curve are.
void append_legend(std::string& out, Quantity q, const UnitNames& units) {
  const std::vector<std::string> band = {"Grenzwerte"};
  const std::vector<std::string> permanent = {"LF 1 (staendig, ohne Faktor)"};
  double permanent_left = kDrawingWidth - 2 - text_width(permanent);
  double band_left = permanent_left - 30 - text_width(band);
  // The title's font is wider than the labels'; this is more than it takes.
  double title_right = kPlotLeft + (7 * static_cast<double>(diagram_title(plotted(q), units).size()));
  if (title_right > band_left - 24) return;
  out.append("<rect x=\"");
  append_coordinate(out, band_left - 16);
  out.append("\" y=\"3\" width=\"12\" height=\"10\" fill=\"");
  out.append(kDiagramFill[quantity_index(q)]);
  out.append("\" stroke=\"");
  out.append(kDiagramStroke[quantity_index(q)]);
  out.append("\"/>\n");
  append_text(out, text_box(band_left, 2, band), band, "wert");
  out.append("<line class=\"legende\" stroke=\"#000\" stroke-dasharray=\"5 3\" x1=\"");
  append_coordinate(out, permanent_left - 24);
  out.append("\" y1=\"8\" x2=\"");
  append_coordinate(out, permanent_left - 4);
  out.append("\" y2=\"8\"/>\n");
  append_text(out, text_box(permanent_left, 2, permanent), permanent, "wert");
}

// The drawing, and the labels it found no room for in left_out.
std::string diagram(const Tracing& t, const Curve (&curves)[3], const EnvelopeSummary& summary,
                    const XScale& scale, const UnitNames& units, std::vector<Wanted>& left_out) {
  std::string out = diagram_start(std::string("grenzlinie-") + quantity_name(t.q), plotted(t.q), units);
  append_legend(out, t.q, units);
  append_band(out, curves[0], curves[1], t.q);
  append_line(out, kPlotLeft, curves[0].zero, kPlotLeft + kPlotWidth, curves[0].zero, "null");
  std::string edge = std::string("fill=\"none\" stroke=\"") + kDiagramStroke[quantity_index(t.q)] +
                     "\" stroke-width=\"1.2\" class=\"";
  append_curve(out, curves[0], edge + "groesste\"", false);
  append_curve(out, curves[1], edge + "kleinste\"", false);
  append_curve(out, curves[2], "fill=\"none\" stroke=\"#000\" stroke-dasharray=\"5 3\" class=\"staendig\"",
               false);
  WantedLabels wanted = wanted_labels(summary, t.q);
  append_labels(out, outline_of(curves),
                {&wanted.extremes, &wanted.largest_in_fields, &wanted.smallest, &wanted.largest_at_supports},
                scale, plotted(t.q), units, {true, &left_out});
  out.append("</svg>\n");
  return out;
}

}  // namespace

std::vector<EnvelopeDiagram> envelope_diagrams(const EnvelopeRun& run, const EnvelopeSummary& summary,
                                               const XScale& scale, const UnitNames& units) {
  Tracing tracings[std::size(kEnvelopeDiagrams)];
  for (std::size_t d = 0; d < std::size(kEnvelopeDiagrams); ++d) {
    Tracing& t = tracings[d];
    t.q = kEnvelopeDiagrams[d];
    YScale values = value_scale(summary, t.q);
    for (CurveThinning* c : {&t.edges[0], &t.edges[1], &t.permanent}) {
      c->curve.scale = values;
      c->curve.zero = to_drawing(values, 0);
    }
    mark_extremes(t, summary);
  }
  EnvelopeWalk walk = start_envelope_walk(run.cases, run.pieces);
  EnvelopeRow row;
  double previous_x = 0;
  std::vector<Sample> samples;
  std::vector<Between> between;
  while (next_envelope_row(walk, row)) {
    sample_interval(walk, row, run.factors, std::fabs(scale.factor), samples);
    EnvelopeValues values = combine_row(run.factors, row);
    for (Tracing& t : tracings) add_row(t, scale, previous_x, row, values, samples, between);
    previous_x = row.x;
  }
  std::vector<EnvelopeDiagram> diagrams;
  for (Tracing& t : tracings) {
    Curve curves[3] = {finish_curve(t.edges[0]), finish_curve(t.edges[1]), finish_curve(t.permanent)};
    EnvelopeDiagram& d = diagrams.emplace_back();
    d.q = t.q;
    d.svg = diagram(t, curves, summary, scale, units, d.left_out);
  }
  return diagrams;
}

}  // namespace dlt
