// The report page of a complete beam: one self-contained XHTML file with the
// sketch of the beam, the diagrams of w, p, M and Q, and the tables of the
// reports with the same numbers as the text report, each cut after its
// first 2000 rows where it has more. No scripts and nothing outside the
// file.
#pragma once

#include <string>

#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/beam/tables.h"
#include "report/format/output.h"
#include "report/pass/replay.h"

namespace dlt {

// Writes the page to out, the value table a row at a time; the drawings are
// made whole first. Stops early where a write fails.
// REQUIRES: summary and statics are those of pass.
void write_html_report(ReportOutput& out, const CompletePass& pass, const BeamSummary& summary,
                       const Statics& statics, const ReportLabels& labels);

// The page up to its first drawing: the heading and the user's title, if
// any, with the page's style.
std::string page_head(const char* heading, const std::string& title);

// A table with its heading, cut after its first 2000 rows with a word on
// where the rest are; stops early where a write fails.
void write_page_table(ReportOutput& out, const Table& table);

// A drawing in a block of its own, kept whole on a printed page.
void append_figure(std::string& out, const std::string& svg);

// The foot with the program's name and version, and the page's end.
void append_page_foot(std::string& out);

// The whole page in one string.
std::string html_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics,
                        const ReportLabels& labels = {});

}  // namespace dlt
