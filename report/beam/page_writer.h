// The report page of a complete beam: one self-contained XHTML file with the
// sketch of the beam, the diagrams of w, p, M and Q, and the tables of the
// reports with the same numbers as the text report, each cut after its
// first 2000 rows where it has more. No scripts and nothing outside the
// file. Its head, style, tables and foot are format/page's.
#pragma once

#include <string>

#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/format/labels.h"
#include "report/format/output.h"
#include "report/pass/replay.h"

namespace dlt {

// Writes the page to out, the value table a row at a time; the drawings are
// made whole first. Stops early where a write fails.
// REQUIRES: summary and statics are those of pass.
void write_html_report(ReportOutput& out, const CompletePass& pass, const BeamSummary& summary,
                       const Statics& statics, const ReportLabels& labels);

// The whole page in one string.
std::string html_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics,
                        const ReportLabels& labels = {});

}  // namespace dlt
