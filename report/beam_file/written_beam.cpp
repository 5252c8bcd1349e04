#include "report/beam_file/written_beam.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "report/beam_file/toml_text.h"
#include "report/beam_file/unwritable.h"
#include "report/envelope/load_cases.h"
#include "report/pass/element_roles.h"

namespace dlt {

namespace {

unsigned bit_of(Quantity q) { return 1U << static_cast<unsigned>(quantity_index(q)); }

unsigned pair_of(Quantity a, Quantity b) { return bit_of(a) | bit_of(b); }

// An end by the two quantities held at it.
const char* held_end_name(unsigned held) {
  if (held == pair_of(Quantity::w, Quantity::M)) return "gelenkig";
  if (held == pair_of(Quantity::w, Quantity::p)) return "eingespannt";
  if (held == pair_of(Quantity::M, Quantity::Q)) return "frei";
  if (held == pair_of(Quantity::p, Quantity::Q)) return "gefuehrt";
  return nullptr;
}

bool above_zero(double value) { return value > 0 && std::isfinite(value); }

std::string codes_text(const Element& e) {
  return "S1=" + std::to_string(state_code(e.S1)) + ", S2=" + std::to_string(state_code(e.S2));
}

// Why a segment cannot be one of the file's: its length, EI, or E and d.
std::string segment_fault(const Element& e) {
  bool shaft = e.kind == ElementKind::shaft_segment;
  std::string_view what = shaft ? "Wellenabschnitt" : "Abschnitt";
  if (!above_zero(e.length)) return with_value(what, "laenge", e.length);
  if (shaft && !above_zero(e.E)) return with_value(what, "E", e.E);
  if (shaft && !above_zero(e.diameter)) return with_value(what, "d", e.diameter);
  if (!shaft && !above_zero(e.EI)) return with_value(what, "EI", e.EI);
  return {};
}

// Adds a support or hinge at x to points; false with the reason where it
// stands at an end or at the one before.
bool add_point(std::vector<double>& points, std::string_view what, std::string_view two, double x,
               double length, double tolerance, std::string& reason) {
  auto near = [tolerance](double a, double b) { return std::fabs(a - b) <= tolerance; };
  if (near(x, 0) || near(x, length)) {
    reason = unwritable_at(std::string(what) + " am Traegerende", x);
    return false;
  }
  if (!points.empty() && near(points.back(), x)) {
    reason = unwritable_at(two, x);
    return false;
  }
  points.push_back(x);
  return true;
}

}  // namespace

const char* left_end_name(Quantity S1, Quantity S2) {
  // The quantities held are the two that are not unknown.
  if (S1 == S2) return nullptr;
  return held_end_name(0xFU & ~pair_of(S1, S2));
}

const char* right_end_name(Quantity S1, Quantity S2) { return held_end_name(pair_of(S1, S2)); }

bool written_beam(const std::vector<Element>& elements, WrittenBeam& beam, std::string& reason) {
  std::vector<double> x = element_positions(elements);
  // The segments first: where the beam stands and ends follows from them.
  for (std::size_t k = 0; k < elements.size(); ++k) {
    if (!is_segment(elements[k])) continue;
    std::string fault = segment_fault(elements[k]);
    if (!fault.empty()) {
      reason = unwritable_at(fault, x[k]);
      return false;
    }
    beam.segments.push_back(elements[k]);
  }
  double length = beam_length(elements);
  if (!above_zero(length)) {
    reason = unwritable("Traegerlaenge " + toml_number(length));
    return false;
  }
  double tolerance = position_tolerance(elements);
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    switch (e.kind) {
      case ElementKind::left_end:
        beam.left = left_end_name(e.S1, e.S2);
        if (beam.left == nullptr) {
          reason = unwritable("linkes Traegerende (unbekannt " + codes_text(e) + ")");
          return false;
        }
        break;
      case ElementKind::beam_segment:
      case ElementKind::shaft_segment:
      case ElementKind::point_action:
        break;
      case ElementKind::spring:
        if (!above_zero(e.c)) {
          reason = unwritable_at(with_value("Feder", "c", e.c), x[k]);
          return false;
        }
        beam.springs.push_back({x[k], e.c});
        break;
      case ElementKind::condition:
        if (e.S1 == Quantity::w) {
          if (!add_point(beam.supports, "Lager", "zwei Lager", x[k], length, tolerance, reason)) return false;
        } else if (e.S1 == Quantity::M) {
          if (!add_point(beam.hinges, "Gelenk", "zwei Gelenke", x[k], length, tolerance, reason))
            return false;
        } else {
          reason = unwritable_at("Bedingung S1=" + std::to_string(state_code(e.S1)), x[k]);
          return false;
        }
        break;
      case ElementKind::right_end:
        beam.right = right_end_name(e.S1, e.S2);
        if (beam.right == nullptr) {
          reason = unwritable_at("rechtes Traegerende (" + codes_text(e) + ")", x[k]);
          return false;
        }
        break;
    }
  }
  return true;
}

}  // namespace dlt
