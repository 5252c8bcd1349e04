// durchlauftraeger: bending of continuous beams and stepped round shafts by
// the transfer-matrix method, driven from a German single-key menu.
#include <cstdio>

#include "app/beam_file_run.h"
#include "app/command_line.h"
#include "app/menu.h"
#include "console/console.h"
#include "console/stream.h"

int main(int argc, char* argv[]) {
  dlt::CommandLine line = dlt::parse_command_line(argc, argv);
  switch (line.action) {
    case dlt::CommandLineAction::help:
      std::fputs(dlt::kHelpText, stdout);
      return 0;
    case dlt::CommandLineAction::version:
      std::fputs(dlt::version_text().c_str(), stdout);
      return 0;
    case dlt::CommandLineAction::bad:
      std::fputs(line.error.c_str(), stderr);
      std::fputs(dlt::kUsageText, stderr);
      return 2;
    case dlt::CommandLineAction::run:
      break;
  }
  // A beam file's run prints no dialogue: quiet mode leaves it as it is.
  dlt::set_quiet(line.quiet);
  if (!line.beam_file.empty()) return dlt::run_beam_file(line);
  dlt::console_open();
  int status = dlt::run_menu(line.reports);
  dlt::console_close();
  return status;
}
