#include "report/pass/piece_roots.h"

#include <cmath>
#include <cstddef>

namespace dlt {

// Bisection halves the interval each step; a double interval cannot be
// halved more often than this before its ends are neighbours.
constexpr int kMaxBisections = 2100;

double polynomial_at(const std::vector<double>& coefficients, double t) {
  double sum = 0;
  for (std::size_t k = coefficients.size(); k-- > 0;) sum = (sum * t) + coefficients[k];
  return sum;
}

static bool opposite_signs(double a, double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }

// The sign change of f between a and b, narrowed down until no double lies
// between the ends.
static double bisect(const std::vector<double>& f, double a, double b) {
  double fa = polynomial_at(f, a);
  for (int step = 0; step < kMaxBisections; ++step) {
    double mid = a + ((b - a) / 2);
    if (!(mid > a && mid < b)) break;
    double fm = polynomial_at(f, mid);
    if (fm == 0) return mid;
    if (opposite_signs(fa, fm)) {
      b = mid;
    } else {
      a = mid;
      fa = fm;
    }
  }
  return a + ((b - a) / 2);
}

std::vector<double> roots_between(const std::vector<double>& coefficients, double lo, double hi) {
  std::vector<double> roots;
  if (!(lo < hi)) return roots;
  std::size_t degree = coefficients.size();
  for (double c : coefficients)
    if (!std::isfinite(c)) return roots;
  while (degree > 0 && coefficients[degree - 1] == 0) --degree;
  if (degree <= 1) return roots;  // a constant: no sign change
  std::vector<double> f(coefficients.begin(), coefficients.begin() + static_cast<std::ptrdiff_t>(degree));
  std::vector<double> derivative(degree - 1);
  for (std::size_t k = 1; k < degree; ++k) derivative[k - 1] = static_cast<double>(k) * f[k];
  // Between neighbouring points of this list f is monotone.
  std::vector<double> points = roots_between(derivative, lo, hi);
  points.insert(points.begin(), lo);
  points.push_back(hi);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    double a = points[i];
    double b = points[i + 1];
    double fa = polynomial_at(f, a);
    double fb = polynomial_at(f, b);
    if (i > 0 && fa == 0)
      roots.push_back(a);  // a zero that is also a turning point
    else if (opposite_signs(fa, fb))
      roots.push_back(bisect(f, a, b));
  }
  return roots;
}

}  // namespace dlt
