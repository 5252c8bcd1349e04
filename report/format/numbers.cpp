#include "report/format/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

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

std::string reading_text(double value) {
  if (!std::isfinite(value)) return fixed_text(value);
  if (prints_as_zero(value)) return "0";
  // d.ddddde+EE: the digits rounded to six, exactly, on every platform.
  char text[32];
  std::to_chars_result end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 5);
  std::string_view scientific(text, static_cast<std::size_t>(end.ptr - text));
  std::size_t e = scientific.find('e');
  int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
  bool negative = scientific.front() == '-';
  std::string digits;
  for (char c : scientific.substr(0, e))
    if (c >= '0' && c <= '9') digits.push_back(c);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = negative ? "-" : "";
  if (exponent >= 9) {
    out.push_back(digits[0]);
    if (digits.size() > 1) out.append(".").append(digits, 1);
    out.append("·10");
    static constexpr const char* kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    for (char c : std::to_string(exponent)) out.append(kSuperscripts[c - '0']);
    return out;
  }
  if (exponent < 0) {
    // Values that do not print as zero are at least 5e-7: at most six
    // zeros after the point.
    out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    return out;
  }
  std::size_t whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole) return out.append(digits).append(whole - digits.size(), '0');
  return out.append(digits, 0, whole).append(".").append(digits, whole);
}

std::string number_text(double value, NumberForm form) {
  switch (form) {
    case NumberForm::printed:
      return fixed_text(value);
    case NumberForm::reading:
      return reading_text(value);
  }
  return fixed_text(value);
}

std::string value_text(std::string_view name, double value, std::string_view unit, NumberForm form) {
  std::string text(name);
  text.append("= ");
  text.append(with_unit(value, unit, form));
  return text;
}

std::string with_unit(double value, std::string_view unit, NumberForm form) {
  std::string text = number_text(value, form);
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
