#include "report/envelope/walk.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "report/pass/replay.h"

namespace dlt {

namespace {

bool finished(const CaseCursor& c) { return c.next + 1 >= c.elements->size(); }

const Element& ahead(const CaseCursor& c) { return (*c.elements)[c.next]; }

bool in_segment(const CaseCursor& c) { return !finished(c) && is_segment(ahead(c)) && ahead(c).length != 0; }

// Where the case stops next of its own accord: the end of its piece, or
// the point of the element ahead.
double own_stop(const CaseCursor& c, int pieces) {
  if (!in_segment(c)) return c.element_x;
  const Element& e = ahead(c);
  int parts = pieces_of(e, pieces);
  if (c.piece + 1 == parts) return c.element_x + e.length;
  return c.element_x + ((e.length * (c.piece + 1)) / parts);
}

// The load at offset into segment, where it is loaded.
double load_at(const Element& segment, double offset) {
  if (!segment.loaded) return 0;
  return segment.q + (segment.qs * offset);
}

// The part of segment of the given length from offset on, with the load
// there.
Element segment_part(const Element& segment, double length, double offset) {
  Element part = segment;
  part.length = length;
  part.q = load_at(segment, offset);
  return part;
}

void apply_part(RegisterFile& R, const Element& segment, double length, double offset) {
  apply_element(R, segment_part(segment, length, offset));
}

// Moves the case on to the station X: to its own stop where that is within
// the tolerance of X, else into its piece up to X. Where values is false
// the case moves without its register file.
void advance_to(CaseCursor& c, double X, int pieces, double tolerance, bool values) {
  if (!in_segment(c)) return;
  const Element& e = ahead(c);
  double stop = own_stop(c, pieces);
  double offset = c.x - c.element_x;
  if (stop > X + tolerance) {
    if (values) apply_part(c.R, e, X - c.x, offset);
    c.x = X;
    c.at_piece_start = false;
    return;
  }
  if (values && c.at_piece_start) {
    // A piece of its own whole, as the case's own report walks it.
    Element piece = e;
    piece.length = piece_length(e, pieces);
    piece.q = piece_load(e, pieces, c.piece);
    apply_element(c.R, piece);
  } else if (values) {
    apply_part(c.R, e, stop - c.x, offset);
  }
  c.x = stop;
  c.at_piece_start = true;
  c.piece = c.piece + 1;
  if (c.piece == pieces_of(e, pieces)) {
    c.piece = 0;
    c.element_x = c.element_x + e.length;
    c.next = c.next + 1;
  }
}

// Applies the elements the case has at X, segments of no length among
// them; true where one of them is a point element.
bool apply_points(CaseCursor& c, double X, double tolerance, bool values) {
  bool any = false;
  while (!finished(c) && !in_segment(c) && !(c.element_x > X + tolerance)) {
    const Element& e = ahead(c);
    if (values) apply_element(c.R, e);
    any = any || !is_segment(e);
    c.next = c.next + 1;
  }
  return any;
}

bool apply_all_points(EnvelopeWalk& walk) {
  bool any = false;
  for (CaseCursor& c : walk.cursors) {
    if (apply_points(c, walk.x, walk.tolerance, walk.values)) any = true;
  }
  return any;
}

void take_values(EnvelopeWalk& walk, EnvelopeRow& row, bool after_point) {
  row.x = walk.x;
  row.after_point = after_point;
  row.cases.clear();
  if (!walk.values) return;
  for (CaseCursor& c : walk.cursors)
    row.cases.push_back(walk.precise ? precise_values(c.R) : shown_values(c.R));
}

void keep_interval_start(EnvelopeWalk& walk) {
  walk.interval_from = walk.x;
  if (!walk.values) return;
  for (std::size_t k = 0; k < walk.cursors.size(); ++k) {
    CaseCursor& c = walk.cursors[k];
    IntervalStart& start = walk.interval_start[k];
    start.part = part_start(c.R);
    start.segment = in_segment(c) ? &ahead(c) : nullptr;
    start.offset = c.x - c.element_x;
  }
}

// The next station: the nearest own stop of the cases not at their right
// end; false where every case is. A stop that is not a number is taken at
// once, so that every station moves some case on.
bool next_station(const EnvelopeWalk& walk, double& X) {
  bool any = false;
  for (const CaseCursor& c : walk.cursors) {
    if (finished(c)) continue;
    double stop = own_stop(c, walk.pieces);
    if (!any || stop < X || std::isnan(stop)) X = stop;
    any = true;
    if (std::isnan(stop)) break;
  }
  return any;
}

}  // namespace

EnvelopeWalk start_envelope_walk(const LoadCases& cases, int pieces, bool values) {
  EnvelopeWalk walk;
  walk.pieces = pieces;
  walk.values = values;
  walk.tolerance = position_tolerance(cases.cases.front().record.elements);
  for (const LoadCase& load_case : cases.cases) {
    CaseCursor c;
    c.elements = &load_case.record.elements;
    if (values) c.R = walk_copy(load_case.solved);
    walk.cursors.push_back(std::move(c));
  }
  walk.interval_start.resize(walk.cursors.size());
  return walk;
}

bool next_envelope_row(EnvelopeWalk& walk, EnvelopeRow& row) {
  if (!walk.started) {
    walk.started = true;
    if (walk.values) {
      for (CaseCursor& c : walk.cursors) apply_element(c.R, (*c.elements)[0]);
    }
    walk.x = 0;
    take_values(walk, row, false);
    walk.right_side_due = apply_all_points(walk);
    return true;
  }
  if (walk.right_side_due) {
    walk.right_side_due = false;
    take_values(walk, row, true);
    return true;
  }
  double X = 0;
  if (!next_station(walk, X)) return false;
  keep_interval_start(walk);
  for (CaseCursor& c : walk.cursors) {
    // A stop that is not a number is reached at once.
    advance_to(c, std::isnan(X) ? own_stop(c, walk.pieces) : X, walk.pieces, walk.tolerance, walk.values);
  }
  walk.x = X;
  take_values(walk, row, false);
  walk.right_side_due = apply_all_points(walk);
  return true;
}

std::vector<PointValues> values_inside(EnvelopeWalk& walk, double t) {
  std::vector<PointValues> values;
  for (std::size_t k = 0; k < walk.cursors.size(); ++k) {
    RegisterFile& R = walk.cursors[k].R;
    const IntervalStart& start = walk.interval_start[k];
    if (start.segment == nullptr) {
      values.push_back(shown_values(R));
      continue;
    }
    values.push_back(probe_part(R, start.part, segment_part(*start.segment, t, start.offset)));
  }
  return values;
}

std::vector<IntervalLoad> interval_loads(const EnvelopeWalk& walk) {
  std::vector<IntervalLoad> loads;
  for (const IntervalStart& start : walk.interval_start) {
    IntervalLoad load;
    if (start.segment != nullptr && start.segment->loaded) {
      load.q = load_at(*start.segment, start.offset);
      load.qs = start.segment->qs;
    }
    loads.push_back(load);
  }
  return loads;
}

namespace {

// The pieces of the segments of nonzero length of a pass, and its rows as
// its own table has them.
std::uint64_t segment_pieces(const std::vector<Element>& elements, int pieces) {
  std::uint64_t count = 0;
  for (const Element& e : elements) {
    if (is_segment(e) && e.length != 0) count += static_cast<std::uint64_t>(pieces_of(e, pieces));
  }
  return count;
}

}  // namespace

bool envelope_rows_at_most(const LoadCases& cases, int pieces, std::uint64_t most) {
  // Every station moves each case on by one of its own stops at most, so
  // the rows are at least one case's pieces; and every station takes at
  // least one case's stop or point, and may have the right side of a point
  // after it, so they are at most twice all the cases' rows.
  std::uint64_t fewest = 0;
  std::uint64_t all = 0;
  for (const LoadCase& load_case : cases.cases) {
    fewest = std::max(fewest, segment_pieces(load_case.record.elements, pieces));
    all = all + table_rows(load_case.record.elements, pieces);
  }
  if (fewest > most) return false;
  if (all <= most / 2) return true;
  // Between the two the walk itself counts them, over the positions alone.
  EnvelopeWalk walk = start_envelope_walk(cases, pieces, false);
  EnvelopeRow row;
  std::uint64_t rows = 0;
  while (next_envelope_row(walk, row)) {
    if (rows == most) return false;
    rows = rows + 1;
  }
  return true;
}

}  // namespace dlt
