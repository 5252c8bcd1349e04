// The load cases of --grenzwerte: every pass a right end completes is one
// of its beam, numbered from 1 in the order entered within that beam. The
// first of a beam is its permanent load, every later one a variable load
// that may act or not. A pass is a load case of a beam where same_beam says
// so against the beam's first case. The beams are kept side by side, so
// that a pass of another beam (a value mistyped) leaves the load cases
// before it, and a later pass of the earlier beam joins them again.
// Each case keeps what a replay of it needs: its elements and the register
// file its right end solved, with the kept beam.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/register_file.h"
#include "engine/results.h"
#include "report/envelope/same_beam.h"
#include "report/pass/record.h"

namespace dlt {

struct LoadCase {
  BeamRecord record;
  RegisterFile solved;  // closed_copy of the register file its right end left
  std::uint64_t pass = 0;
  // In the order of the first case's supports and reactions: the values
  // just after each support, and each reaction's value.
  std::vector<PointValues> at_supports;
  std::vector<double> reactions;
};

// The load cases of one beam.
struct LoadCases {
  std::vector<LoadCase> cases;
};

// The load cases of every beam entered, in the order the beams were first
// seen, none of them empty, and the beam the last pass joined.
struct CasesByBeam {
  std::vector<LoadCases> beams;
  std::size_t last = 0;
};

// The load cases of the beam the last pass joined. REQUIRES: beams.beams
// is not empty.
const LoadCases& last_beam(const CasesByBeam& beams);

enum class CaseAdded {
  added,     // one more load case of the beam
  replaced,  // the pass had made one already: its later right end counts
  repeated,  // equal to an earlier load case; none added
  new_beam,  // not the same beam: the load cases start again at 1
};

// Which beam a pass joined, against the beam of the pass before it.
enum class BeamChange {
  same,      // the beam of the pass before
  new_beam,  // a beam not seen before: its load cases begin at 1
  returned,  // a beam seen before, not the last one: it joins its load cases again
};

// How the pass just completed joined the load cases of its beam.
struct CaseJoined {
  CaseAdded added = CaseAdded::added;  // added, replaced or repeated
  BeamChange change = BeamChange::same;
  // A new beam: the first difference from the beam of the pass before.
  std::string difference;
  // A beam returned to: how many load cases it had before.
  std::size_t earlier_cases = 0;
  // The pass's number among the load cases of its beam; 0 where repeated.
  std::size_t number = 0;
};

// Adds the pass just completed in record, solved in R, to the load cases of
// its beam, the first beam whose first case same_beam finds it to be a load
// case of, or a new beam; that beam becomes the last. A later right end of
// the same pass takes the place of its earlier one (and of its beam, where
// that had no other). REQUIRES: is_complete(record). Where memory runs out,
// every beam's load cases are left empty and std::bad_alloc is thrown.
CaseJoined join_load_case(CasesByBeam& beams, const BeamRecord& record, const RegisterFile& R);

// Whether join_load_case would make the pass in record join another beam
// than the last one.
bool leaves_last_beam(const CasesByBeam& beams, const BeamRecord& record);

}  // namespace dlt
