// Reading the text report in end-to-end tests: the report the built program
// writes for a script, its sections by their headings, and the words of a
// line.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

inline std::string example(const char* name) {
  return read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + name);
}

// The text report written for script, with the options given.
inline std::string text_report_of(const std::string& script, std::vector<std::string> options = {}) {
  ScratchDirectory dir;
  options.insert(options.begin(), {"--bericht", dir.file("bericht.txt")});
  PipedRun run = run_piped(script, options);
  EXPECT_EQ(run.ending.status, 0) << run.output;
  return read_file(dir.file("bericht.txt"));
}

// The lines of a report from the one starting with heading to the next blank
// line.
inline std::vector<std::string> section(const std::string& report, const std::string& heading) {
  std::vector<std::string> lines;
  std::size_t at = report.find("\n" + heading);
  if (at == std::string::npos) return lines;
  at = report.find('\n', at + 1) + 1;
  while (at < report.size() && report[at] != '\n') {
    std::size_t end = report.find('\n', at);
    lines.push_back(report.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

// The words of a line.
inline std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while ((at = line.find_first_not_of(' ', at)) != std::string::npos) {
    std::size_t end = line.find(' ', at);
    out.push_back(line.substr(at, end - at));
    at = end;
  }
  return out;
}
