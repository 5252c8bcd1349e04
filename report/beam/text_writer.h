// The text report of a complete beam: the tables of the reports laid out in
// columns of plain ASCII, the value table last.
#pragma once

#include <string>

#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/beam/tables.h"
#include "report/format/output.h"
#include "report/pass/replay.h"

namespace dlt {

// Writes the text report to out, the table a row at a time; stops early
// where a write fails.
// REQUIRES: summary and statics are those of pass.
void write_text_report(ReportOutput& out, const CompletePass& pass, const BeamSummary& summary,
                       const Statics& statics, const ReportLabels& labels);

// The report's first line, the user's title under it where there is one,
// and a blank line.
void write_text_heading(ReportOutput& out, const char* heading, const std::string& title);

// A table: its heading, the titles of its columns and its rows, each column
// as wide as its widest cell; stops early where a write fails.
void write_text_table(ReportOutput& out, const Table& table);

// The whole text report in one string.
std::string text_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics,
                        const ReportLabels& labels = {});

}  // namespace dlt
