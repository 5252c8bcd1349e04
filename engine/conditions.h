// Key f: an intermediate support or hinge, where one quantity is prescribed
// and one of the two unknowns is eliminated into two factor slots, and the
// right end, which determines X1.
#pragma once

#include "console/input_values.h"
#include "engine/effect.h"
#include "engine/element.h"
#include "engine/register_file.h"

namespace dlt {

// Shown instead of the dialogue where no left end has started the pass: the
// factor pointer R15 would not point at a factor slot.
inline constexpr char kNoLeftEndNotice[] = "erst linkes Traegerende eingeben, Bedingung nicht gesetzt\n";
// Shown instead of the dialogue where the pass already holds as many
// conditions as there are factor slots for.
inline constexpr char kTooManyConditionsNotice[] =
    "hoechstens 100000 Bedingungen je Durchgang, Bedingung nicht gesetzt\n";
// Shown where S1 of a condition, or S2 of a right end, is not a state code;
// no register changes.
inline constexpr char kConditionCodeNotice[] = "S1 nur 1 bis 4, Bedingung nicht gesetzt\n";
inline constexpr char kRightEndCodeNotice[] = "S2 nur 1 bis 4, rechtes Ende nicht gesetzt\n";
// Shown where neither unknown can change the prescribed quantity (a support
// where w is fixed already, a hinge that releases nothing, a beam that could
// still move); no register changes.
inline constexpr char kUndeterminedConditionNotice[] =
    "Bedingung hier nicht bestimmbar, Bedingung nicht gesetzt\n";
// Shown where X1 cannot change the quantity prescribed at the right end; the
// condition before it stays done.
inline constexpr char kUndeterminedRightEndNotice[] =
    "rechtes Ende hier nicht bestimmbar, rechtes Ende nicht gesetzt\n";
// The same two where the numbers overflowed: the beam may be no mechanism at
// all, its lengths and loads are only too large (or EI too small) for them.
inline constexpr char kOverflowConditionNotice[] =
    "Bedingung hier nicht bestimmbar: Zahlen zu gross (Ueberlauf), Bedingung nicht gesetzt\n";
inline constexpr char kOverflowRightEndNotice[] =
    "rechtes Ende hier nicht bestimmbar: Zahlen zu gross (Ueberlauf), rechtes Ende nicht gesetzt\n";

// Asks for the prescribed quantity S1 and its value W1, then, where that
// condition can be set, whether this is the right end; if so, for the second
// prescribed quantity S2 and its value W2. Applies the condition, or the
// right end made of both. A condition set with a refused right end is a
// condition, not a right end.
CommandEffect cmd_condition(RegisterFile& R, InputValues& in);

// Which unknown the condition on quantity S1 is solved for.
enum class Pivot { x2, x1, none };

// Chooses the unknown to solve for: the first five conditions of a pass take
// X2, the newest, and X1 only where X2 cannot change quantity S1; the later
// ones take X1, the older, and X2 only where X1 cannot change it. Carrying
// the left end's unknown through many supports loses digits fast; solving
// for the older one keeps them. none where neither entry of S1 is nonzero.
// REQUIRES: R15 is a factor slot.
Pivot choose_pivot(const RegisterFile& R, Quantity S1);

// A condition "quantity S1 equals W1": refuses it where condition_room or
// condition_refusal does (the stable columns decide where the pass has
// them), else solves it for the unknown choose_pivot picks (where the
// registers still have one) and sets it on the stable columns.
Refusal apply_condition(RegisterFile& R, Quantity S1, double W1);

// Uses the condition "quantity S1 equals W1" to express X2 as f1 + f2 X1:
// f1 goes to slot R15 and f2 to slot R15+1, R15 moves on by two, the load
// and X1 columns take in f1 and f2 times the X2 column, and the new X2 column
// is the jump of the quantity complementary to S1 (R[13 - S1] = 1).
// REQUIRES: R15 is a factor slot.
void eliminate_unknown(RegisterFile& R, Quantity S1, double W1);

// The same condition solved for X1 instead, as X1 = g1 + g2 X2: the load
// column takes in g1 and the X2 column g2 times the X1 column, and becomes
// the X1 column, so that the old X2 is the unknown carried on. The slots, R15
// and the new X2 column as above.
// REQUIRES: R15 is a factor slot and R[S1+4] is not zero.
void eliminate_carried_unknown(RegisterFile& R, Quantity S1, double W1);

// A right end: sets its condition S1 = W1, then, where the kept unknown can
// change S2 (in the stable columns where the pass has them), determines X1
// from S2 = W2 with right_end and solves the stable columns.
Refusal apply_right_end(RegisterFile& R, const Element& end);

// Uses the condition "quantity S2 equals W2" at the right end to store -X1
// in R16, and back-substitutes the unknowns of the stretches before.
void right_end(RegisterFile& R, Quantity S2, double W2);

}  // namespace dlt
