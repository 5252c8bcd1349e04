// Key f: an intermediate support or hinge, where one quantity is prescribed
// and the current unknown X2 is eliminated into two factor slots, and the
// right end, which determines X1.
#pragma once

#include "console/input_values.h"
#include "engine/register_file.h"

namespace dlt {

// Shown instead of the dialogue where no left end has started the pass: the
// factor pointer R15 would not point at a factor slot.
inline constexpr char kNoLeftEndNotice[] = "erst linkes Traegerende eingeben, Bedingung nicht gesetzt\n";
// Shown instead of the dialogue where the pass already holds five conditions:
// a sixth would need slots R30 and R31.
inline constexpr char kSixthConditionNotice[] =
    "hoechstens 5 Bedingungen je Durchgang, Bedingung nicht gesetzt\n";
// Shown where S1 of a condition, or S2 of a right end, is not a state code;
// no register changes.
inline constexpr char kConditionCodeNotice[] = "S1 nur 1 bis 4, Bedingung nicht gesetzt\n";
inline constexpr char kRightEndCodeNotice[] = "S2 nur 1 bis 4, rechtes Ende nicht gesetzt\n";

// Asks for the prescribed quantity S1 and its value W1, eliminates X2 with it,
// and asks whether this is the right end; if so, asks for the second
// prescribed quantity S2 and its value W2 and stores -X1 in R16.
void cmd_condition(RegisterFile& R, InputValues& in);

// Uses the condition "quantity S1 equals W1" to express X2 as f1 + f2 X1:
// f1 goes to slot R15 and f2 to slot R15+1, R15 moves on by two, the load
// and X1 columns take in f1 and f2 times the X2 column, and the new X2 column
// is the jump of the quantity complementary to S1 (R[13 - S1] = 1).
// REQUIRES: S1 is a state code and R15 is a slot from R20 to R28.
void eliminate_unknown(RegisterFile& R, int S1, double W1);

// Uses the condition "quantity S2 equals W2" at the right end to store -X1
// in R16. REQUIRES: S2 is a state code.
void right_end(RegisterFile& R, int S2, double W2);

}  // namespace dlt
