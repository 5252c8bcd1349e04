// A run with a beam file as a user makes it: standard output is the report
// alone and the notices go to standard error, the command line's title and
// units win over the file's, --lastfall chooses what acts together, and no
// file is written onto the beam file itself.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

namespace {

constexpr char kTwoLoadCases[] =
    "titel = \"Pos. 7\"\n"
    "einheiten = [\"kN\", \"m\"]\n"
    "links = \"gelenkig\"\n"
    "rechts = \"gelenkig\"\n"
    "abschnitte = [{ laenge = 4, EI = 100 }, { laenge = 4, EI = 100 }]\n"
    "lager = [4]\n"
    "lastfaelle = [\"g\", \"q\"]\n"
    "streckenlasten = [{ lastfall = \"g\", von = 0, bis = 8, q = 10 }]\n"
    "einzellasten = [{ lastfall = \"q\", x = 2, F = 20 }]\n"
    "stellen = [2, 4]\n";

std::string write_beam(const ScratchDirectory& scratch, const std::string& text) {
  std::string path = scratch.file("traeger.toml");
  FILE* file = std::fopen(path.c_str(), "w");
  std::fputs(text.c_str(), file);
  std::fclose(file);
  return path;
}

// The rows of the table of chosen places.
std::string chosen_rows(const std::string& report) {
  std::size_t at = report.find("Werte an den gewaehlten Stellen");
  if (at == std::string::npos) return "";
  return report.substr(at, report.find("\n\n", at) - at);
}

TEST(BeamFileRun, StandardOutputIsTheReportTheNoticesGoToStandardError) {
  ScratchDirectory scratch;
  std::string beam = write_beam(scratch, kTwoLoadCases);
  // Whatever stands in standard input stays unread.
  PipedRun run =
      run_piped("a 2 4 q", {beam, "--bericht", scratch.file("r.txt"), "--grenzwerte", scratch.file("g.txt")});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "Bericht geschrieben: " + scratch.file("r.txt") +
                            "\nGrenzwerte geschrieben: " + scratch.file("g.txt") + " (2 Lastfaelle)\n");
  EXPECT_EQ(run.output, read_file(scratch.file("r.txt")) + "\n" + read_file(scratch.file("g.txt")));
  EXPECT_EQ(run.output.find("Durchlauftraeger,i Info"), std::string::npos);
  EXPECT_EQ(run.output.rfind("Durchlauftraeger - Bericht\nPos. 7\n", 0), 0U);
  EXPECT_NE(run.output.find("    M [kN*m]"), std::string::npos);
}

TEST(BeamFileRun, TheCommandLineWinsAndLastfallChoosesTheLoads) {
  ScratchDirectory scratch;
  std::string beam = write_beam(scratch, kTwoLoadCases);
  PipedRun labelled = run_piped("", {beam, "--titel", "Pos. 8", "--einheiten", "N,mm"});
  ASSERT_EQ(labelled.ending.status, 0) << labelled.errors;
  EXPECT_EQ(labelled.output.rfind("Durchlauftraeger - Bericht\nPos. 8\n", 0), 0U);
  EXPECT_NE(labelled.output.find("M [N*mm]"), std::string::npos);
  PipedRun all = run_piped("", {beam});
  PipedRun g = run_piped("", {beam, "--lastfall", "g"});
  PipedRun q = run_piped("", {beam, "--lastfall", "q"});
  PipedRun both = run_piped("", {beam, "--lastfall", "q", "--lastfall", "g"});
  ASSERT_EQ(g.ending.status, 0);
  ASSERT_EQ(q.ending.status, 0);
  // Each choice its own values; both chosen are all of them. The envelope
  // after the report takes every load case whatever is chosen.
  EXPECT_NE(chosen_rows(g.output), chosen_rows(q.output));
  EXPECT_EQ(chosen_rows(both.output), chosen_rows(all.output));
  EXPECT_EQ(g.output.substr(g.output.find("Durchlauftraeger - Grenzwerte")),
            q.output.substr(q.output.find("Durchlauftraeger - Grenzwerte")));
  // The force at x = 2 makes Q jump: both sides are listed there.
  std::string rows = chosen_rows(q.output);
  EXPECT_NE(rows.find("\n    2.000000"), rows.rfind("\n    2.000000")) << rows;
}

TEST(BeamFileRun, OneLoadCaseHasNoEnvelopeOnStandardOutput) {
  ScratchDirectory scratch;
  std::string beam =
      write_beam(scratch,
                 "links = \"eingespannt\"\nrechts = \"frei\"\nabschnitte = [{ laenge = 2, EI = 100 }]\n"
                 "einzellasten = [{ x = 2, F = 3 }]\n");
  PipedRun run = run_piped("", {beam, "--bericht", scratch.file("r.csv")});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  EXPECT_EQ(run.output.find("Grenzwerte"), std::string::npos);
  // The clamp: M = -F L, Q = F.
  EXPECT_NE(run.output.find("    0.000000    0.000000    0.000000   -6.000000    3.000000\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(read_file(scratch.file("r.csv")).rfind("x,w,p,M,Q\r\n", 0), 0U);
}

TEST(BeamFileRun, NoFileIsWrittenOntoTheBeamFile) {
  ScratchDirectory scratch;
  std::string beam = write_beam(scratch, kTwoLoadCases);
  for (const char* option : {"--bericht", "--grenzwerte"}) {
    PipedRun run = run_piped("", {beam, option, scratch.path + "/./traeger.toml"});
    EXPECT_EQ(run.ending.status, 2);
    EXPECT_EQ(run.errors, "durchlauftraeger: " + scratch.path +
                              "/./traeger.toml: ist die Traegerdatei, nichts "
                              "geschrieben\n");
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(read_file(beam), kTwoLoadCases);
    EXPECT_EQ(scratch.entries(), 1);
  }
}

}  // namespace
