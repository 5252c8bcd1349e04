// Whether two passes are load cases of one beam, and where they first
// differ: their ends, supports, hinges and springs in order along the beam,
// then their stretches of equal bending stiffness. Loads, settlements, end
// values and the splitting of segments may differ.
#pragma once

#include <string>
#include <vector>

#include "engine/element.h"

namespace dlt {

// Whether b is a load case of the beam a is one of: the same ends, supports,
// hinges and springs at the same x within 1e-9 of a's length, and the same
// bending stiffness everywhere.
bool same_beam(const std::vector<Element>& a, const std::vector<Element>& b);

// The first difference same_beam finds, in words, the value of b before
// the value of a ("Abschnitt 7: EI= 5000.000000 statt 30000.000000", where
// 7 counts the segments of b from 1); empty where b is a load case of a's
// beam.
std::string beam_difference(const std::vector<Element>& a, const std::vector<Element>& b);

// How far positions may differ and still be one: 1e-9 of the beam's length.
double position_tolerance(const std::vector<Element>& elements);

}  // namespace dlt
