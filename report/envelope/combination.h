// The combination of the load cases: the largest and smallest value of w,
// p, M and Q at a point over every arrangement of the variable loads, with
// the permanent load's factor chosen by its sign, and the partial safety
// factors of --faktoren it uses for M, Q and the reactions; w and p are
// combined under the characteristic loads, every factor 1.
#pragma once

#include <string>
#include <vector>

#include "engine/quantity.h"
#include "engine/results.h"
#include "report/envelope/walk.h"

namespace dlt {

// The partial safety factors of --faktoren: the permanent load's where it
// makes a value larger (g_sup) and where it makes it smaller (g_inf), and the
// variable loads'.
struct Factors {
  double g_sup = 1.35;
  double g_inf = 1.0;
  double q = 1.5;
};

// Deflections are checked under the characteristic loads: the permanent
// load and each variable load that acts with the factor 1.
inline constexpr Factors kCharacteristic{.g_sup = 1, .g_inf = 1, .q = 1};

// The factors q is combined with: kCharacteristic for w and p, design for
// M and Q.
const Factors& factors_for(const Factors& design, Quantity q);

// The factor each load case takes in an arrangement: 0 for a variable load
// that does not act.
using Arrangement = std::vector<double>;

// The largest (or smallest) combination of values, one per load case, the
// first the permanent load's, and the arrangement that gives it. NaN where
// a value is no finite number, every such case acting in the arrangement.
double combine(const Factors& factors, const std::vector<double>& values, bool largest,
               Arrangement* arrangement);

// The value of an arrangement: the sum of factor times value, in order.
double arranged_value(const Arrangement& arrangement, const std::vector<double>& values);

// "1, 3": the load cases acting in an arrangement, numbered from 1.
std::string acting_cases(const Arrangement& arrangement);

// Each case's value of q, in the order of the cases.
std::vector<double> case_values(const std::vector<PointValues>& cases, Quantity q);

// The largest and smallest of each quantity at a row, over every
// arrangement.
struct EnvelopeValues {
  double x = 0;
  PointValues largest;
  PointValues smallest;
};

// Each quantity with its factors_for of design.
EnvelopeValues combine_row(const Factors& design, const EnvelopeRow& row);

}  // namespace dlt
