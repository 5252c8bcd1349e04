// The units a report labels its values with, where --einheiten gave a unit of
// force and one of length: every other unit is made of these two (a moment
// is force times length, a distributed load force per length). The text
// report writes them in ASCII ("kN*m^2"), the page with a centred dot and
// superscripts ("kN·m²"). Without units given every unit is empty.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/quantity.h"

namespace dlt {

struct Units {
  std::string force;   // "kN"; empty where no units were given
  std::string length;  // "m"
};

// What a value measures, and so which unit it takes.
enum class Dimension {
  length,             // x, w, a segment's length and diameter
  angle,              // p
  moment,             // M
  force,              // Q, point forces and reactions
  force_per_length,   // q, spring stiffness c
  force_per_area,     // qs, E, bending stress
  bending_stiffness,  // EI
};
inline constexpr int kDimensionCount = 7;

enum class UnitForm { text, page };

// The unit of every dimension, written in one form.
struct UnitNames {
  std::array<std::string, kDimensionCount> of{};
  UnitForm form = UnitForm::text;
};

// The name of the bending stress: "sigma" in the text report, a Greek
// sigma on the page.
const char* stress_name(const UnitNames& names);

UnitNames unit_names(const Units& units, UnitForm form);

const std::string& unit_of(const UnitNames& names, Dimension dimension);

// The dimension of w, p, M or Q.
Dimension dimension_of(Quantity q);

// Reads "KRAFT,LAENGE" of --einheiten: two units of printable ASCII without
// blanks, split at the one comma. False where the text is not so.
bool read_units(std::string_view text, Units& units);

}  // namespace dlt
