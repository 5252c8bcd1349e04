#include "engine/results.h"

#include <cmath>
#include <cstddef>

#include "console/console.h"
#include "engine/carried_state.h"
#include "engine/stable_columns.h"
#include "engine/unknown_chain.h"

namespace dlt {

// R15 + 1 truncated toward zero, or kNoIndex where that is no register: after
// the last condition a pass may hold it lies past the last slot.
static int second_factor_slot(double pointer) {
  double slot = std::trunc(pointer + 1);
  if (!(slot >= 0 && slot <= kLastRegister)) return kNoIndex;
  return static_cast<int>(slot);
}

double value_of(const PointValues& at, Quantity q) {
  switch (q) {
    case Quantity::w:
      return at.w;
    case Quantity::p:
      return at.p;
    case Quantity::M:
      return at.M;
    case Quantity::Q:
      return at.Q;
  }
  return at.Q;
}

PointValues point_values(RegisterFile& R) {
  int n = round_index(R[15]);
  int m = second_factor_slot(R[15]);
  // Where a condition ahead was solved for X1, the right end has left both
  // unknowns of this stretch in the chain. Elsewhere X1 is the right end's,
  // and R14 = -X2, since X2 = f1 + f2 X1 = R[n] + R[m] (-R16). Where the
  // slots lie beyond the file no condition follows, and X2 is taken as zero.
  double minus_x1 = R[16];
  double minus_x2 = 0;
  if (chained_unknowns(R, n, minus_x1, minus_x2))
    R[14] = minus_x2;
  else if (is_register(n) && is_register(m))
    R[14] = (R[m] * R[16]) - R[n];
  else
    R[14] = 0;
  PointValues at;
  at.w = (R[1] - (R[5] * minus_x1)) - (R[9] * R[14]);
  at.p = (R[2] - (R[6] * minus_x1)) - (R[10] * R[14]);
  at.M = (R[3] - (R[7] * minus_x1)) - (R[11] * R[14]);
  at.Q = (R[4] - (R[8] * minus_x1)) - (R[12] * R[14]);
  return at;
}

// The register values, each put through choose with the state the pass
// carries, where it carries one.
static PointValues with_carried_state(RegisterFile& R,
                                      double (*choose)(double, const StableSpot&, std::size_t)) {
  PointValues at = point_values(R);
  const StableSpot& here = R.stable.here;
  if (!here.carries_state) return at;
  at.w = choose(at.w, here, 0);
  at.p = choose(at.p, here, 1);
  at.M = choose(at.M, here, 2);
  at.Q = choose(at.Q, here, 3);
  return at;
}

PointValues shown_values(RegisterFile& R) { return with_carried_state(R, shown_value); }

PointValues precise_values(RegisterFile& R) { return with_carried_state(R, precise_value); }

WaitingQuantities waiting_quantities(const RegisterFile& R) {
  WaitingQuantities waiting;
  const StableFile& s = R.stable;
  if (s.kept || s.solved) return waiting;
  for (Quantity q : kQuantities) {
    std::size_t r = state_index(q);
    // The stable columns hold exact zeros where a condition fixed a
    // quantity; the registers only where they were never touched.
    waiting.waits[r] = s.here.has_columns
                           ? condition_determined(s, q)
                           : R[state_code(q) + kX1Offset] != 0 || R[state_code(q) + kX2Offset] != 0;
  }
  return waiting;
}

std::string waiting_hint(const WaitingQuantities& waiting) {
  std::string names;
  int count = 0;
  for (Quantity q : kQuantities) {
    if (!waiting.waits[state_index(q)]) continue;
    if (count > 0) names += ", ";
    names += quantity_name(q);
    count = count + 1;
  }
  if (count == 0) return {};
  return "Achtung: " + names + (count == 1 ? " haengt" : " haengen") + " von noch unbestimmten Groessen ab\n";
}

CommandEffect cmd_results(RegisterFile& R, InputValues& in) {
  print_result("Ergebnisse:\n");
  PointValues at = shown_values(R);
  in.w = at.w;
  in.p = at.p;
  in.M = at.M;
  in.q = at.Q;
  print_result("w= ");
  print_fixed(in.w);
  print_result("\np= ");
  print_fixed(in.p);
  print_result("\nM= ");
  print_fixed(in.M);
  print_result("\nQ= ");
  print_fixed(in.q);
  print_result("\n");
  if (R.stable.here.left_beam) print_result(kLeftBeamHint);
  std::string waiting = waiting_hint(waiting_quantities(R));
  if (!waiting.empty()) print_result(waiting);
  pause();
  return {};
}

}  // namespace dlt
