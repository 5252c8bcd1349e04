// What one load case of a beam file puts on the beam, by the file's keys:
// its distributed loads, point actions, settlements and end rotations, each
// where it acts, as the elements of the load case's pass give them; or why
// they have no form in a beam file.
#pragma once

#include <string>
#include <vector>

#include "engine/element.h"

namespace dlt {

// A distributed load: q at from, linear to q_to at to.
struct WrittenLoad {
  double from = 0;
  double to = 0;
  double q = 0;
  double q_to = 0;
};

// A value acting at x: a point action's, a settlement's or a rotation's.
struct WrittenAction {
  double x = 0;
  double value = 0;
};

struct WrittenLoads {
  std::vector<WrittenLoad> loads;          // streckenlasten
  std::vector<WrittenAction> forces;       // einzellasten, F
  std::vector<WrittenAction> moments;      // momente, M
  std::vector<WrittenAction> kinks;        // winkel, p
  std::vector<WrittenAction> offsets;      // versaetze, w
  std::vector<WrittenAction> settlements;  // absenkungen, w
  std::vector<WrittenAction> rotations;    // verdrehungen, p
};

// The loads of a complete pass whose beam a beam file holds, tolerance
// being how close two x are one point there. A point action is one of the
// pass's loads, a support's W1 a settlement; the right end's prescribed w
// is a settlement at its x, its p a rotation, and a prescribed M or Q a
// moment (M = W) or force (F = W) just left of it, as the file puts the
// point actions at the right end; only values that are not zero count.
// False with the reason where one has no form in the file: a value that is
// not finite, a segment of no length above zero, a hinge with a prescribed
// M other than 0, a condition on p or Q, and an offset that follows a
// spring or support at its point, or a moment a hinge, where the file
// would put it before them.
bool written_loads(const std::vector<Element>& elements, double tolerance, WrittenLoads& loads,
                   std::string& reason);

}  // namespace dlt
