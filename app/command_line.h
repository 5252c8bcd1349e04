// The command line: which reports a right end writes and how finely, whether
// the dialogue is quiet, or a request for the help or the version. Read with getopt_long, so that the
// usual forms work (--punkte=20, --ber FILE for --bericht FILE).
#pragma once

#include <string>
#include <vector>

#include "report/reports.h"

namespace dlt {

enum class CommandLineAction { run, help, version, bad };

struct CommandLine {
  CommandLineAction action = CommandLineAction::run;
  ReportOptions reports;
  // A beam file to compute instead of the dialogue, and the load cases of
  // --lastfall its report takes (all where empty).
  std::string beam_file;
  std::vector<std::string> load_cases;
  // --ruhig: the dialogue prints only results and notices.
  bool quiet = false;
  // Whether --titel and --einheiten were given: they win over the file's.
  bool title_given = false;
  bool units_given = false;
  // What is wrong with a bad command line, a line printed before the usage.
  std::string error;
};

// The texts for --help and --version on standard output, and for a bad
// command line on standard error.
extern const char kHelpText[];
std::string version_text();
extern const char kUsageText[];

// A title stands on one line of its own: no line break, no control
// character (nor a C1 control as UTF-8 writes it) that could command a
// terminal showing the report. --titel and a beam file's titel alike.
bool is_title(std::string_view title);

// Reads the options; prints nothing. Can be called again: it starts
// getopt_long over.
CommandLine parse_command_line(int argc, char* argv[]);

}  // namespace dlt
