// The support reactions of a complete beam, from the jumps of its course, and
// the balance of its vertical forces and of the moments about its left end
// as a check on the whole computation. Forces count positive in the load
// direction for loads (the direction of a positive q and F) and positive
// against it for reactions; moments count in the sense a positive load
// turns about the left end for loads, against it for reactions.
#pragma once

#include <cstddef>
#include <vector>

#include "report/beam/summary.h"
#include "report/pass/record.h"

namespace dlt {

enum class ReactionKind {
  force,        // a support's or spring's force
  end_moment,   // the bending moment M at a clamped end
  moment_jump,  // the moment a condition on p takes up: M after less M before
};

struct Reaction {
  std::size_t element = 0;  // its element in the record
  double x = 0;
  ReactionKind kind = ReactionKind::force;
  double value = 0;
};

struct Statics {
  std::vector<Reaction> reactions;
  // Distributed loads, point forces and a force prescribed at the right end.
  double load_sum = 0;
  // The forces among the reactions.
  double reaction_sum = 0;
  // reaction_sum - load_sum: zero up to rounding for a beam in balance.
  double difference = 0;
  // About the left end: loads (with point moments and a moment prescribed at
  // the right end), and reactions (with clamping moments and the moments
  // conditions on p take up).
  double load_moment_sum = 0;
  double reaction_moment_sum = 0;
  double moment_difference = 0;
};

// REQUIRES: summary is that of record, a complete pass.
Statics beam_statics(const BeamRecord& record, const BeamSummary& summary);

}  // namespace dlt
