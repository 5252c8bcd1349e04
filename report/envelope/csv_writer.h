// The envelope as CSV (RFC 4180): a header x,w_max,w_min,...,Q_min and one
// record per point of the envelope, lines ended by CR LF, numbers in the
// shortest form that reads back as the same double.
#pragma once

#include "report/envelope/envelope_run.h"
#include "report/format/output.h"

namespace dlt {

// Writes the CSV table over the load cases to out a row at a time; stops
// early where a write fails.
void write_envelope_csv(ReportOutput& out, const EnvelopeRun& run);

}  // namespace dlt
