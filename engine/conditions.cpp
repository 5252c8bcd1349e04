#include "engine/conditions.h"

#include <cmath>

#include "console/console.h"
#include "engine/stable_columns.h"
#include "engine/unknown_chain.h"

namespace dlt {

// The factor pointer at the last condition a pass may hold.
constexpr int kLastConditionSlot = kLastRegister - 1;
// The first five conditions of a pass are solved for X2 where they can be:
// so every beam that fits in five prints the digits it always has.
constexpr int kConditionsSolvedForX2 = 5;

// The number of the condition whose slots start at R15, from 0.
static int current_condition(const RegisterFile& R) { return condition_number(round_index(R[15])); }

Pivot choose_pivot(const RegisterFile& R, Quantity S1) {
  bool x1_counts = R[state_code(S1) + kX1Offset] != 0;
  bool x2_counts = R[state_code(S1) + kX2Offset] != 0;
  if (current_condition(R) < kConditionsSolvedForX2) {
    if (x2_counts) return Pivot::x2;
    if (x1_counts) return Pivot::x1;
  } else {
    if (x1_counts) return Pivot::x1;
    if (x2_counts) return Pivot::x2;
  }
  return Pivot::none;
}

// The unknown a condition brings in: the jump of the quantity complementary
// to S1 (R14), the single 1 of the new X2 column.
static void new_x2_column(RegisterFile& R) {
  R.clear(9, 12);
  R[14] = kComplementBase - R[14];
  R[round_index(R[14])] = 1;
}

void eliminate_unknown(RegisterFile& R, Quantity S1, double W1) {
  note_condition(R, current_condition(R), false);
  R[14] = state_code(S1);
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
  new_x2_column(R);
}

void eliminate_carried_unknown(RegisterFile& R, Quantity S1, double W1) {
  note_condition(R, current_condition(R), true);
  R[14] = state_code(S1);
  R[17] = R[14] + kX1Offset;
  R[18] = W1;
  int entry = round_index(R[14]);
  int pivot = round_index(R[17]);
  R[entry] = (-R[18]) + R[entry];
  // g1 from the load column, then g2 from the X2 column, both over the X1
  // entry; the X1 column stays as it is until g2 is taken.
  R[13] = (-R[entry]) / R[pivot];
  R[round_index(R[15])] = R[13];
  for (int s = 1; s <= 4; ++s) R[s] = R[s] + (R[s + kX1Offset] * R[13]);
  R[15] = R[15] + 1;
  R[13] = (-R[entry + kX2Offset]) / R[pivot];
  R[round_index(R[15])] = R[13];
  for (int s = 1; s <= 4; ++s) R[s + kX1Offset] = R[s + kX2Offset] + (R[s + kX1Offset] * R[13]);
  R[15] = R[15] + 1;
  // Exactly W1 and exactly zero, as the condition makes them: a rounding
  // residue left in the X1 entry would let a second condition on the same
  // quantity at this point divide by it instead of being refused.
  R[entry] = R[18];
  R[entry + kX1Offset] = 0;
  new_x2_column(R);
}

void right_end(RegisterFile& R, Quantity S2, double W2) {
  R[14] = state_code(S2);
  double t = R[round_index(R[14])];
  R[14] = R[14] + kX1Offset;
  R[16] = (t - W2) / R[round_index(R[14])];
  chain_unknowns(R);
}

// A condition, or a right end's (which keeps the reaction as an unknown of
// the stable columns).
static Refusal set_condition(RegisterFile& R, Quantity S1, double W1, bool at_right_end) {
  if (Refusal room = condition_room(R); room != Refusal::none) return room;
  if (Refusal refusal = condition_refusal(R, S1); refusal != Refusal::none) return refusal;
  // Along a row of springs the registers may have lost the coefficient the
  // stable columns still have; they then skip the condition, and what g
  // prints comes from the stable solution.
  Pivot pivot = choose_pivot(R, S1);
  if (pivot == Pivot::x2) eliminate_unknown(R, S1, W1);
  if (pivot == Pivot::x1) eliminate_carried_unknown(R, S1, W1);
  stable_condition(R.stable, S1, W1, !at_right_end);
  return Refusal::none;
}

Refusal apply_condition(RegisterFile& R, Quantity S1, double W1) { return set_condition(R, S1, W1, false); }

// What the registers refuse where the stable columns do not decide: overflow
// where the columns overflowed or a register of the three columns is no
// longer finite, though every number of the pass was; the genuine refusal,
// a mechanism, otherwise.
static Refusal registers_refusal(const RegisterFile& R, Refusal genuine) {
  if (R.stable.here.infinite_input) return genuine;
  if (columns_overflowed(R.stable)) return Refusal::overflow;
  for (int k = 1; k <= kX2Offset + 4; ++k) {
    if (!std::isfinite(R[k])) return Refusal::overflow;
  }
  return genuine;
}

Refusal condition_room(const RegisterFile& R) {
  // A left end sets the pointer to the first slot, and every condition moves
  // it on by two; anything else means no left end has started the pass.
  int pointer = round_index(R[15]);
  if (pointer == kLastConditionSlot + 2) return Refusal::too_many_conditions;
  if (pointer < kFirstFactorSlot || pointer > kLastConditionSlot) return Refusal::no_left_end;
  // Conditions the registers skipped still count.
  if (R.stable.conditions >= kMaxConditions) return Refusal::too_many_conditions;
  return Refusal::none;
}

Refusal condition_refusal(const RegisterFile& R, Quantity S1) {
  // The element is refused once the whole dialogue is through.
  if (R.pass_abandoned) return Refusal::none;
  // The stable columns decide where the pass has them: after a row of
  // springs the registers' exact zeros mean nothing, and their residues
  // would let a second support at the same point through.
  if (columns_decide(R.stable))
    return condition_determined(R.stable, S1) ? Refusal::none : Refusal::undetermined_condition;
  if (choose_pivot(R, S1) != Pivot::none) return Refusal::none;
  return registers_refusal(R, Refusal::undetermined_condition);
}

Refusal apply_right_end(RegisterFile& R, const Element& end) {
  if (Refusal refusal = set_condition(R, end.S1, end.W1, true); refusal != Refusal::none) return refusal;
  bool registers_determined = R[state_code(end.S2) + kX1Offset] != 0;
  bool decide = columns_decide(R.stable);
  bool determined = decide ? right_end_determined(R.stable, end.S2) : registers_determined;
  if (!determined) {
    // Its condition stays set, though the element is not recorded.
    R.stable.recorded_whole = false;
    return decide ? Refusal::undetermined_right_end : registers_refusal(R, Refusal::undetermined_right_end);
  }
  if (registers_determined) right_end(R, end.S2, end.W2);
  stable_right_end(R.stable, end.S2, end.W2);
  return Refusal::none;
}

CommandEffect cmd_condition(RegisterFile& R, InputValues& in) {
  Refusal room = condition_room(R);
  if (room == Refusal::too_many_conditions) {
    print_notice(kTooManyConditionsNotice);
    return {};
  }
  if (room == Refusal::no_left_end) {
    print_notice(kNoLeftEndNotice);
    return {};
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
  Element condition{.kind = ElementKind::condition, .W1 = in.W1};
  if (!quantity_of_code(in.S1, condition.S1)) {
    print_notice(kConditionCodeNotice);
    return {};
  }
  // Only a condition that can be set asks whether it is the right end.
  if (Refusal refusal = condition_refusal(R, condition.S1); refusal != Refusal::none) {
    print_notice(refusal == Refusal::overflow ? kOverflowConditionNotice : kUndeterminedConditionNotice);
    return {};
  }
  print("\nrechtes Ende?1=ja 0=no:");
  read_int(in.right_end_answer);
  if (in.right_end_answer != 1) {
    apply_element(R, condition);
    return {Effect::element, condition};
  }
  print("rechtes Traegerende:\n");
  print("gel.Lager:S2=3(M),W2=0/M\n");
  print("freies E.:S2=4(Q),W2=0/Q\n");
  print("Einspann.:S2=2(p),W2=0\n");
  print("S2= ");
  read_int(in.S2);
  print("\nW2= ");
  read_double(in.W2);
  Element end = condition;
  end.kind = ElementKind::right_end;
  end.W2 = in.W2;
  if (!quantity_of_code(in.S2, end.S2)) {
    apply_element(R, condition);
    print_notice(kRightEndCodeNotice);
    return {Effect::element, condition};
  }
  Refusal refusal = apply_element(R, end);
  if (refusal == Refusal::undetermined_right_end || refusal == Refusal::overflow) {
    print_notice(refusal == Refusal::overflow ? kOverflowRightEndNotice : kUndeterminedRightEndNotice);
    return {Effect::element, condition};
  }
  return {Effect::element, end};
}

}  // namespace dlt
