// The register file: the 31 doubles R0 to R30 that hold the whole state of a
// beam computation, the constants the commands share, and round_index, which
// turns a register-held number into a register number.
//
// Fixed roles:
//   R1..R4    load column: constant terms of w, p, M, Q
//   R5..R8    X1 column: coefficients of the first unknown
//   R9..R12   X2 column: coefficients of the second unknown
//   R13, R14  scratch
//   R15       factor pointer: number of the next free factor slot
//   R16       -X1, set at the right end
//   R17, R18  S1+8 and W1 during a condition
//   R20..R30  factor slots, two per condition
// State code s (1 = w, 2 = p, 3 = M, 4 = Q) sits at R[s], R[s+4] and R[s+8].
#pragma once

#include <cfloat>
#include <climits>

// Printed digits depend on every double operation being rounded to double
// before the next one; a wider evaluation format changes them.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "double arithmetic must be evaluated in double precision (FLT_EVAL_METHOD 0)"
#endif

namespace dlt {

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

// What round_index gives for a value no register number can come from.
constexpr int kNoIndex = INT_MIN;

// Ends the program with a message: register k does not exist.
[[noreturn]] void register_out_of_range(int k);

struct RegisterFile {
  // Register k. REQUIRES: 0 <= k <= 30; any other k ends the program with a
  // message instead of touching memory outside the file. Inline, as every
  // step of the arithmetic goes through here.
  double& operator[](int k) {
    if (k < 0 || k >= kRegisterCount) register_out_of_range(k);
    return values[k];
  }
  double operator[](int k) const {
    if (k < 0 || k >= kRegisterCount) register_out_of_range(k);
    return values[k];
  }

  // Sets R[first] to R[last], both included, to zero.
  void clear(int first, int last);

  double values[kRegisterCount] = {};
};

// Whether code names a state quantity: 1 = w, 2 = p, 3 = M, 4 = Q. Codes
// outside 1 to 4 would address registers outside their column.
constexpr bool is_state_code(int code) { return code >= 1 && code <= 4; }

// Whether k is a register number, R0 to R30.
constexpr bool is_register(int k) { return k >= 0 && k < kRegisterCount; }

// Rounds x half up to a register number: the fraction, taken with fmod and so
// carrying the sign of x, decides whether truncation toward zero is raised by
// one. Negative values therefore always truncate. NaN and values outside the
// range of int give kNoIndex.
int round_index(double x);

}  // namespace dlt
