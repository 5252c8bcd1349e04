#include "engine/left_end.h"

#include "console/console.h"

namespace dlt {

void left_end(RegisterFile& R, int S1, int S2) {
  R.clear(1, 12);
  R[13] = S1 + kX1Offset;
  R[14] = S2 + kX2Offset;
  R[round_index(R[13])] = 1;
  R[round_index(R[14])] = 1;
  R[15] = kFirstFactorSlot;
}

Effect cmd_left_end(RegisterFile& R, InputValues& in) {
  R.clear(1, 12);
  print("linkes Traegerende\nunbekannt sind S1 u. S2\n");
  print("gel.Lager:S1=2(p),S2=4(Q)\n");
  print("freies E.:S1=1(w),S2=2(p)\n");
  print("Einspann.:S1=3(M),S2=4(Q)\n");
  print("S1= ");
  read_int(in.S1);
  print("\nS2= ");
  read_int(in.S2);
  if (!is_state_code(in.S1) || !is_state_code(in.S2)) {
    print(kLeftEndCodeNotice);
    return Effect::none;
  }
  if (in.S1 == in.S2) {
    print(kLeftEndSameCodeNotice);
    return Effect::none;
  }
  left_end(R, in.S1, in.S2);
  return Effect::element;
}

}  // namespace dlt
