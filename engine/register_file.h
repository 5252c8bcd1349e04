// The register file: the doubles R0 to R30 that hold the whole state of a
// beam computation, the factor slots that go on past them, the constants the
// commands share, and round_index, which turns a register-held number into a
// register number. Beside the registers it holds the stable solution
// (engine/stable_file.h).
//
// Fixed roles:
//   R1..R4    load column: constant terms of w, p, M, Q
//   R5..R8    X1 column: coefficients of the first unknown
//   R9..R12   X2 column: coefficients of the second unknown
//   R13, R14  scratch
//   R15       factor pointer: number of the next free factor slot
//   R16       -X1, set at the right end
//   R17, R18  the pivot's register and W1 during a condition
//   R20..     factor slots, two per condition, up to kLastRegister
// State code s (1 = w, 2 = p, 3 = M, 4 = Q) sits at R[s], R[s+4] and R[s+8].
#pragma once

#include <cfloat>
#include <climits>
#include <cstddef>
#include <deque>
#include <vector>

#include "engine/stable_file.h"

// Printed digits depend on every double operation being rounded to double
// before the next one; a wider evaluation format changes them.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "double arithmetic must be evaluated in double precision (FLT_EVAL_METHOD 0)"
#endif

namespace dlt {

// R0 to R30, the registers every pass uses; the factor slots of the sixth
// condition of a pass and later ones lie past them.
constexpr int kRegisterCount = 31;

// The ten-digit value the shaft formula has always used, not the full double.
constexpr double kPi = 3.141592654;
constexpr int kFirstFactorSlot = 20;
constexpr int kX1Offset = 4;
constexpr int kX2Offset = 8;
// The unknown a condition introduces sits in R[13 - S1].
constexpr int kComplementBase = 13;
constexpr double kShaftDivisor = 64;
constexpr double kRoundingThreshold = 0.5;

// Conditions a pass may hold: far more than any beam has, a bound only
// against runaway input.
constexpr int kMaxConditions = 100000;
// The last factor slot, and so the last register there is.
constexpr int kLastRegister = kFirstFactorSlot + 2 * kMaxConditions - 1;

// What round_index gives for a value no register number can come from.
constexpr int kNoIndex = INT_MIN;

// Ends the program with a message: register k does not exist.
[[noreturn]] void register_out_of_range(int k);

struct RegisterFile {
  // Register k. REQUIRES: 0 <= k <= kLastRegister; any other k ends the
  // program with a message instead of touching memory outside the file.
  // Inline, as every step of the arithmetic goes through here.
  double& operator[](int k) {
    if (k >= 0 && k < kRegisterCount) return values[k];
    return slot_past_r30(k);
  }
  double operator[](int k) const {
    if (k >= 0 && k < kRegisterCount) return values[k];
    if (k < 0 || k > kLastRegister) register_out_of_range(k);
    std::size_t at = static_cast<std::size_t>(k - kRegisterCount);
    return at < more_slots.size() ? more_slots[at] : 0.0;
  }

  // Sets R[first] to R[last], both included, to zero.
  void clear(int first, int last);

  double values[kRegisterCount] = {};

  // R31 onwards, as far as they have been used; a slot not used yet reads 0.
  // A deque, so that growing it leaves every reference to a slot valid.
  std::deque<double> more_slots;

  // Which unknown each condition of the pass fixed, by its number from the
  // left end (0 for the first): 1 where it solved for X1, 0 for X2.
  std::vector<unsigned char> solved_for_x1;

  // -X1 and -X2 of the stretches ahead of the last condition solved for X1,
  // back-substituted at the right end; stretch c ends at condition c.
  // Empty where the right end found every condition solved for X2.
  std::vector<double> chain_minus_x1;
  std::vector<double> chain_minus_x2;

  // The stable solution carried beside the registers.
  StableFile stable;

  // Set where the pass ran out of memory and was given up: every element
  // but a left end is refused until a left end starts a new pass.
  bool pass_abandoned = false;

 private:
  double& slot_past_r30(int k);
};

// A copy of R as the next left end finds it: a pass a right end solved is
// closed and its kept beam built, and the pass's anchors, which that left
// end drops, are not copied. What a replay of the pass starts from; it holds
// no more than the registers and the kept beam.
RegisterFile closed_copy(const RegisterFile& R);

// Whether k is a register number, R0 to kLastRegister.
constexpr bool is_register(int k) { return k >= 0 && k <= kLastRegister; }

// Rounds x half up to a register number: the fraction, taken with fmod and so
// carrying the sign of x, decides whether truncation toward zero is raised by
// one. Negative values therefore always truncate. NaN and values outside the
// range of int give kNoIndex.
int round_index(double x);

}  // namespace dlt
