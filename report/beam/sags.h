// The sag of each span as engineers check a deflection: a span's w measured
// from its chord, the straight line through w at its two supports, largest
// where p equals the chord's slope; a cantilever arm's w at its free end
// measured from the tangent at its support. The chord needs w at both
// supports, so the sags take a walk of their own after the summary's.
#pragma once

#include <string>

#include "engine/results.h"
#include "report/beam/summary.h"
#include "report/pass/replay.h"

namespace dlt {

// The straight line through (x0, w0) and (x1, w1). REQUIRES: x0 != x1.
struct Chord {
  double x0 = 0;
  double w0 = 0;
  double slope = 0;
};
Chord chord_of(double x0, double w0, double x1, double w1);

// w at x measured from the chord, with the sign of w: w - chord(x).
double from_chord(const Chord& chord, double x, double w);

// An arm's w_end at its free end x_end measured from the tangent at its
// support: w_end - (w + p (x_end - x_support)), with at the support's values.
double from_tangent(double x_support, const PointValues& at, double x_end, double w_end);

// Fills in the sag of every span of summary, the summary of pass: where a
// span is a field, by a walk that stops where p takes each field's chord's
// slope; an arm's from the values at its ends.
void measure_sags(const CompletePass& pass, BeamSummary& summary);

// "l/7740": a span's length over |f|, rounded to a whole number; "-" where
// f is zero or too small against the length for double arithmetic to tell
// it from zero, and where the ratio is no number.
std::string sag_ratio_text(double length, double f);

}  // namespace dlt
