#include "report/envelope/same_beam.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "console/console.h"
#include "report/beam/tables.h"
#include "report/pass/element_roles.h"

namespace dlt {

namespace {

// A stretch of the beam with one bending stiffness.
struct Stiffness {
  double from = 0;
  double to = 0;
  double minus_EI = 0;
};

// A point of the beam a load case may not change: an end, support, hinge
// or spring, with its codes, its stiffness and where it stands.
struct FixedPoint {
  ElementKind kind = ElementKind::left_end;
  Quantity S1 = Quantity::w;
  Quantity S2 = Quantity::w;  // the ends' only
  double c = 0;               // the springs' only
  double x = 0;
};

// What a load case may not change: the fixed points in order and the
// stretches of equal stiffness.
struct Geometry {
  std::vector<FixedPoint> points;
  std::vector<Stiffness> stiffness;
};

Geometry geometry_of(const std::vector<Element>& elements) {
  Geometry geometry;
  std::vector<double> positions = element_positions(elements);
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    double x = positions[k];
    if (is_segment(e)) {
      double to = x + e.length;
      if (e.length != 0) {
        double minus_EI = segment_minus_EI(e);
        if (!geometry.stiffness.empty() && geometry.stiffness.back().minus_EI == minus_EI)
          geometry.stiffness.back().to = to;
        else
          geometry.stiffness.push_back({x, to, minus_EI});
      }
    } else if (is_structural(e)) {
      FixedPoint point;
      point.kind = e.kind;
      point.S1 = e.S1;
      point.S2 = e.kind == ElementKind::left_end || e.kind == ElementKind::right_end ? e.S2 : Quantity::w;
      point.c = e.kind == ElementKind::spring ? e.c : 0;
      point.x = x;
      geometry.points.push_back(point);
    }
  }
  return geometry;
}

bool near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

// Bit for bit, so that a NaN equals itself.
bool same_bits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool same_point(const FixedPoint& a, const FixedPoint& b, double tolerance) {
  return a.kind == b.kind && a.S1 == b.S1 && a.S2 == b.S2 && same_bits(a.c, b.c) && near(a.x, b.x, tolerance);
}

bool same_stiffness(const Stiffness& a, const Stiffness& b, double tolerance) {
  return same_bits(a.minus_EI, b.minus_EI) && near(a.from, b.from, tolerance) && near(a.to, b.to, tolerance);
}

// A fixed point as the differences name it; a condition by what it holds.
std::string_view point_name(const FixedPoint& point) {
  switch (point.kind) {
    case ElementKind::left_end:
      return "linkes Ende";
    case ElementKind::right_end:
      return "rechtes Ende";
    case ElementKind::spring:
      return "Feder";
    case ElementKind::condition:
      return condition_kind(point.S1);
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
    case ElementKind::point_action:
      break;
  }
  return "";
}

std::size_t count_named(const std::vector<FixedPoint>& points, std::string_view name) {
  std::size_t count = 0;
  for (const FixedPoint& point : points)
    if (point_name(point) == name) ++count;
  return count;
}

std::string fixed(double value) {
  std::string text;
  append_fixed(text, value);
  return text;
}

std::string at_x(double x) { return " bei x= " + fixed(x); }

std::string codes(const FixedPoint& point) {
  return "S1=" + std::to_string(state_code(point.S1)) + " S2=" + std::to_string(state_code(point.S2));
}

// Point k of a and of b, where they differ.
std::string point_difference(const Geometry& a, const Geometry& b, std::size_t k, double tolerance) {
  const FixedPoint& pa = a.points[k];
  const FixedPoint& pb = b.points[k];
  std::string name_a(point_name(pa));
  std::string name_b(point_name(pb));
  bool here = near(pa.x, pb.x, tolerance);
  if (name_a == name_b && here) {
    if (pa.kind == ElementKind::spring && pa.S1 == pb.S1)
      return "Feder" + at_x(pb.x) + ": c= " + fixed(pb.c) + " statt " + fixed(pa.c);
    return name_b + " " + codes(pb) + " statt " + codes(pa);
  }
  // Moved where there are as many of its kind; else one more or one fewer,
  // the first along the beam, or where one of them ends there, a beam of
  // another length.
  if (name_a == name_b && count_named(a.points, name_a) == count_named(b.points, name_b))
    return name_b + at_x(pb.x) + " statt " + fixed(pa.x);
  const FixedPoint& end_a = a.points.back();
  const FixedPoint& end_b = b.points.back();
  bool at_an_end = pa.kind == ElementKind::right_end || pb.kind == ElementKind::right_end;
  if (at_an_end && !near(end_a.x, end_b.x, tolerance))
    return std::string(point_name(end_b)) + at_x(end_b.x) + " statt " + fixed(end_a.x);
  if (here) return name_b + " statt " + name_a + at_x(pb.x);
  if (pb.x < pa.x) return name_b + at_x(pb.x) + " zusaetzlich";
  return name_a + at_x(pa.x) + " fehlt";
}

// "Abschnitt N" of the segment of b at x, counting every segment of b, and
// where x lies inside it, from where.
std::string segment_at(const std::vector<Element>& b, double x, double tolerance) {
  std::vector<double> positions = element_positions(b);
  std::size_t number = 0;
  std::size_t found = 0;
  double start = 0;
  for (std::size_t k = 0; k < b.size(); ++k) {
    if (!is_segment(b[k])) continue;
    ++number;
    if (b[k].length != 0 && positions[k] <= x + tolerance) {
      found = number;
      start = positions[k];
    }
  }
  if (found == 0) return "Steifigkeit ab x= " + fixed(x);
  std::string text = "Abschnitt " + std::to_string(found);
  if (!near(start, x, tolerance)) text += " ab x= " + fixed(x);
  return text;
}

std::string stiffness_text(const std::vector<Element>& b, double x, double tolerance, double minus_EI_b,
                           double minus_EI_a) {
  return segment_at(b, x, tolerance) + ": EI= " + fixed(-minus_EI_b) + " statt " + fixed(-minus_EI_a);
}

// Stretch k of a and of b, where they differ and those before are alike:
// where the stiffness first differs, the new value and the old.
std::string stiffness_difference(const std::vector<Element>& elements_b, const Geometry& a, const Geometry& b,
                                 std::size_t k, double tolerance) {
  const Stiffness& sa = a.stiffness[k];
  const Stiffness& sb = b.stiffness[k];
  if (!same_bits(sa.minus_EI, sb.minus_EI))
    return stiffness_text(elements_b, sb.from, tolerance, sb.minus_EI, sa.minus_EI);
  // Alike from where they start: one of them changes its stiffness first.
  if (sb.to < sa.to && k + 1 < b.stiffness.size())
    return stiffness_text(elements_b, sb.to, tolerance, b.stiffness[k + 1].minus_EI, sa.minus_EI);
  if (sa.to < sb.to && k + 1 < a.stiffness.size())
    return stiffness_text(elements_b, sa.to, tolerance, sb.minus_EI, a.stiffness[k + 1].minus_EI);
  return "Steifigkeit ab x= " + fixed(sb.from);
}

// Whether b is a load case of a's beam; where it is not and text is given,
// the first difference in words.
bool compare(const std::vector<Element>& a, const std::vector<Element>& b, std::string* text) {
  double tolerance = position_tolerance(a);
  Geometry ga = geometry_of(a);
  Geometry gb = geometry_of(b);
  std::size_t points = std::min(ga.points.size(), gb.points.size());
  for (std::size_t k = 0; k < points; ++k) {
    if (same_point(ga.points[k], gb.points[k], tolerance)) continue;
    if (text != nullptr) *text = point_difference(ga, gb, k, tolerance);
    return false;
  }
  if (ga.points.size() != gb.points.size()) {
    if (text != nullptr) {
      const FixedPoint& more = ga.points.size() > points ? ga.points[points] : gb.points[points];
      *text = std::string(point_name(more)) + at_x(more.x) +
              (ga.points.size() > points ? " fehlt" : " zusaetzlich");
    }
    return false;
  }
  std::size_t stretches = std::min(ga.stiffness.size(), gb.stiffness.size());
  for (std::size_t k = 0; k < stretches; ++k) {
    if (same_stiffness(ga.stiffness[k], gb.stiffness[k], tolerance)) continue;
    if (text != nullptr) *text = stiffness_difference(b, ga, gb, k, tolerance);
    return false;
  }
  if (ga.stiffness.size() != gb.stiffness.size()) {
    if (text != nullptr) {
      const Stiffness& more =
          ga.stiffness.size() > stretches ? ga.stiffness[stretches] : gb.stiffness[stretches];
      *text = "Steifigkeit ab x= " + fixed(more.from);
    }
    return false;
  }
  return true;
}

}  // namespace

double position_tolerance(const std::vector<Element>& elements) {
  return 1e-9 * std::fabs(beam_length(elements));
}

bool same_beam(const std::vector<Element>& a, const std::vector<Element>& b) {
  return compare(a, b, nullptr);
}

std::string beam_difference(const std::vector<Element>& a, const std::vector<Element>& b) {
  std::string text;
  compare(a, b, &text);
  return text;
}

}  // namespace dlt
