// One run of the envelope, as CompletePass is for one pass: the load cases,
// the factors they are combined with, and the pieces every segment is
// divided into. The summary, the tables, the diagrams and the writers all
// take it.
#pragma once

#include "report/envelope/combination.h"
#include "report/envelope/load_cases.h"
#include "report/pass/replay.h"

namespace dlt {

// REQUIRES: cases holds at least one load case. It and factors outlive the
// run and whatever is made of it.
struct EnvelopeRun {
  const LoadCases& cases;
  const Factors& factors;
  int pieces = kDefaultPieces;
};

}  // namespace dlt
