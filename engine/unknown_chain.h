// The unknowns of every stretch of a pass, back-substituted from the right
// end through the conditions ahead of it. Each condition wrote one unknown
// of its stretch as g1 + g2 times the other into its two factor slots; the
// right end knows the last stretch's X1, and from it the chain gives X1 and
// X2 of every stretch before.
#pragma once

#include "engine/register_file.h"

namespace dlt {

// The number of the condition whose first slot is pointer (0 for the first
// of a pass, at R20), or -1 where pointer is no condition's first slot. The
// pointer just past the last slot, after the last condition a pass may
// hold, gives kMaxConditions.
int condition_number(int pointer);

// Notes that condition number c of the pass was solved for X1
// (solved_for_x1 true) or for X2; a c that is no condition's is ignored.
void note_condition(RegisterFile& R, int c, bool solved_for_x1);

// At the right end, with -X1 of the last stretch in R16 and R15 just past the
// last condition's slots: back-substitutes -X1 and -X2 of every stretch up to
// the last condition solved for X1 into the chain. Stretches after it need
// none: their X1 is the right end's and X2 follows from the slots ahead.
void chain_unknowns(RegisterFile& R);

// -X1 and -X2 of the stretch that ends at the condition whose first slot is
// pointer, where the chain holds them; false where it does not (no condition
// ahead was solved for X1, or pointer is no condition's first slot).
bool chained_unknowns(const RegisterFile& R, int pointer, double& minus_x1, double& minus_x2);

}  // namespace dlt
