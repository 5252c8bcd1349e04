// The segments of the beam in the sketch: a beam's as high as one another,
// a shaft's as high as its diameter, those too close to tell apart drawn as
// one shape, and the axis over them.
#include "report/beam/sketch_parts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace dlt::sketch {

namespace {

// Half the height of a beam segment, and of the thickest shaft segment; the
// others in proportion to their diameter, but not thinner than a line.
constexpr double kBeamHalf = 4;
constexpr double kShaftHalfMost = 12;
constexpr double kShaftHalfLeast = 1;

// Segments and loads within one drawing unit are one shape.
constexpr double kMergeWidth = 1;

// Half the beam's height at each element: that of the segments beside it,
// from one walk forward and one back.
std::vector<double> half_heights(const Sketch& s) {
  const std::vector<Element>& e = s.record.elements;
  std::vector<double> half(e.size(), 0);
  double before = 0;
  for (std::size_t k = 0; k < e.size(); ++k) {
    half[k] = before;
    if (is_segment(e[k])) before = half_height(s, e[k]);
  }
  double after = 0;
  for (std::size_t k = e.size(); k-- > 0;) {
    double h = std::max(half[k], after);
    half[k] = h > 0 ? h : kBeamHalf;
    if (is_segment(e[k])) after = half_height(s, e[k]);
  }
  return half;
}

// Segments drawn as one: a run of the same height, or several within a
// drawing unit (or back over the stretch drawn) at the largest height
// among them.
struct BeamGroup {
  std::size_t count = 0;
  double left = 0;
  double right = 0;
  double half = 0;
  bool uniform = true;
};

void beam_polygon(Sketch& s, const BeamGroup& g) {
  double axis = s.layout.axis;
  append_polyline(
      s.out, {g.left, axis - g.half, g.right, axis - g.half, g.right, axis + g.half, g.left, axis + g.half},
      "traeger", true);
}

}  // namespace

double half_height(const Sketch& s, const Element& segment) {
  if (segment.kind != ElementKind::shaft_segment || !(s.largest_diameter > 0)) return kBeamHalf;
  double share = std::fabs(segment.diameter) / s.largest_diameter;
  if (!std::isfinite(share)) return kBeamHalf;
  return std::max(kShaftHalfLeast, kShaftHalfMost * share);
}

void measure_beam(Sketch& s) {
  for (const Element& e : s.record.elements) {
    if (e.kind == ElementKind::shaft_segment && std::isfinite(e.diameter))
      s.largest_diameter = std::max(s.largest_diameter, std::fabs(e.diameter));
  }
  s.half_at = half_heights(s);
}

bool segment_ends(const Sketch& s, std::size_t k, double& X1, double& X2) {
  const Element& e = s.record.elements[k];
  if (!is_segment(e)) return false;
  double x = s.x[k];
  X1 = to_drawing(s.scale, x);
  X2 = to_drawing(s.scale, x + e.length);
  return std::isfinite(X1) && std::isfinite(X2);
}

bool joins_at_a_loss(double group_left, double group_right, double left, double right) {
  return std::max(right, group_right) - std::min(left, group_left) <= kMergeWidth ||
         (left >= group_left && right <= group_right);
}

void beam_segments(Sketch& s) {
  const std::vector<Element>& elements = s.record.elements;
  BeamGroup group;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    double X1 = 0;
    double X2 = 0;
    if (!segment_ends(s, k, X1, X2)) continue;
    double left = std::min(X1, X2);
    double right = std::max(X1, X2);
    double half = half_height(s, elements[k]);
    bool joins = group.count > 0 && ((group.uniform && half == group.half) ||
                                     joins_at_a_loss(group.left, group.right, left, right));
    if (joins) {
      group.count = group.count + 1;
      group.left = std::min(group.left, left);
      group.right = std::max(group.right, right);
      group.uniform = group.uniform && half == group.half;
      group.half = std::max(group.half, half);
    } else {
      if (group.count > 0) beam_polygon(s, group);
      group = {.count = 1, .left = left, .right = right, .half = half, .uniform = true};
    }
  }
  if (group.count > 0) beam_polygon(s, group);
  append_line(s.out, kPlotLeft - 6, s.layout.axis, kPlotLeft + kPlotWidth + 6, s.layout.axis, "achse");
}

}  // namespace dlt::sketch
