#include "report/envelope/span_sags.h"

#include <cmath>
#include <cstddef>

#include "report/envelope/combination.h"
#include "report/pass/piece_roots.h"

namespace dlt {

namespace {

// Each case's values just after support i; NaN where a case has none there.
PointValues at_support(const LoadCase& c, std::size_t i) {
  if (i < c.at_supports.size()) return c.at_supports[i];
  double nan = std::nan("");
  return {nan, nan, nan, nan};
}

// Takes in the largest and smallest combination of the cases' sags at x,
// whichever is larger in magnitude.
bool consider(CaseExtreme& sag, const std::vector<double>& sags, double x) {
  bool replaced = false;
  Arrangement arrangement;
  for (bool largest : {true, false}) {
    double f = combine(kCharacteristic, sags, largest, &arrangement);
    if (!replaces_extreme(std::fabs(f), std::fabs(sag.value), !sag.found, true)) continue;
    sag = {f, x, arrangement, true};
    replaced = true;
  }
  return replaced;
}

bool consider_cases(CaseExtreme& sag, const std::vector<Chord>& chords, double x,
                    const std::vector<PointValues>& cases) {
  std::vector<double> sags;
  sags.reserve(cases.size());
  for (std::size_t k = 0; k < cases.size() && k < chords.size(); ++k)
    sags.push_back(from_chord(chords[k], x, cases[k].w));
  return consider(sag, sags, x);
}

}  // namespace

std::vector<Chord> case_chords(const LoadCases& cases, const EnvelopeSpan& span) {
  std::vector<Chord> chords;
  if (!span.from_support || !span.to_support || span.from == span.to) return chords;
  for (const LoadCase& c : cases.cases) {
    double w0 = at_support(c, *span.from_support).w;
    double w1 = at_support(c, *span.to_support).w;
    chords.push_back(chord_of(span.from, w0, span.to, w1));
  }
  return chords;
}

bool track_sag(EnvelopeSpan& span, const std::vector<Chord>& chords, const EnvelopeRow& row) {
  return consider_cases(span.sag, chords, row.x, row.cases);
}

void refine_sag(EnvelopeSpan& span, const std::vector<Chord>& chords, EnvelopeWalk& walk, double to) {
  double h = to - walk.interval_from;
  if (!(h > 0) || !std::isfinite(h) || !span.sag.found) return;
  std::vector<PointValues> start = values_inside(walk, 0);
  std::vector<IntervalLoad> loads = interval_loads(walk);
  // Each case's p - slope across the interval, as a polynomial in t:
  //   p0 - s + (M0 t + Q0 t^2/2 - q t^3/6 - qs t^4/24) / (-EI).
  std::vector<std::vector<double>> terms(5);
  for (std::size_t k = 0; k < start.size() && k < chords.size(); ++k) {
    const Element* segment = walk.interval_start[k].segment;
    if (segment == nullptr) return;
    double c = 1 / segment_minus_EI(*segment);
    terms[0].push_back(start[k].p - chords[k].slope);
    terms[1].push_back(c * start[k].M);
    terms[2].push_back((c * start[k].Q) / 2);
    terms[3].push_back((-c * loads[k].q) / 6);
    terms[4].push_back((-c * loads[k].qs) / 24);
  }
  Arrangement a = span.sag.arrangement;
  std::vector<double> p;
  p.reserve(terms.size());
  for (const std::vector<double>& term : terms) p.push_back(arranged_value(a, term));
  for (double t : roots_between(p, 0, h)) {
    double x = walk.interval_from + t;
    consider_cases(span.sag, chords, x, values_inside(walk, t));
  }
}

void arm_sags(EnvelopeSummary& envelope, const LoadCases& cases, const std::vector<PointValues>& first_row,
              const std::vector<PointValues>& last_row) {
  for (EnvelopeSpan& span : envelope.spans) {
    bool left_arm = !span.from_support && span.to_support;
    bool right_arm = span.from_support && !span.to_support;
    if (!(left_arm || right_arm) || span.from == span.to) continue;
    const std::vector<PointValues>& free_end = left_arm ? first_row : last_row;
    std::size_t support = left_arm ? *span.to_support : *span.from_support;
    double x_support = left_arm ? span.to : span.from;
    double x_end = left_arm ? span.from : span.to;
    std::vector<double> sags;
    for (std::size_t k = 0; k < cases.cases.size() && k < free_end.size(); ++k)
      sags.push_back(from_tangent(x_support, at_support(cases.cases[k], support), x_end, free_end[k].w));
    consider(span.sag, sags, x_end);
  }
}

}  // namespace dlt
