// The load cases of one beam for the envelope's tests: a pass joins them as
// the program joins a load case to its beam, and a pass of another beam
// takes their place.
#pragma once

#include <utility>

#include "engine/register_file.h"
#include "report/envelope/load_cases.h"
#include "report/pass/record.h"

// Joins the pass just completed in record, solved in R, to cases: added,
// replaced or repeated, or new_beam where it is another beam's first case.
inline dlt::CaseAdded add_case(dlt::LoadCases& cases, const dlt::BeamRecord& record,
                               const dlt::RegisterFile& R) {
  dlt::CasesByBeam beams;
  if (!cases.cases.empty()) beams.beams.push_back(std::move(cases));
  dlt::CaseJoined joined = dlt::join_load_case(beams, record, R);
  cases = std::move(beams.beams[beams.last]);
  return joined.change == dlt::BeamChange::same ? joined.added : dlt::CaseAdded::new_beam;
}
