// Key g: deflection, slope, moment and shear force at the current point.
#pragma once

#include <string>

#include "console/input_values.h"
#include "engine/effect.h"
#include "engine/quantity.h"
#include "engine/register_file.h"

namespace dlt {

// Prints w, p, M and Q at the point the commands since the last left end have
// reached (shown_values), and the hint where the pass has left the beam
// computed last, then pauses. In the registers X1 is taken from R16 (-X1,
// left by the right end of the first pass) and X2 from the two factor slots
// the next condition of the first pass filled. The values printed also go
// to in.w, in.p, in.M and in.q. Nothing is added to the beam.
CommandEffect cmd_results(RegisterFile& R, InputValues& in);

// w, p, M and Q at the current point.
struct PointValues {
  double w = 0;
  double p = 0;
  double M = 0;
  double Q = 0;
};

// The value of quantity q in at.
double value_of(const PointValues& at, Quantity q);

// The register arithmetic of the results: the values at the current point,
// with -X2 left in R14.
PointValues point_values(RegisterFile& R);

// What key g prints and the reports show: the register values, each
// replaced by the stable solution's where the pass carries a known state and
// the two differ (see shown_value).
PointValues shown_values(RegisterFile& R);

// What the CSV tables carry: each value the precise one where the pass
// carries its state in Wide and it is finite, else what shown_values gives
// (see precise_value).
PointValues precise_values(RegisterFile& R);

// Printed by key g after its values where the pass no longer follows the
// beam the last right end computed.
inline constexpr char kLeftBeamHint[] = "Hinweis: Durchgang weicht vom berechneten Traeger ab\n";

// The quantities that depend on an unknown no right end has determined yet,
// in a pass where there is no beam computed last to take them from: the
// rows of the unknowns' columns that are not zero. None before a left end
// and none once a right end has solved the pass.
struct WaitingQuantities {
  bool waits[kQuantityCount] = {};
};
WaitingQuantities waiting_quantities(const RegisterFile& R);

// The hint key g prints for them: "Achtung: w, p haengen von noch
// unbestimmten Groessen ab", or "haengt" for one. Empty where none waits.
// Its words hold none of the letters w, p, M and Q but the names.
std::string waiting_hint(const WaitingQuantities& waiting);

}  // namespace dlt
