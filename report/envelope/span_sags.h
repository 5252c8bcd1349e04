// The characteristic sag of each span of the envelope. Under the factors 1
// of the deflections, an arrangement's sag is the sum of its cases' sags,
// each from its own chord (or an arm's from its own tangent), so the
// largest and smallest over every arrangement at a point combine the cases'
// sags there as w is combined: every arrangement is checked from its own
// chord, not from a line through the envelope's values, which at a spring
// or a settlement may come from different arrangements. The rows of the
// walk give it, and next to the best row the point where that
// arrangement's p equals its chord's slope.
#pragma once

#include <vector>

#include "engine/results.h"
#include "report/beam/sags.h"
#include "report/envelope/load_cases.h"
#include "report/envelope/summary.h"
#include "report/envelope/walk.h"

namespace dlt {

// Each case's chord of a span: through its own w at the span's supports.
// None where the span has not two supports apart.
std::vector<Chord> case_chords(const LoadCases& cases, const EnvelopeSpan& span);

// Takes in the sags at row, a row of span, whose chords are given; true
// where one of them is the span's largest so far.
bool track_sag(EnvelopeSpan& span, const std::vector<Chord>& chords, const EnvelopeRow& row);

// Where the arrangement of the span's sag has p equal to its chord's slope
// inside the interval the walk just made, up to x = to, takes in the sags
// there.
void refine_sag(EnvelopeSpan& span, const std::vector<Chord>& chords, EnvelopeWalk& walk, double to);

// The sags of the arms, from each case's values at the walk's first and last
// rows (the free ends) and at the arm's support.
void arm_sags(EnvelopeSummary& envelope, const LoadCases& cases, const std::vector<PointValues>& first_row,
              const std::vector<PointValues>& last_row);

}  // namespace dlt
