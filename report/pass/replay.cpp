#include "report/pass/replay.h"

#include <algorithm>
#include <cmath>

#include "engine/probe.h"
#include "report/pass/piece_roots.h"

namespace dlt {

int pieces_of(const Element& segment, int pieces) { return segment.length == 0 ? 1 : pieces; }

std::uint64_t table_rows(const std::vector<Element>& elements, int pieces) {
  std::uint64_t rows = 0;
  // The right end, last, gives no row of its own.
  for (std::size_t k = 0; k + 1 < elements.size(); ++k) {
    const Element& e = elements[k];
    rows += is_segment(e) ? static_cast<std::uint64_t>(pieces_of(e, pieces)) : 1U;
  }
  return rows;
}

double piece_length(const Element& segment, int pieces) {
  return segment.length / static_cast<double>(pieces_of(segment, pieces));
}

double piece_load(const Element& segment, int pieces, int i) {
  if (!segment.loaded) return 0;
  return segment.q + (segment.qs * (piece_length(segment, pieces) * i));
}

int drawing_parts(double piece_length, double units_per_length) {
  double units = std::ceil(std::fabs(piece_length) * units_per_length);
  if (!(units >= 1)) return 1;
  if (!(units <= kMaxPieces)) return kMaxPieces;
  return static_cast<int>(units);
}

namespace {

// The values a row of the walk takes where it stands.
PointValues row_values(Walk& walk) { return walk.precise ? precise_values(walk.R) : shown_values(walk.R); }

// The points strictly inside a piece of length h where one of w, p, M or Q
// may have an extreme: where p, M, Q or the load passes zero. The course
// across the piece, from the values at its start and the load q + qs t:
//   Q = Q0 - q t - qs t^2/2,  M = M0 + Q0 t - q t^2/2 - qs t^3/6,
//   p = p0 + (M0 t + Q0 t^2/2 - q t^3/6 - qs t^4/24) / (-EI).
std::vector<double> turning_points(const PointValues& start, double h, double minus_EI, double q, double qs) {
  double lo = std::min(0.0, h);
  double hi = std::max(0.0, h);
  double c = 1 / minus_EI;
  std::vector<double> points;
  for (const std::vector<double>& f : {
           std::vector<double>{q, qs},
           std::vector<double>{start.Q, -q, -qs / 2},
           std::vector<double>{start.M, start.Q, -q / 2, -qs / 6},
           std::vector<double>{start.p, c * start.M, (c * start.Q) / 2, (-c * q) / 6, (-c * qs) / 24},
       }) {
    std::vector<double> roots = roots_between(f, lo, hi);
    points.insert(points.end(), roots.begin(), roots.end());
  }
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
  return points;
}

// The points strictly inside the piece where p equals slope, its course as
// in turning_points.
std::vector<double> slope_points(const PointValues& start, double h, double minus_EI, double q, double qs,
                                 double slope) {
  double c = 1 / minus_EI;
  std::vector<double> p = {start.p - slope, c * start.M, (c * start.Q) / 2, (-c * q) / 6, (-c * qs) / 24};
  return roots_between(p, std::min(0.0, h), std::max(0.0, h));
}

// Piece i of segment from x0 on: the values at its end, and before that, where
// asked, those at the points inside it where an extreme may lie and those
// dividing it for drawing, each made as a second pass stopping there would
// make it.
PointValues walk_piece(Walk& walk, const Element& segment, int i, double x0) {
  Element piece = segment;
  piece.length = piece_length(segment, walk.pieces);
  piece.q = piece_load(segment, walk.pieces, i);
  RegisterFile& R = walk.R;
  int parts = walk.units_per_length > 0 ? drawing_parts(piece.length, walk.units_per_length) : 1;
  if (walk.find_extremes || walk.find_slope || parts > 1) {
    PartStart at_start = part_start(R);
    auto probe = [&](double t) {
      Element part = piece;
      part.length = t;
      return TableRow{x0 + t, probe_part(R, at_start, part)};
    };
    double qs = segment.loaded ? segment.qs : 0;
    if (walk.find_extremes) {
      for (double t : turning_points(walk.last, piece.length, segment_minus_EI(segment), piece.q, qs))
        walk.inside.push_back(probe(t));
    }
    if (walk.find_slope) {
      for (double t :
           slope_points(walk.last, piece.length, segment_minus_EI(segment), piece.q, qs, walk.slope))
        walk.at_slope.push_back(probe(t));
    }
    for (int k = 1; k < parts; ++k) walk.drawn.push_back(probe((piece.length * k) / parts));
  }
  apply_element(R, piece);
  return row_values(walk);
}

}  // namespace

Walk start_walk(const CompletePass& pass, bool find_extremes) {
  Walk walk;
  walk.elements = &pass.record.elements;
  walk.R = walk_copy(pass.solved);
  walk.pieces = pass.pieces;
  walk.find_extremes = find_extremes;
  return walk;
}

Walk start_drawing_walk(const CompletePass& pass, double units_per_length) {
  Walk walk = start_walk(pass, false);
  walk.units_per_length = units_per_length;
  return walk;
}

bool next_row(Walk& walk, TableRow& row) {
  walk.inside.clear();
  walk.drawn.clear();
  walk.at_slope.clear();
  const std::vector<Element>& elements = *walk.elements;
  if (walk.next + 1 >= elements.size()) return false;
  const Element& e = elements[walk.next];
  walk.element = walk.next;
  walk.element_x = walk.x;
  if (is_segment(e)) {
    int parts = pieces_of(e, walk.pieces);
    int i = walk.piece;
    double x0 = walk.x + ((e.length * i) / parts);
    bool last_piece = i + 1 == parts;
    row.x = last_piece ? walk.x + e.length : walk.x + ((e.length * (i + 1)) / parts);
    row.at = walk_piece(walk, e, i, x0);
    if (last_piece) {
      walk.piece = 0;
      walk.x = walk.x + e.length;
      walk.next = walk.next + 1;
    } else {
      walk.piece = i + 1;
    }
    walk.last = row.at;
    return true;
  }
  // Every other element is applied at its point. The record holds a right
  // end only as its last element, which closes the walk above.
  apply_element(walk.R, e);
  row.x = walk.x;
  row.at = row_values(walk);
  walk.next = walk.next + 1;
  walk.last = row.at;
  return true;
}

}  // namespace dlt
