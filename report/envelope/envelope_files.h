// The envelope files of --grenzwerte: at every right end the pass joins the
// load cases of its beam, and every file is written anew over all of them,
// the text report, the CSV table or the page by the end of its name, each
// with its notice.
#pragma once

#include <string>

#include "engine/register_file.h"
#include "report/envelope/load_cases.h"
#include "report/envelope/summary.h"
#include "report/envelope/walk.h"
#include "report/format/output.h"
#include "report/pass/record.h"
#include "report/reports.h"

namespace dlt {

// Whether a right end has envelope files to write, or envelopes to build in
// memory.
bool wants_envelopes(const ReportOptions& options);

// Adds the pass just completed by a right end to cases and writes every
// envelope file, printing "neuer Traeger, Lastfaelle beginnen bei 1" first
// where the pass starts a new beam, and for each file "Grenzwerte
// geschrieben: FILE (N Lastfaelle)" or "Grenzwerte nicht geschrieben: FILE:
// reason". False where one or more was not written.
bool write_envelopes(const ReportOptions& options, LoadCases& cases, const BeamRecord& record,
                     const RegisterFile& R);

// The notice of a pass that is not a load case of the beam before it.
inline constexpr char kNewBeamNotice[] = "neuer Traeger, Lastfaelle beginnen bei 1\n";

}  // namespace dlt
