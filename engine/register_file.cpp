#include "engine/register_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dlt {

[[noreturn]] static void register_out_of_range(int k) {
  std::fprintf(stderr, "interner Fehler: Register R%d gibt es nicht\n", k);
  std::abort();
}

double& RegisterFile::operator[](int k) {
  if (k < 0 || k >= kRegisterCount) register_out_of_range(k);
  return values[k];
}

double RegisterFile::operator[](int k) const {
  if (k < 0 || k >= kRegisterCount) register_out_of_range(k);
  return values[k];
}

void RegisterFile::clear(int first, int last) {
  for (int k = first; k <= last; ++k) (*this)[k] = 0;
}

int round_index(double x) {
  // Bounds chosen so that the truncation and the +1 below both fit an int.
  if (!(x > -2147483648.0 && x < 2147483647.0)) return kNoIndex;
  double frac = std::fmod(x, 1.0);
  int truncated = static_cast<int>(x);
  if (kRoundingThreshold > frac) return truncated;
  return truncated + 1;
}

}  // namespace dlt
