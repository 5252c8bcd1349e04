#include "engine/left_end.h"

#include "console/console.h"
#include "engine/stable_columns.h"

namespace dlt {

void close_pass(RegisterFile& R) {
  R.clear(1, 12);
  stable_close_pass(R.stable);
}

void abandon_pass(RegisterFile& R) {
  R = RegisterFile{};
  R[15] = kFirstFactorSlot;
  R.pass_abandoned = true;
}

Refusal apply_left_end(RegisterFile& R, Quantity S1, Quantity S2) {
  R.pass_abandoned = false;
  close_pass(R);
  if (S1 == S2) return Refusal::same_codes;
  R[13] = state_code(S1) + kX1Offset;
  R[14] = state_code(S2) + kX2Offset;
  R[round_index(R[13])] = 1;
  R[round_index(R[14])] = 1;
  R[15] = kFirstFactorSlot;
  stable_left_end(R.stable, S1, S2);
  return Refusal::none;
}

CommandEffect cmd_left_end(RegisterFile& R, InputValues& in) {
  print("linkes Traegerende\nunbekannt sind S1 u. S2\n");
  print("gel.Lager:S1=2(p),S2=4(Q)\n");
  print("freies E.:S1=1(w),S2=2(p)\n");
  print("Einspann.:S1=3(M),S2=4(Q)\n");
  print("S1= ");
  read_int(in.S1);
  print("\nS2= ");
  read_int(in.S2);
  Element left{.kind = ElementKind::left_end};
  if (!quantity_of_code(in.S1, left.S1) || !quantity_of_code(in.S2, left.S2)) {
    close_pass(R);
    print_notice(kLeftEndCodeNotice);
    return {Effect::pass_closed, left};
  }
  if (apply_element(R, left) == Refusal::same_codes) {
    print_notice(kLeftEndSameCodeNotice);
    return {Effect::pass_closed, left};
  }
  return {Effect::element, left};
}

}  // namespace dlt
