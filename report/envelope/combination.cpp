#include "report/envelope/combination.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace dlt {

double combine(const Factors& factors, const std::vector<double>& values, bool largest,
               Arrangement* arrangement) {
  if (arrangement != nullptr) arrangement->assign(values.size(), 0.0);
  if (values.empty()) return 0;
  double permanent = values[0];
  bool raises = largest ? permanent > 0 : permanent < 0;
  double factor = raises ? factors.g_sup : factors.g_inf;
  if (arrangement != nullptr) (*arrangement)[0] = factor;
  double sum = factor * permanent;
  // A value that is no finite number leaves no largest or smallest to
  // choose: the combination is NaN, and such a case counts as acting.
  bool finite = std::isfinite(permanent);
  for (std::size_t k = 1; k < values.size(); ++k) {
    if (!std::isfinite(values[k])) {
      finite = false;
      if (arrangement != nullptr) (*arrangement)[k] = factors.q;
      continue;
    }
    double term = factors.q * values[k];
    if (largest ? term > 0 : term < 0) {
      sum = sum + term;
      if (arrangement != nullptr) (*arrangement)[k] = factors.q;
    }
  }
  return finite ? sum : std::numeric_limits<double>::quiet_NaN();
}

double arranged_value(const Arrangement& arrangement, const std::vector<double>& values) {
  if (arrangement.empty() || values.empty()) return 0;
  double sum = arrangement[0] * values[0];
  for (std::size_t k = 1; k < arrangement.size() && k < values.size(); ++k) {
    if (arrangement[k] != 0) sum = sum + (arrangement[k] * values[k]);
  }
  return sum;
}

std::string acting_cases(const Arrangement& arrangement) {
  std::string text;
  for (std::size_t k = 0; k < arrangement.size(); ++k) {
    if (k > 0 && arrangement[k] == 0) continue;
    if (!text.empty()) text.append(", ");
    text.append(std::to_string(k + 1));
  }
  return text;
}

std::vector<double> case_values(const std::vector<PointValues>& cases, Quantity q) {
  std::vector<double> values;
  values.reserve(cases.size());
  for (const PointValues& at : cases) values.push_back(value_of(at, q));
  return values;
}

const Factors& factors_for(const Factors& design, Quantity q) {
  switch (q) {
    case Quantity::w:
    case Quantity::p:
      return kCharacteristic;
    case Quantity::M:
    case Quantity::Q:
      return design;
  }
  return design;
}

EnvelopeValues combine_row(const Factors& design, const EnvelopeRow& row) {
  EnvelopeValues values;
  values.x = row.x;
  double largest[kQuantityCount];
  double smallest[kQuantityCount];
  for (Quantity q : kQuantities) {
    std::vector<double> of_cases = case_values(row.cases, q);
    const Factors& factors = factors_for(design, q);
    largest[quantity_index(q)] = combine(factors, of_cases, true, nullptr);
    smallest[quantity_index(q)] = combine(factors, of_cases, false, nullptr);
  }
  values.largest = {largest[0], largest[1], largest[2], largest[3]};
  values.smallest = {smallest[0], smallest[1], smallest[2], smallest[3]};
  return values;
}

}  // namespace dlt
