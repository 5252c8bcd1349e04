#include "app/option_values.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

namespace dlt {

namespace {

// One factor of --faktoren: digits with at most one decimal point or comma,
// all of the text, from 0 to kMostFactor.
bool read_factor(std::string text, double& factor) {
  if (text.empty()) return false;
  std::size_t separators = 0;
  for (char& c : text) {
    if (c == ',') c = '.';
    if (c == '.') {
      separators = separators + 1;
    } else if (c < '0' || c > '9') {
      return false;
    }
  }
  if (separators > 1 || text == ".") return false;
  char* end = nullptr;
  errno = 0;
  double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || errno != 0 || value > kMostFactor) return false;
  factor = value;
  return true;
}

}  // namespace

bool read_factors(const char* text, Factors& factors) {
  std::vector<double> numbers;
  std::string rest = text;
  for (;;) {
    std::size_t slash = rest.find('/');
    double factor = 0;
    if (!read_factor(rest.substr(0, slash), factor)) return false;
    numbers.push_back(factor);
    if (slash == std::string::npos) break;
    rest = rest.substr(slash + 1);
  }
  if (numbers.size() == 2) {
    factors = {numbers[0], numbers[0], numbers[1]};
    return true;
  }
  if (numbers.size() == 3) {
    factors = {numbers[0], numbers[1], numbers[2]};
    return true;
  }
  return false;
}

}  // namespace dlt
