#include "engine/conditions.h"

#include "console/console.h"

namespace dlt {

// The factor pointer at the fifth condition of a pass, the last whose two
// slots lie in the register file.
constexpr int kLastConditionSlot = kFirstFactorSlot + 8;

void eliminate_unknown(RegisterFile& R, int S1, double W1) {
  R[14] = S1;
  R[17] = R[14] + kX2Offset;
  R[18] = W1;
  R[round_index(R[14])] = (-R[18]) + R[round_index(R[14])];
  // Two rounds: the first takes f1 from the load column, the second f2 from
  // the X1 column, which the first round has moved into R1 to R4.
  for (int round = 0; round < 2; ++round) {
    R[13] = (-R[round_index(R[14])]) / R[round_index(R[17])];
    R[round_index(R[15])] = R[13];
    for (int s = 1; s <= 4; ++s) {
      double t = R[s + kX2Offset] * R[13];
      double old = R[s];
      R[s] = R[s + kX1Offset];
      R[s + kX1Offset] = old + t;
    }
    R[15] = R[15] + 1;
  }
  // Exactly W1, even where the rounds left a residue.
  R[round_index(R[14])] = R[18];
  R.clear(9, 12);
  R[14] = kComplementBase - R[14];
  R[round_index(R[14])] = 1;
}

void right_end(RegisterFile& R, int S2, double W2) {
  R[14] = S2;
  double t = R[round_index(R[14])];
  R[14] = R[14] + kX1Offset;
  R[16] = (t - W2) / R[round_index(R[14])];
}

void cmd_condition(RegisterFile& R, InputValues& in) {
  // A left end sets the pointer to the first slot, and every condition moves
  // it on by two; anything else means no left end has started the pass.
  int pointer = round_index(R[15]);
  if (pointer == kLastConditionSlot + 2) {
    print(kSixthConditionNotice);
    return;
  }
  if (pointer < kFirstFactorSlot || pointer > kLastConditionSlot) {
    print(kNoLeftEndNotice);
    return;
  }
  print("Zwischenbedingung\n");
  print("gel.Lager:S1=1(w),W1=0\n");
  print("Gelenk:   S1=3(M),W1=0\n");
  print("rechtes Traegerende:\n");
  print("gel.Lager:S1=1(w),W1=0\n");
  print("freies E.:S1=3(M),W1=Wert\n");
  print("Einspann.:S1=1(w),W1=0\n");
  print("S1= ");
  read_int(in.S1);
  print("\nW1= ");
  read_double(in.W1);
  if (!is_state_code(in.S1)) {
    print(kConditionCodeNotice);
    return;
  }
  eliminate_unknown(R, in.S1, in.W1);
  print("\nrechtes Ende?1=ja 0=no:");
  read_int(in.right_end_answer);
  if (in.right_end_answer != 1) return;
  print("rechtes Traegerende:\n");
  print("gel.Lager:S2=3(M),W2=0/M\n");
  print("freies E.:S2=4(Q),W2=0/Q\n");
  print("Einspann.:S2=2(p),W2=0\n");
  print("S2= ");
  read_int(in.S2);
  print("\nW2= ");
  read_double(in.W2);
  if (!is_state_code(in.S2)) {
    print(kRightEndCodeNotice);
    return;
  }
  right_end(R, in.S2, in.W2);
}

}  // namespace dlt
