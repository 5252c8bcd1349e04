// Register states the engine tests start from, and the check that a command
// left every other register alone.
#pragma once

#include <algorithm>
#include <initializer_list>

#include <gtest/gtest.h>

#include "engine/register_file.h"

// The columns right after a pinned left end (S1 = 2, S2 = 4): X1 is the
// slope there, X2 the support force.
inline dlt::RegisterFile pinned_left_end() {
  dlt::RegisterFile R;
  R[6] = 1;
  R[12] = 1;
  R[15] = 20;
  return R;
}

// Every register distinct, so that a stray write shows.
inline dlt::RegisterFile numbered_registers() {
  dlt::RegisterFile R;
  for (int k = 0; k < dlt::kRegisterCount; ++k) R[k] = k + 0.5;
  return R;
}

// Expects R to equal before in every register but those listed.
inline void expect_unchanged_except(const dlt::RegisterFile& R, const dlt::RegisterFile& before,
                                    std::initializer_list<int> changed) {
  for (int k = 0; k < dlt::kRegisterCount; ++k) {
    if (std::find(changed.begin(), changed.end(), k) != changed.end()) continue;
    EXPECT_EQ(R[k], before[k]) << "R" << k;
  }
}
