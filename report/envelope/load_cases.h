// The load cases of --grenzwerte: every pass a right end completes is one,
// numbered from 1 in the order entered. The first of a beam is its permanent
// load, every later one a variable load that may act or not. A pass is a
// load case of the same beam where its ends, supports, hinges and springs
// and its bending stiffness at every x are those of the first; its loads,
// settlements, end values and the splitting of its segments may differ.
// Each case keeps what a replay of it needs: its elements and the register
// file its right end solved, with the kept beam.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/register_file.h"
#include "engine/results.h"
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

struct LoadCases {
  std::vector<LoadCase> cases;
};

enum class CaseAdded {
  added,     // one more load case of the beam
  replaced,  // the pass had made one already: its later right end counts
  repeated,  // equal to an earlier load case; none added
  new_beam,  // not the same beam: the load cases start again at 1
};

// Adds the pass just completed in record, solved in R, to the load cases.
// REQUIRES: is_complete(record). Where memory runs out, the load cases are
// left empty and std::bad_alloc is thrown.
CaseAdded add_load_case(LoadCases& cases, const BeamRecord& record, const RegisterFile& R);

// Whether add_load_case would start the load cases again at 1 for the pass
// in record: it is not a load case of the beam of cases.
bool starts_new_beam(const LoadCases& cases, const BeamRecord& record);

// Whether b is a load case of the beam a is one of: the same ends, supports,
// hinges and springs at the same x within 1e-9 of a's length, and the same
// bending stiffness everywhere.
bool same_beam(const std::vector<Element>& a, const std::vector<Element>& b);

// How far positions may differ and still be one: 1e-9 of the beam's length.
double position_tolerance(const std::vector<Element>& elements);

}  // namespace dlt
