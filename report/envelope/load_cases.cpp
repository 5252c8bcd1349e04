#include "report/envelope/load_cases.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

#include "report/beam/spans.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
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

bool same_element(const Element& a, const Element& b) {
  return a.kind == b.kind && a.S1 == b.S1 && a.S2 == b.S2 && same_bits(a.length, b.length) &&
         same_bits(a.EI, b.EI) && same_bits(a.E, b.E) && same_bits(a.diameter, b.diameter) &&
         a.loaded == b.loaded && same_bits(a.q, b.q) && same_bits(a.qs, b.qs) && same_bits(a.load, b.load) &&
         same_bits(a.c, b.c) && same_bits(a.W1, b.W1) && same_bits(a.W2, b.W2);
}

bool same_elements(const std::vector<Element>& a, const std::vector<Element>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (!same_element(a[k], b[k])) return false;
  }
  return true;
}

// The values at each support and the reactions of a case, from a walk of
// it, in the order of its elements.
void gather_support_values(LoadCase& load_case) {
  CompletePass pass{load_case.record, load_case.solved, 1};
  BeamSummary summary = summarize_beam(pass);
  const std::vector<Element>& elements = load_case.record.elements;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    if (is_support(elements[k])) load_case.at_supports.push_back(summary.elements[k].after);
  }
  for (const Reaction& reaction : beam_statics(load_case.record, summary).reactions)
    load_case.reactions.push_back(reaction.value);
}

}  // namespace

double position_tolerance(const std::vector<Element>& elements) {
  return 1e-9 * std::fabs(beam_length(elements));
}

bool same_beam(const std::vector<Element>& a, const std::vector<Element>& b) {
  double tolerance = position_tolerance(a);
  Geometry ga = geometry_of(a);
  Geometry gb = geometry_of(b);
  if (ga.points.size() != gb.points.size() || ga.stiffness.size() != gb.stiffness.size()) return false;
  for (std::size_t k = 0; k < ga.points.size(); ++k) {
    const FixedPoint& pa = ga.points[k];
    const FixedPoint& pb = gb.points[k];
    if (pa.kind != pb.kind || pa.S1 != pb.S1 || pa.S2 != pb.S2 || !same_bits(pa.c, pb.c) ||
        !near(pa.x, pb.x, tolerance))
      return false;
  }
  for (std::size_t k = 0; k < ga.stiffness.size(); ++k) {
    const Stiffness& sa = ga.stiffness[k];
    const Stiffness& sb = gb.stiffness[k];
    if (!same_bits(sa.minus_EI, sb.minus_EI) || !near(sa.from, sb.from, tolerance) ||
        !near(sa.to, sb.to, tolerance))
      return false;
  }
  return true;
}

bool starts_new_beam(const LoadCases& cases, const BeamRecord& record) {
  // As add_load_case sees it: after the earlier right end of the same pass
  // has made way.
  std::size_t kept = cases.cases.size();
  if (kept > 0 && cases.cases.back().pass == record.pass) kept = kept - 1;
  return kept > 0 && !same_beam(cases.cases.front().record.elements, record.elements);
}

CaseAdded add_load_case(LoadCases& cases, const BeamRecord& record, const RegisterFile& R) {
  try {
    bool replaced = false;
    // A later right end of the same pass takes the place of its earlier one.
    if (!cases.cases.empty() && cases.cases.back().pass == record.pass) {
      cases.cases.pop_back();
      replaced = true;
    }
    bool new_beam = !cases.cases.empty() && !same_beam(cases.cases.front().record.elements, record.elements);
    if (new_beam) cases.cases.clear();
    for (const LoadCase& earlier : cases.cases) {
      if (same_elements(earlier.record.elements, record.elements)) return CaseAdded::repeated;
    }
    LoadCase load_case;
    load_case.record = record;
    load_case.solved = closed_copy(R);
    load_case.pass = record.pass;
    gather_support_values(load_case);
    cases.cases.push_back(std::move(load_case));
    if (new_beam) return CaseAdded::new_beam;
    return replaced ? CaseAdded::replaced : CaseAdded::added;
  } catch (const std::bad_alloc&) {
    std::vector<LoadCase>().swap(cases.cases);
    throw;
  }
}

}  // namespace dlt
