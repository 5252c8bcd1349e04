#include "engine/register_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>

#include "engine/stable_columns.h"

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

RegisterFile closed_copy(const RegisterFile& R) {
  RegisterFile copy;
  std::copy(std::begin(R.values), std::end(R.values), copy.values);
  copy.more_slots = R.more_slots;
  copy.solved_for_x1 = R.solved_for_x1;
  copy.chain_minus_x1 = R.chain_minus_x1;
  copy.chain_minus_x2 = R.chain_minus_x2;
  // The rest of the stable file is what closing the pass leaves.
  copy.stable.S1 = R.stable.S1;
  copy.stable.S2 = R.stable.S2;
  copy.stable.kept = R.stable.solved ? std::make_shared<const KeptBeam>(solve_pass(R.stable)) : R.stable.kept;
  return copy;
}

}  // namespace dlt
