// The example beam files beside the example scripts: each computes, the
// report of a script of one load case and of its file hold the same rows at
// every x both have, and each script of load cases and its file give the same
// envelope, byte for byte. The file's report on standard output is the text
// report of --bericht.
#include <dirent.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

namespace {

std::string example(const std::string& name) { return std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + name; }

std::vector<std::string> example_beam_files() {
  std::vector<std::string> names;
  DIR* listing = opendir(DURCHLAUFTRAEGER_EXAMPLES);
  if (listing == nullptr) return names;
  while (const struct dirent* entry = readdir(listing)) {
    std::string name = entry->d_name;
    if (name.size() > 5 && name.compare(name.size() - 5, 5, ".toml") == 0)
      names.push_back(name.substr(0, name.size() - 5));
  }
  closedir(listing);
  return names;
}

// The value table's rows by their printed x: the first and the last row at
// each x, which are the values left and right of whatever acts there.
std::map<std::string, std::pair<std::string, std::string>> value_rows(const std::string& report) {
  std::map<std::string, std::pair<std::string, std::string>> rows;
  std::size_t at = report.find("\nWertetabelle");
  if (at == std::string::npos) return rows;
  at = report.find('\n', report.find('\n', at + 1) + 1) + 1;  // past the heading and the header
  while (at < report.size() && report[at] != '\n') {
    std::size_t end = report.find('\n', at);
    std::string line = report.substr(at, end - at);
    std::string x = line.substr(0, 12);
    auto found = rows.find(x);
    if (found == rows.end())
      rows[x] = {line, line};
    else
      found->second.second = line;
    at = end + 1;
  }
  return rows;
}

TEST(ExampleBeamFiles, EveryScriptWithARightEndHasOne) {
  std::vector<std::string> files = example_beam_files();
  for (const char* script :
       {"einfeldtraeger", "abgesetzte_welle", "dreifeldtraeger_lastfaelle", "vierfeldtraeger_lastfaelle",
        "bettung", "federn_frei", "gerbertraeger", "lagersenkung", "kragarm_einzellast"})
    EXPECT_NE(std::find(files.begin(), files.end(), script), files.end()) << script;
  for (const std::string& name : files) {
    PipedRun run = run_piped("", {example(name + ".toml")});
    EXPECT_EQ(run.ending.status, 0) << name << ": " << run.errors;
    EXPECT_EQ(run.output.rfind("Durchlauftraeger - Bericht\n", 0), 0U) << name;
  }
}

TEST(ExampleBeamFiles, ReportTheScriptsDigitsAtEveryCommonX) {
  ScratchDirectory scratch;
  for (const std::string& name : example_beam_files()) {
    std::string script = read_file(example(name + ".txt"));
    bool load_cases = name.size() > 11 && name.compare(name.size() - 11, 11, "_lastfaelle") == 0;
    if (script.empty() || load_cases) continue;
    PipedRun from_script = run_piped(script, {"--bericht", scratch.file("script.txt")});
    ASSERT_EQ(from_script.ending.status, 0) << name;
    PipedRun from_file = run_piped("", {example(name + ".toml"), "--bericht", scratch.file("file.txt")});
    ASSERT_EQ(from_file.ending.status, 0) << name << ": " << from_file.errors;
    std::string file_report = read_file(scratch.file("file.txt"));
    EXPECT_EQ(from_file.output, file_report) << name;
    EXPECT_EQ(from_file.errors, "Bericht geschrieben: " + scratch.file("file.txt") + "\n");
    auto expected = value_rows(read_file(scratch.file("script.txt")));
    auto rows = value_rows(file_report);
    ASSERT_FALSE(expected.empty()) << name;
    for (const auto& [x, sides] : expected) {
      auto found = rows.find(x);
      ASSERT_NE(found, rows.end()) << name << " has no row at x =" << x;
      EXPECT_EQ(found->second.first, sides.first) << name;
      EXPECT_EQ(found->second.second, sides.second) << name;
    }
  }
}

TEST(ExampleBeamFiles, LoadCasesGiveTheScriptsEnvelope) {
  ScratchDirectory scratch;
  for (std::string name : {"dreifeldtraeger_lastfaelle", "vierfeldtraeger_lastfaelle"}) {
    for (const char* suffix : {".txt", ".csv"}) {
      std::string script_file = scratch.file(std::string("script") + suffix);
      std::string file_file = scratch.file(std::string("file") + suffix);
      ASSERT_EQ(run_piped(read_file(example(name + ".txt")), {"--grenzwerte", script_file}).ending.status, 0);
      PipedRun from_file = run_piped("", {example(name + ".toml"), "--grenzwerte", file_file});
      ASSERT_EQ(from_file.ending.status, 0) << name << ": " << from_file.errors;
      EXPECT_EQ(read_file(file_file), read_file(script_file)) << name << suffix;
      // Standard output: the report of all load cases together, then the
      // envelope's text.
      if (std::string(suffix) == ".txt") {
        std::size_t envelope = from_file.output.find("\n\nDurchlauftraeger - Grenzwerte\n");
        ASSERT_NE(envelope, std::string::npos);
        EXPECT_EQ(from_file.output.substr(envelope + 2), read_file(script_file));
      }
    }
  }
}

TEST(ExampleBeamFiles, TheFilesStellenListTheValuesTheScriptsSecondPassPrints) {
  // einfeldtraeger: the second pass prints g at x = 0 and x = 2.
  PipedRun run = run_piped("", {example("einfeldtraeger.toml")});
  ASSERT_EQ(run.ending.status, 0);
  std::size_t table = run.output.find("Werte an den gewaehlten Stellen");
  ASSERT_NE(table, std::string::npos);
  std::string rows = run.output.substr(table, run.output.find("\n\n", table) - table);
  // p = qL^3/(24EI) and Q = qL/2 at the left end; w = 5qL^4/(384EI) and
  // M = qL^2/8 at mid-span.
  EXPECT_NE(rows.find("\n    0.000000    0.000000    0.266667    0.000000   20.000000\n"), std::string::npos)
      << rows;
  EXPECT_NE(rows.find("\n    2.000000    0.333333    0.000000   20.000000    0.000000"), std::string::npos)
      << rows;
}

}  // namespace
