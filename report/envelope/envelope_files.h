// The envelope files of --grenzwerte: at every right end the pass joins the
// load cases of its beam, and every file is written anew over all of them,
// the text report, the CSV table or the page by the end of its name, each
// with its notice.
#pragma once

#include <string>
#include <vector>

#include "engine/register_file.h"
#include "report/envelope/combination.h"
#include "report/envelope/load_cases.h"
#include "report/pass/record.h"
#include "report/pass/settings.h"

namespace dlt {

// Adds the pass just completed by a right end to cases and writes every
// envelope file, printing "neuer Traeger, Lastfaelle beginnen bei 1" first
// where the pass starts a new beam, and for each file "Grenzwerte
// geschrieben: FILE (N Lastfaelle)" or "Grenzwerte nicht geschrieben: FILE:
// reason". Without files (and not in memory) nothing is kept. False where
// one or more was not written.
bool write_envelope_files(const std::vector<std::string>& files, const ReportSettings& settings,
                          const Factors& factors, LoadCases& cases, const BeamRecord& record,
                          const RegisterFile& R);

// Writes every envelope file over the load cases as they stand, and where
// settings say so the text to standard output. REQUIRES: at least one case.
bool write_envelope_of(const std::vector<std::string>& files, const ReportSettings& settings,
                       const Factors& factors, const LoadCases& cases);

// The notice of a pass that is not a load case of the beam before it.
inline constexpr char kNewBeamNotice[] = "neuer Traeger, Lastfaelle beginnen bei 1\n";

}  // namespace dlt
