#include "engine/unknown_chain.h"

#include <cstddef>

namespace dlt {

void note_condition(RegisterFile& R, int c, bool solved_for_x1) {
  if (c < 0 || c >= kMaxConditions) return;
  std::size_t at = static_cast<std::size_t>(c);
  if (at >= R.solved_for_x1.size()) R.solved_for_x1.resize(at + 1);
  R.solved_for_x1[at] = solved_for_x1 ? 1 : 0;
}

int condition_number(int pointer) {
  if (pointer < kFirstFactorSlot || pointer > kLastRegister + 1) return -1;
  int offset = pointer - kFirstFactorSlot;
  if (offset % 2 != 0) return -1;
  return offset / 2;
}

void chain_unknowns(RegisterFile& R) {
  R.chain_minus_x1.clear();
  R.chain_minus_x2.clear();
  // The conditions of the pass, and the stretches up to the last one solved
  // for X1 (none where the conditions were all solved for X2).
  int conditions = condition_number(round_index(R[15]));
  int chained = 0;
  for (int c = 0; c < conditions && static_cast<std::size_t>(c) < R.solved_for_x1.size(); ++c)
    if (R.solved_for_x1[static_cast<std::size_t>(c)] != 0) chained = c + 1;
  if (chained == 0) return;
  R.chain_minus_x1.resize(static_cast<std::size_t>(chained));
  R.chain_minus_x2.resize(static_cast<std::size_t>(chained));
  // Walking back, the stretch after condition c has -X1 = minus_x1. Solved
  // for X2, condition c kept X1 and gave X2 = g1 + g2 X1; solved for X1, its
  // X2 went on as the next stretch's X1, and X1 = g1 + g2 X2. The conditions
  // after the last one solved for X1 all kept X1: it is the right end's.
  double minus_x1 = R[16];
  for (int c = chained - 1; c >= 0; --c) {
    std::size_t at = static_cast<std::size_t>(c);
    double g1 = R[kFirstFactorSlot + 2 * c];
    double g2 = R[kFirstFactorSlot + 2 * c + 1];
    double minus_x2;
    if (R.solved_for_x1[at] != 0) {
      minus_x2 = minus_x1;
      minus_x1 = (g2 * minus_x2) - g1;
    } else {
      minus_x2 = (g2 * minus_x1) - g1;
    }
    R.chain_minus_x1[at] = minus_x1;
    R.chain_minus_x2[at] = minus_x2;
  }
}

bool chained_unknowns(const RegisterFile& R, int pointer, double& minus_x1, double& minus_x2) {
  int c = condition_number(pointer);
  if (c < 0 || static_cast<std::size_t>(c) >= R.chain_minus_x1.size()) return false;
  minus_x1 = R.chain_minus_x1[static_cast<std::size_t>(c)];
  minus_x2 = R.chain_minus_x2[static_cast<std::size_t>(c)];
  return true;
}

}  // namespace dlt
