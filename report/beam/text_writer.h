// The text report of a complete beam: the beam's tables laid out in columns
// of plain ASCII by format/text_table, the value table last.
#pragma once

#include <string>

#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/beam/tables.h"
#include "report/format/labels.h"
#include "report/format/output.h"
#include "report/pass/replay.h"

namespace dlt {

// Writes the text report to out, the table a row at a time; stops early
// where a write fails.
// REQUIRES: summary and statics are those of pass.
void write_text_report(ReportOutput& out, const CompletePass& pass, const BeamSummary& summary,
                       const Statics& statics, const ReportLabels& labels);

// The whole text report in one string.
std::string text_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics,
                        const ReportLabels& labels = {});

}  // namespace dlt
