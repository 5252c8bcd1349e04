// The text report of a complete beam: the tables of the reports laid out in
// columns of plain ASCII, the value table last.
#pragma once

#include <string>

#include "report/beam_summary.h"
#include "report/replay.h"
#include "report/statics.h"

namespace dlt {

// REQUIRES: summary and statics are those of pass.
std::string text_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics);

}  // namespace dlt
