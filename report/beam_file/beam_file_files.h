// The beam files of --als-datei: whenever the reports are written, the
// beam of the load cases so far, with every load case of it, written as a beam file (TOML)
// whatever the end of the file's name, each file with its notice. A user's
// old script so becomes a file the program reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/envelope/load_cases.h"
#include "report/pass/settings.h"

namespace dlt {

// Writes every beam file over cases, which the pass just completed has
// joined, and prints for each "Traegerdatei geschrieben: FILE (N
// Lastfaelle)" or "Traegerdatei nicht geschrieben: FILE: reason", the latter
// on standard error too where standard output is not a terminal. Where the
// beam has no form in a beam file, no file is written and each says why.
// Without files (and not in memory) it does nothing. False where one or
// more was not written. REQUIRES: cases holds at least one load case.
bool write_beam_file_files(const std::vector<std::string>& files, const ReportSettings& settings,
                           const LoadCases& cases);

// Where the pass just completed could not join the load cases: each file
// says why and keeps what it holds. True where there are none.
bool refuse_beam_file_files(const std::vector<std::string>& files, std::string_view reason);

}  // namespace dlt
