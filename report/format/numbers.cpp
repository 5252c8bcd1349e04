#include "report/format/numbers.h"

#include <cmath>

#include "console/console.h"

namespace dlt {

std::string fixed_text(double value) {
  std::string text;
  append_fixed(text, value);
  return text;
}

std::string value_text(std::string_view name, double value) {
  std::string text(name);
  text.append("= ");
  append_fixed(text, value);
  return text;
}

std::string value_text(std::string_view name, double value, std::string_view unit) {
  std::string text = value_text(name, value);
  if (!unit.empty()) {
    text.push_back(' ');
    text.append(unit);
  }
  return text;
}

std::string with_unit(double value, std::string_view unit) {
  std::string text = fixed_text(value);
  if (!unit.empty()) {
    text.push_back(' ');
    text.append(unit);
  }
  return text;
}

bool prints_alike(double a, double b) {
  if (a == b && a != 0) return true;
  if (std::fabs(a - b) > kPrintedApart) return false;
  return fixed_text(a) == fixed_text(b);
}

bool prints_as_zero(double value) {
  std::string text = fixed_text(value);
  return text == "0.000000" || text == "-0.000000";
}

}  // namespace dlt
