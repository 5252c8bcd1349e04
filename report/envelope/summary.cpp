#include "report/envelope/summary.h"

#include <cmath>
#include <optional>

#include "report/beam/spans.h"
#include "report/envelope/span_sags.h"
#include "report/envelope/walk.h"
#include "report/pass/piece_roots.h"

namespace dlt {

namespace {

// Takes v at x from arrangement where it goes beyond extreme.
void consider(CaseExtreme& extreme, double v, double x, const Arrangement& arrangement, bool larger) {
  if (!replaces_extreme(v, extreme.value, !extreme.found, larger)) return;
  extreme.value = v;
  extreme.x = x;
  extreme.arrangement = arrangement;
  extreme.found = true;
}

// The spans and supports of the first case, from its summary.
void lay_out(EnvelopeSummary& envelope, const LoadCase& first) {
  CompletePass pass{first.record, first.solved, 1};
  envelope.first_case = summarize_beam(pass);
  const BeamSummary& summary = envelope.first_case;
  const std::vector<Element>& elements = first.record.elements;
  // Each element's number among the supports, where it is one.
  std::vector<std::optional<std::size_t>> support_of(elements.size());
  for (std::size_t k = 0; k < elements.size(); ++k) {
    if (!is_support(elements[k])) continue;
    support_of[k] = envelope.supports.size();
    envelope.supports.push_back({k, summary.elements[k].x, {}, {}});
  }
  for (const Span& span : summary.spans) {
    EnvelopeSpan field;
    field.from = summary.elements[span.start].x;
    field.to = summary.elements[span.end].x;
    field.is_cantilever = span.is_cantilever;
    field.from_support = support_of[span.start];
    field.to_support = support_of[span.end];
    envelope.spans.push_back(field);
  }
  for (const Reaction& reaction : beam_statics(first.record, summary).reactions)
    envelope.reactions.push_back({reaction, {}, {}});
}

// The value of each case at support i, or reaction i; NaN where a case has
// none there.
std::vector<double> at_support(const LoadCases& cases, std::size_t i, Quantity q) {
  std::vector<double> values;
  for (const LoadCase& c : cases.cases)
    values.push_back(i < c.at_supports.size() ? value_of(c.at_supports[i], q) : std::nan(""));
  return values;
}

std::vector<double> of_reaction(const LoadCases& cases, std::size_t i) {
  std::vector<double> values;
  for (const LoadCase& c : cases.cases)
    values.push_back(i < c.reactions.size() ? c.reactions[i] : std::nan(""));
  return values;
}

void combine_at_supports(EnvelopeSummary& envelope, const LoadCases& cases, const Factors& factors) {
  Arrangement arrangement;
  for (std::size_t i = 0; i < envelope.supports.size(); ++i) {
    EnvelopeSupport& support = envelope.supports[i];
    std::vector<double> M = at_support(cases, i, Quantity::M);
    for (bool larger : {true, false}) {
      double v = combine(factors, M, larger, &arrangement);
      consider(larger ? support.largest_M : support.smallest_M, v, support.x, arrangement, larger);
    }
  }
  for (std::size_t i = 0; i < envelope.reactions.size(); ++i) {
    EnvelopeReaction& reaction = envelope.reactions[i];
    std::vector<double> values = of_reaction(cases, i);
    for (bool larger : {true, false}) {
      double v = combine(factors, values, larger, &arrangement);
      consider(larger ? reaction.largest : reaction.smallest, v, reaction.reaction.x, arrangement, larger);
    }
  }
}

// Where arrangement's Q passes zero inside the interval the walk just
// made, its M there goes beyond extreme: found exactly, between table
// points.
void refine(EnvelopeWalk& walk, double to, CaseExtreme& extreme, bool larger) {
  double h = to - walk.interval_from;
  if (!(h > 0) || !std::isfinite(h)) return;
  std::vector<IntervalLoad> loads = interval_loads(walk);
  std::vector<double> q;
  std::vector<double> qs;
  q.reserve(loads.size());
  qs.reserve(loads.size());
  for (const IntervalLoad& load : loads) {
    q.push_back(load.q);
    qs.push_back(load.qs);
  }
  // Q at the interval's start, from the case's values there.
  std::vector<double> Q0 = case_values(values_inside(walk, 0), Quantity::Q);
  const Arrangement& a = extreme.arrangement;
  std::vector<double> Q = {arranged_value(a, Q0), -arranged_value(a, q), -arranged_value(a, qs) / 2};
  for (double t : roots_between(Q, 0, h)) {
    std::vector<double> M = case_values(values_inside(walk, t), Quantity::M);
    double v = arranged_value(a, M);
    if (larger ? v > extreme.value : v < extreme.value) {
      extreme.value = v;
      extreme.x = walk.interval_from + t;
    }
  }
}

// The span a row belongs to: the right side of a support starts the next.
// The rows where its extremes were found, and its cases' chords.
struct SpanCursor {
  std::size_t span = 0;
  std::uint64_t largest_row = 0;
  std::uint64_t smallest_row = 0;
  std::uint64_t sag_row = 0;
  std::vector<Chord> chords;
};

void track_span(EnvelopeSummary& envelope, SpanCursor& cursor, EnvelopeWalk& walk, const EnvelopeRow& row,
                const EnvelopeRun& run, std::uint64_t index) {
  if (envelope.spans.empty()) return;
  const Factors& factors = run.factors;
  std::size_t before = cursor.span;
  while (row.after_point && cursor.span + 1 < envelope.spans.size() &&
         std::fabs(row.x - envelope.spans[cursor.span + 1].from) <= walk.tolerance)
    cursor.span = cursor.span + 1;
  EnvelopeSpan& span = envelope.spans[cursor.span];
  if (index == 0 || before != cursor.span) cursor.chords = case_chords(run.cases, span);
  // The interval just walked lies in the span.
  bool interval_in_span = !row.after_point && index > 0 && before == cursor.span;
  std::vector<double> M = case_values(row.cases, Quantity::M);
  Arrangement arrangement;
  for (bool larger : {true, false}) {
    CaseExtreme& extreme = larger ? span.largest_M : span.smallest_M;
    std::uint64_t& best_row = larger ? cursor.largest_row : cursor.smallest_row;
    double v = combine(factors, M, larger, &arrangement);
    if (replaces_extreme(v, extreme.value, !extreme.found, larger)) {
      consider(extreme, v, row.x, arrangement, larger);
      best_row = index;
    }
    // Between rows where the interval lies next to the best row.
    if (interval_in_span && (best_row == index || best_row + 1 == index))
      refine(walk, row.x, extreme, larger);
  }
  if (cursor.chords.empty()) return;
  if (track_sag(span, cursor.chords, row)) cursor.sag_row = index;
  if (interval_in_span && (cursor.sag_row == index || cursor.sag_row + 1 == index))
    refine_sag(span, cursor.chords, walk, row.x);
}

bool all_finite(const PointValues& at) {
  return std::isfinite(at.w) && std::isfinite(at.p) && std::isfinite(at.M) && std::isfinite(at.Q);
}

// Marks the load cases with a value at the row that is no finite number.
void mark_not_finite(std::vector<bool>& not_finite, const std::vector<PointValues>& cases) {
  for (std::size_t c = 0; c < cases.size() && c < not_finite.size(); ++c)
    if (!all_finite(cases[c])) not_finite[c] = true;
}

// The same for the values each case keeps at the supports and reactions.
void mark_not_finite(std::vector<bool>& not_finite, const LoadCases& cases) {
  not_finite.assign(cases.cases.size(), false);
  for (std::size_t c = 0; c < cases.cases.size(); ++c) {
    for (const PointValues& at : cases.cases[c].at_supports)
      if (!all_finite(at)) not_finite[c] = true;
    for (double reaction : cases.cases[c].reactions)
      if (!std::isfinite(reaction)) not_finite[c] = true;
  }
}

void track_row(EnvelopeSummary& envelope, const EnvelopeRow& row, const Factors& design, bool first) {
  Arrangement arrangement;
  mark_not_finite(envelope.not_finite, row.cases);
  widen(envelope.x_range, row.x, first, Widening::finite_values);
  for (Quantity q : kQuantities) {
    int i = quantity_index(q);
    const Factors& factors = factors_for(design, q);
    std::vector<double> values = case_values(row.cases, q);
    double largest = combine(factors, values, true, &arrangement);
    consider(envelope.largest[i], largest, row.x, arrangement, true);
    widen(envelope.largest_rows[i], largest, first, Widening::finite_values);
    double smallest = combine(factors, values, false, &arrangement);
    consider(envelope.smallest[i], smallest, row.x, arrangement, false);
    widen(envelope.smallest_rows[i], smallest, first, Widening::finite_values);
  }
}

}  // namespace

EnvelopeSummary summarize_envelope(const EnvelopeRun& run) {
  const LoadCases& cases = run.cases;
  const Factors& factors = run.factors;
  EnvelopeSummary envelope;
  mark_not_finite(envelope.not_finite, cases);
  lay_out(envelope, cases.cases.front());
  combine_at_supports(envelope, cases, factors);
  EnvelopeWalk walk = start_envelope_walk(cases, run.pieces);
  EnvelopeRow row;
  SpanCursor cursor;
  std::uint64_t index = 0;
  // The cases' values at the free ends, for the arms' sags.
  std::vector<PointValues> first_row;
  std::vector<PointValues> last_row;
  while (next_envelope_row(walk, row)) {
    track_row(envelope, row, factors, index == 0);
    track_span(envelope, cursor, walk, row, run, index);
    if (index == 0) first_row = row.cases;
    last_row = row.cases;
    index = index + 1;
  }
  envelope.rows = index;
  arm_sags(envelope, cases, first_row, last_row);
  // A span's extremes found between table points are the beam's too.
  int M = quantity_index(Quantity::M);
  for (const EnvelopeSpan& span : envelope.spans) {
    if (span.largest_M.found)
      consider(envelope.largest[M], span.largest_M.value, span.largest_M.x, span.largest_M.arrangement, true);
    if (span.smallest_M.found)
      consider(envelope.smallest[M], span.smallest_M.value, span.smallest_M.x, span.smallest_M.arrangement,
               false);
  }
  return envelope;
}

}  // namespace dlt
