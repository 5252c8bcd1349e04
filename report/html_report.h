// The report page of a complete beam: one self-contained XHTML file with the
// sketch of the beam, the diagrams of w, p, M and Q, and the tables of the
// reports with the same numbers as the text report. No scripts and nothing
// outside the file.
#pragma once

#include <string>

#include "report/beam_summary.h"
#include "report/replay.h"
#include "report/statics.h"

namespace dlt {

// REQUIRES: summary and statics are those of pass.
std::string html_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics);

}  // namespace dlt
