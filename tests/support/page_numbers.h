// The page's numbers in tests: the page writes numbers for reading (six
// significant digits, "0" for what prints as zero, "1.5·10⁹" from 1e9 on),
// the text report as key g prints them. These find the page's numbers and
// say whether one is the reading of a number key g printed.
#pragma once

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

// The number a whole text stands for, in either form; NaN where it is
// "nan" or no number, so that is_number tells the two apart.
inline double plain_number(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  double value = std::strtod(start, &end);
  return end == start || *end != '\0' ? std::nan("") : value;
}

inline bool is_number(const std::string& text) {
  return text == "nan" || text == "-nan" || !std::isnan(plain_number(text.substr(0, text.find("·10"))));
}

inline double page_number_value(const std::string& text) {
  if (text == "nan" || text == "-nan") return std::nan("");
  if (text == "inf") return HUGE_VAL;
  if (text == "-inf") return -HUGE_VAL;
  static const std::string kTimesTen = "·10";
  std::size_t power = text.find(kTimesTen);
  if (power == std::string::npos) return plain_number(text);
  static const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  int exponent = 0;
  for (std::size_t at = power + kTimesTen.size(); at < text.size();) {
    bool found = false;
    for (int digit = 0; digit < 10; ++digit) {
      std::string s = kSuperscripts[digit];
      if (text.compare(at, s.size(), s) == 0) {
        exponent = (exponent * 10) + digit;
        at += s.size();
        found = true;
        break;
      }
    }
    if (!found) return std::nan("");
  }
  return plain_number(text.substr(0, power)) * std::pow(10.0, exponent);
}

// Whether the page's number is the reading of the number key g printed:
// the same value within what six decimals and six significant digits lose.
inline bool reads_as(const std::string& page_number, const std::string& printed) {
  if (!is_number(page_number) || !is_number(printed)) return false;
  double shown = page_number_value(page_number);
  double value = page_number_value(printed);
  if (std::isnan(shown) || std::isnan(value)) return std::isnan(shown) && std::isnan(value);
  if (std::isinf(shown) || std::isinf(value)) return shown == value;
  return std::fabs(shown - value) <= 5.1e-7 + (5.1e-6 * std::fabs(value));
}

// The numbers of the page's table cells and named values, in order: a cell
// of numbers whole, and a value after "= " in words and labels; headings
// left out ("wo Q = 0 ist").
inline std::vector<std::string> page_numbers_in(const std::string& text) {
  static const std::regex kHeading("<h2>[^<]*</h2>");
  std::string page = std::regex_replace(text, kHeading, "");
  static const std::regex kNumber(
      "(?:<td class=\"n\">|<tspan [^>]*>|= )(-?(?:\\d+(?:\\.\\d+)?(?:·10(?:⁰|¹|²|³|⁴|⁵|⁶|⁷|⁸|⁹)+)?|nan|inf))"
      "(?=[< ,)])");
  std::vector<std::string> found;
  for (std::sregex_iterator it(page.begin(), page.end(), kNumber), end; it != end; ++it)
    found.push_back((*it)[1].str());
  return found;
}

// Whether the page's numbers are the readings of the printed ones, one for
// one; where not, what differs first.
inline std::string first_misreading(const std::vector<std::string>& page,
                                    const std::vector<std::string>& printed) {
  for (std::size_t i = 0; i < page.size() && i < printed.size(); ++i)
    if (!reads_as(page[i], printed[i]))
      return "number " + std::to_string(i) + ": " + page[i] + " for " + printed[i];
  if (page.size() != printed.size())
    return std::to_string(page.size()) + " numbers on the page, " + std::to_string(printed.size()) +
           " printed";
  return "";
}
