#include "report/format/units.h"

#include <algorithm>
#include <cstddef>

namespace dlt {

namespace {

// A unit in a product: a compound unit such as "kN/m" in parentheses, so
// that "kN/m*m" cannot be read as kilonewton per square metre.
std::string factor(const std::string& unit) {
  if (unit.find_first_of("*/") == std::string::npos) return unit;
  return "(" + unit + ")";
}

std::string squared(const std::string& unit, UnitForm form) {
  return factor(unit) + (form == UnitForm::page ? "\u00b2" : "^2");
}

}  // namespace

const char* stress_name(const UnitNames& names) { return names.form == UnitForm::page ? "\u03c3" : "sigma"; }

UnitNames unit_names(const Units& units, UnitForm form) {
  UnitNames names;
  names.form = form;
  if (units.force.empty() || units.length.empty()) return names;
  std::string times = form == UnitForm::page ? "\u00b7" : "*";
  const std::string& F = units.force;
  const std::string& L = units.length;
  for (int i = 0; i < kDimensionCount; ++i) {
    std::string& name = names.of[static_cast<std::size_t>(i)];
    switch (static_cast<Dimension>(i)) {
      case Dimension::length:
        name = L;
        break;
      case Dimension::angle:
        name = "rad";
        break;
      case Dimension::moment:
        name = factor(F) + times + factor(L);
        break;
      case Dimension::force:
        name = F;
        break;
      case Dimension::force_per_length:
        name = factor(F) + "/" + factor(L);
        break;
      case Dimension::force_per_area:
        name = factor(F) + "/" + squared(L, form);
        break;
      case Dimension::bending_stiffness:
        name = factor(F) + times + squared(L, form);
        break;
    }
  }
  return names;
}

const std::string& unit_of(const UnitNames& names, Dimension dimension) {
  return names.of[static_cast<std::size_t>(dimension)];
}

Dimension dimension_of(Quantity q) {
  switch (q) {
    case Quantity::w:
      return Dimension::length;
    case Quantity::p:
      return Dimension::angle;
    case Quantity::M:
      return Dimension::moment;
    case Quantity::Q:
      return Dimension::force;
  }
  return Dimension::length;
}

bool read_units(std::string_view text, Units& units) {
  std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return false;
  std::string_view force = text.substr(0, comma);
  std::string_view length = text.substr(comma + 1);
  auto is_unit = [](std::string_view unit) {
    return !unit.empty() &&
           std::all_of(unit.begin(), unit.end(), [](char c) { return c > ' ' && c < 0x7f && c != ','; });
  };
  if (!is_unit(force) || !is_unit(length)) return false;
  units.force = std::string(force);
  units.length = std::string(length);
  return true;
}

}  // namespace dlt
