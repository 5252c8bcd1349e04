// Where a polynomial passes zero inside an interval: how the reports find the
// points between table points where Q, M, p or q of a segment piece vanish,
// and with them the extremes of M, p, w and Q there.
#pragma once

#include <vector>

namespace dlt {

// The points strictly between lo and hi where the polynomial
// coefficients[0] + coefficients[1] t + coefficients[2] t^2 + ... is zero or
// changes sign, in ascending order, each to the last bit bisection reaches.
// Splits the interval at the zeros of the derivative, so that the polynomial
// is monotone on each part. Nothing where a coefficient is not finite or
// where lo < hi does not hold.
std::vector<double> roots_between(const std::vector<double>& coefficients, double lo, double hi);

// The value of the polynomial at t, by Horner's scheme.
double polynomial_at(const std::vector<double>& coefficients, double t);

}  // namespace dlt
