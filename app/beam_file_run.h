// The program's run with a beam file: the file read whole, its beam built
// into passes (model/) and handed to the reports, which print the report on
// standard output and write the files the options ask for. Standard input
// is never read.
#pragma once

#include "app/command_line.h"
#include "model/passes.h"
#include "report/reports.h"

namespace dlt {

// Runs the beam file of line. Returns the exit status: 0, 1 where a file
// was not written, 2 where the beam file cannot be read or is no beam file
// (one line "FILE:LINE:COLUMN: what is wrong" on standard error, and nothing
// written).
int run_beam_file(const CommandLine& line);

// What the reports are handed of a beam file's passes: their elements,
// moved out of passes, which keep the sources.
BeamFileReports reports_of(BeamPasses& passes);

}  // namespace dlt
