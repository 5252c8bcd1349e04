// The report files of one pass, written at its right end or from a copy of
// it later: its summary and statics made once, then every file in the
// format its name asks for, each replaying the beam again so that no table
// is ever held whole.
#pragma once

#include <string>
#include <vector>

#include "engine/register_file.h"
#include "report/pass/record.h"
#include "report/pass/settings.h"

namespace dlt {

// Writes every report file for the pass just completed by a right end, whose
// commands are in record and whose solution is in R, and prints for each "Bericht geschrieben: FILE" or
// "Bericht nicht geschrieben: FILE: reason", the latter on standard error too where standard output is not a
// terminal. Nothing is written where the record ran out of memory or the tables would have more than 100
// million rows; where memory runs out while a file is written, that file is not written. False where one or
// more was not written.
bool write_beam_files(const std::vector<std::string>& files, const ReportSettings& settings,
                      const BeamRecord& record, const RegisterFile& R);

}  // namespace dlt
