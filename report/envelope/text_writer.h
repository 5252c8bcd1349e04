// The envelope's text report: the envelope's tables laid out in columns of
// plain ASCII by format/text_table, the table of every point last.
#pragma once

#include "report/envelope/envelope_run.h"
#include "report/envelope/summary.h"
#include "report/format/labels.h"
#include "report/format/output.h"

namespace dlt {

// Writes the text report over the load cases to out, the table a row at a
// time; stops early where a write fails. REQUIRES: summary is that of run.
void write_envelope_text(ReportOutput& out, const EnvelopeRun& run, const EnvelopeSummary& summary,
                         const ReportLabels& labels);

}  // namespace dlt
