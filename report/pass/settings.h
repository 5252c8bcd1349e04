// What every file of a pass is made with, the reports and the envelope files
// alike: how finely the tables divide each segment, the labels, and whether
// every format is also made in memory (the reports' fuzz target's way).
#pragma once

#include <vector>

#include "report/format/labels.h"
#include "report/pass/chosen_places.h"
#include "report/pass/replay.h"

namespace dlt {

struct ReportSettings {
  int pieces = kDefaultPieces;
  ReportLabels labels;
  bool in_memory = false;
  // The places whose values the report lists (a beam file's), and whether
  // the text goes to standard output too (a beam file's run).
  std::vector<ChosenPlace> places;
  bool to_standard_output = false;
};

}  // namespace dlt
