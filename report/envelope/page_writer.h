// The envelope page: one self-contained XHTML file with the sketch of the
// beam and every load case's loads, the envelope diagrams of M, Q and w,
// and the tables of the envelope text report.
#pragma once

#include "report/beam/tables.h"
#include "report/envelope/envelope_run.h"
#include "report/envelope/summary.h"
#include "report/format/labels.h"
#include "report/format/output.h"

namespace dlt {

// Writes the page to out, the table a row at a time; stops early where a
// write fails. REQUIRES: summary is that of run.
void write_envelope_page(ReportOutput& out, const EnvelopeRun& run, const EnvelopeSummary& summary,
                         const ReportLabels& labels);

}  // namespace dlt
