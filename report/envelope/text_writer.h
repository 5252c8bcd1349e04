// The envelope's text report: the envelope's tables laid out in columns of
// plain ASCII by format/text_table, the table of every point last.
#pragma once

#include "report/envelope/load_cases.h"
#include "report/envelope/summary.h"
#include "report/envelope/combination.h"
#include "report/format/labels.h"
#include "report/format/output.h"

namespace dlt {

// Writes the text report over the load cases to out, the table a row at a
// time; stops early where a write fails. REQUIRES: summary is that of cases.
void write_envelope_text(ReportOutput& out, const LoadCases& cases, const EnvelopeSummary& summary,
                         const Factors& factors, int pieces, const ReportLabels& labels);

}  // namespace dlt
