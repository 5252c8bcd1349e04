#include "engine/register_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dlt {

void register_out_of_range(int k) {
  std::fprintf(stderr, "interner Fehler: Register R%d gibt es nicht\n", k);
  std::abort();
}

double& RegisterFile::slot_past_r30(int k) {
  if (k < 0 || k > kLastRegister) register_out_of_range(k);
  std::size_t at = static_cast<std::size_t>(k - kRegisterCount);
  if (at >= more_slots.size()) more_slots.resize(at + 1);
  return more_slots[at];
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
