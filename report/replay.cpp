#include "report/replay.h"

#include <algorithm>
#include <cmath>

#include "engine/conditions.h"
#include "engine/left_end.h"
#include "engine/point_loads.h"
#include "engine/segments.h"
#include "report/piece_roots.h"

namespace dlt {

double quantity(const PointValues& at, int q) {
  switch (q) {
    case kW:
      return at.w;
    case kP:
      return at.p;
    case kM:
      return at.M;
    default:
      return at.Q;
  }
}

const char* quantity_name(int q) {
  static constexpr const char* kNames[kQuantityCount] = {"w", "p", "M", "Q"};
  return q >= 0 && q < kQuantityCount ? kNames[q] : "?";
}

std::string extreme_name(int q, bool largest) {
  std::string name(largest ? "max " : "min ");
  name.append(quantity_name(q));
  return name;
}

bool is_complete(const BeamRecord& record) {
  return record.open && record.elements.size() >= 2 &&
         record.elements.front().kind == ElementKind::left_end && record.elements.back().right_end;
}

int pieces_of(const Element& segment, int pieces) { return segment.length == 0 ? 1 : pieces; }

double piece_length(const Element& segment, int pieces) {
  return segment.length / static_cast<double>(pieces_of(segment, pieces));
}

double piece_load(const Element& segment, int pieces, int i) {
  if (!segment.loaded) return 0;
  return segment.q + (segment.qs * (piece_length(segment, pieces) * i));
}

namespace {

struct Walk {
  RegisterFile R;
  BeamCourse course;
  bool first_row = true;
};

void consider(BeamCourse& course, bool first, double x, const PointValues& at) {
  for (int q = 0; q < kQuantityCount; ++q) {
    double v = quantity(at, q);
    Extreme& large = course.largest[q];
    Extreme& small = course.smallest[q];
    // A NaN gives way to any number; a number never to a NaN.
    if (first || v > large.value || (std::isnan(large.value) && !std::isnan(v))) large = {v, x};
    if (first || v < small.value || (std::isnan(small.value) && !std::isnan(v))) small = {v, x};
  }
}

void add_row(Walk& walk, double x) {
  TableRow row{x, point_values(walk.R)};
  consider(walk.course, walk.first_row, x, row.at);
  walk.first_row = false;
  walk.course.rows.push_back(row);
}

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

// One piece of a segment from x0 on, starting at the last row: the row at
// its end, and before that the extremes inside it, each made as a second
// pass stopping there would make it.
void walk_piece(Walk& walk, const Element& segment, double h, double q, double x0, double x_end) {
  double minus_EI = segment_minus_EI(segment);
  double qs = segment.loaded ? segment.qs : 0;
  PointValues start = walk.course.rows.back().at;
  std::vector<double> inside = turning_points(start, h, minus_EI, q, qs);
  RegisterFile& R = walk.R;
  double at_start[kRegisterCount];
  std::copy(std::begin(R.values), std::end(R.values), at_start);
  for (double t : inside) {
    segment_transfer(R, t, minus_EI);
    if (segment.loaded) distributed_load(R, q, qs);
    consider(walk.course, false, x0 + t, point_values(R));
    std::copy(std::begin(at_start), std::end(at_start), R.values);
  }
  segment_transfer(R, h, minus_EI);
  if (segment.loaded) distributed_load(R, q, qs);
  add_row(walk, x_end);
}

void walk_segment(Walk& walk, const Element& segment, int pieces, double x) {
  int parts = pieces_of(segment, pieces);
  double h = piece_length(segment, pieces);
  for (int i = 0; i < parts; ++i) {
    double x0 = x + ((segment.length * i) / parts);
    double x_end = i + 1 == parts ? x + segment.length : x + ((segment.length * (i + 1)) / parts);
    walk_piece(walk, segment, h, piece_load(segment, pieces, i), x0, x_end);
  }
}

}  // namespace

BeamCourse replay_beam(const BeamRecord& record, const RegisterFile& solved, int pieces) {
  Walk walk{solved, {}, true};
  const std::vector<Element>& elements = record.elements;
  walk.course.elements.resize(elements.size());
  left_end(walk.R, elements[0].S1, elements[0].S2);
  add_row(walk, 0);
  double x = 0;
  for (std::size_t k = 1; k < elements.size(); ++k) {
    const Element& e = elements[k];
    ElementRows& rows = walk.course.elements[k];
    rows.before = walk.course.rows.size() - 1;
    rows.x = x;
    // The right end closes the beam: nothing lies beyond it.
    if (k + 1 == elements.size()) {
      rows.after = rows.before;
      break;
    }
    switch (e.kind) {
      case ElementKind::beam_segment:
      case ElementKind::shaft_segment:
        walk_segment(walk, e, pieces, x);
        x += e.length;
        break;
      case ElementKind::point_load:
        point_load(walk.R, e.S1, e.value);
        add_row(walk, x);
        break;
      case ElementKind::spring:
        elastic_support(walk.R, e.value);
        add_row(walk, x);
        break;
      case ElementKind::condition:
        apply_condition(walk.R, e.S1, e.value);
        add_row(walk, x);
        break;
      case ElementKind::left_end:
        break;
    }
    rows.after = walk.course.rows.size() - 1;
  }
  return walk.course;
}

}  // namespace dlt
