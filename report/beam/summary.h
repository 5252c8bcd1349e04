// What the reports say of a complete beam besides its table, gathered in one
// walk: where each element stands and the values just before and just after
// it, the extremes of w, p, M and Q (between table points too), each span's
// field moments, the largest bending stress of a shaft, and how far the
// beam reaches along x; and in a second walk each span's sag.
#pragma once

#include <vector>

#include "engine/quantity.h"
#include "engine/results.h"
#include "report/beam/spans.h"
#include "report/format/table.h"
#include "report/pass/chosen_places.h"
#include "report/pass/replay.h"

namespace dlt {

// Element k's x (a segment's is where it starts) and the values at the last
// row before it and the row just after it. The left end's before is its own
// row, and the right end's after is the last row.
struct ElementValues {
  double x = 0;
  PointValues before;
  PointValues after;
};

struct BeamSummary {
  std::vector<ElementValues> elements;  // one per element of the record
  Extreme largest[kQuantityCount];
  Extreme smallest[kQuantityCount];
  std::vector<Span> spans;  // from left to right
  // Where the beam has shaft segments: the largest |sigma| and the range of
  // sigma over the value table's rows. The ranges of the rows take every
  // value, NaN and infinities too, as their columns print them.
  bool has_stress = false;
  Extreme largest_stress;
  RowRange stress_rows;
  RowRange rows[kQuantityCount];
  // The smallest and largest finite x of the table's rows; x_min > x_max
  // where no row has one.
  double x_min = 0;
  double x_max = 0;
  // The places whose values the reports list, in order along the beam; each
  // count at least 1 and below the number of elements.
  std::vector<ChosenPlace> chosen;
};

BeamSummary summarize_beam(const CompletePass& pass);

const Extreme& extreme_of(const BeamSummary& summary, Quantity q, bool largest);

}  // namespace dlt
