// The curves of the diagrams of w, p, M and Q: traced together in one walk
// of a complete beam, with the extremes found between table points and the
// spans' field moments on them, and thinned as format/curve thins a curve.
#pragma once

#include "engine/quantity.h"
#include "report/beam/summary.h"
#include "report/format/curve.h"
#include "report/format/svg.h"
#include "report/pass/replay.h"

namespace dlt {

// The curves of w, p, M and Q, by quantity_index.
struct Curves {
  Curve of[kQuantityCount];
};

// The curves of a complete beam on the horizontal scale, in one walk: the
// vertical scales are those of the summary's extremes and zero.
// REQUIRES: summary is that of pass.
Curves trace_curves(const CompletePass& pass, const BeamSummary& summary, const XScale& scale);

}  // namespace dlt
