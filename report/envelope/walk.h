// The walk of the envelope of the load cases: the load cases replayed side
// by side through the engine at one common set of points: the pieces of
// every segment of every case and both sides of every point where any case
// has an element, each case stopping inside its own segment where another
// has a point there. report/envelope/combination.h combines the cases'
// values at each stop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/element.h"
#include "engine/probe.h"
#include "engine/register_file.h"
#include "engine/results.h"
#include "report/envelope/load_cases.h"

namespace dlt {

// A load case on its way along the beam.
struct CaseCursor {
  const std::vector<Element>* elements = nullptr;
  RegisterFile R;
  std::size_t next = 1;        // the element ahead
  double element_x = 0;        // where it starts
  int piece = 0;               // where it is a segment: the pieces done
  double x = 0;                // where the case stands
  bool at_piece_start = true;  // x is the start of its own piece
};

// Where a case stood when the interval up to the next row began: all a
// stop inside the interval has to start from, and the segment it is in
// (none past the right end).
struct IntervalStart {
  PartStart part;
  const Element* segment = nullptr;
  double offset = 0;  // how far into the segment
};

// One stop of the envelope walk: its x, each case's values there, and
// whether it is the row after the elements at x (the right side of a
// point) rather than before them.
struct EnvelopeRow {
  double x = 0;
  bool after_point = false;
  std::vector<PointValues> cases;
};

struct EnvelopeWalk {
  std::vector<CaseCursor> cursors;
  int pieces = 1;
  double tolerance = 0;
  // False where the walk counts its rows alone: the cases move without
  // their register files, and the rows carry no values.
  bool values = true;
  bool precise = false;  // rows of precise_values, for the CSV, not shown_values
  bool started = false;
  bool right_side_due = false;  // the row after the points at x comes next
  double x = 0;
  // Where each case stood when the interval up to the row last made began:
  // all a stop inside it has to start from.
  std::vector<IntervalStart> interval_start;
  double interval_from = 0;  // where that interval began
};

// REQUIRES: cases holds at least one load case.
EnvelopeWalk start_envelope_walk(const LoadCases& cases, int pieces, bool values = true);

// The next row; false past the right end.
bool next_envelope_row(EnvelopeWalk& walk, EnvelopeRow& row);

// The values of every load case at t past the start of the interval that
// ended at the last row (no element lies inside it), for an arrangement to
// combine. REQUIRES: the last row was not the right side of a point.
std::vector<PointValues> values_inside(EnvelopeWalk& walk, double t);

// The load q + qs t of each case along that interval.
struct IntervalLoad {
  double q = 0;
  double qs = 0;
};
std::vector<IntervalLoad> interval_loads(const EnvelopeWalk& walk);

// Whether the envelope of cases has at most `most` rows, for the bound on
// its work: bounds from the cases' own rows settle it where they can, a
// walk over the positions alone, without values, elsewhere.
bool envelope_rows_at_most(const LoadCases& cases, int pieces, std::uint64_t most);

}  // namespace dlt
