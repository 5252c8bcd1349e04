// --als-datei end to end: the built program writes the beam of a script's
// last right end with all its load cases as a beam file, notices it once
// the piped script ends and changes nothing else; a script without a
// right end writes none, and a beam a beam file cannot hold is refused
// with status 1.
#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/report_text.h"
#include "tests/support/scratch_directory.h"

TEST(BeamFileOption, WritesTheBeamOfEveryLoadCaseAndChangesNothingElse) {
  ScratchDirectory dir;
  std::string script = example("dreifeldtraeger_lastfaelle.txt");
  PipedRun plain = run_piped(script);
  PipedRun run = run_piped(
      script, {"--als-datei", dir.file("d.toml"), "--einheiten", "kN,m", "--als", dir.file("d.txt")});
  EXPECT_EQ(run.ending.status, 0);
  // The input piped, the files are written once it ends: their notices
  // follow the last menu, and before them the output is the dialogue's.
  std::string notices;
  for (const char* name : {"d.toml", "d.txt"})
    notices.append("Traegerdatei geschrieben: ").append(dir.file(name)).append(" (4 Lastfaelle)\n");
  EXPECT_EQ(run.output, plain.output + notices);
  EXPECT_EQ(run.errors, "");
  std::string version = run_piped("", {"--version"}).output;
  std::string file = read_file(dir.file("d.toml"));
  EXPECT_EQ(file.substr(0, file.find('\n') + 1),
            "# Traegerdatei, geschrieben von " + version.substr(0, version.size() - 1) + " (--als-datei)\n");
  EXPECT_EQ(file.substr(file.find('\n') + 1),
            "einheiten = [\"kN\", \"m\"]\n"
            "links = \"gelenkig\"\n"
            "rechts = \"gelenkig\"\n"
            "abschnitte = [\n"
            "  { laenge = 5, EI = 50000 },\n"
            "  { laenge = 5, EI = 50000 },\n"
            "  { laenge = 5, EI = 50000 },\n"
            "]\n"
            "lager = [5, 10]\n"
            "lastfaelle = [\"LF1\", \"LF2\", \"LF3\", \"LF4\"]\n"
            "streckenlasten = [\n"
            "  { lastfall = \"LF1\", von = 0, bis = 5, q = 10 },\n"
            "  { lastfall = \"LF1\", von = 5, bis = 10, q = 10 },\n"
            "  { lastfall = \"LF1\", von = 10, bis = 15, q = 10 },\n"
            "  { lastfall = \"LF2\", von = 0, bis = 5, q = 15 },\n"
            "  { lastfall = \"LF3\", von = 5, bis = 10, q = 15 },\n"
            "  { lastfall = \"LF4\", von = 10, bis = 15, q = 15 },\n"
            "]\n");
  EXPECT_EQ(read_file(dir.file("d.txt")), file);
}

TEST(BeamFileOption, AScriptWithoutRightEndWritesNone) {
  ScratchDirectory dir;
  std::string script = example("kragarm.txt");
  PipedRun run = run_piped(script, {"--als-datei", dir.file("k.toml")});
  EXPECT_EQ(run.ending.status, 0);
  EXPECT_EQ(run.output, run_piped(script).output);
  EXPECT_EQ(dir.entries(), 0);
}

TEST(BeamFileOption, ABeamTheFileCannotHoldIsRefusedWithStatusOne) {
  ScratchDirectory dir;
  // A hinge with a moment prescribed: key f 3 5.
  PipedRun run = run_piped("a 3 4\nc 2 100 0\nf 3 5 0\nc 2 100 0\nf 1 0 1 3 0\nq\n",
                           {"--als-datei", dir.file("h.toml"), "--bericht", dir.file("h.txt")});
  EXPECT_EQ(run.ending.status, 1);
  std::string notice = "Traegerdatei nicht geschrieben: " + dir.file("h.toml") +
                       ": als Traegerdatei nicht darstellbar: Bedingung S1=3, W1=5 bei x = 2\n";
  EXPECT_EQ(run.output.substr(run.output.rfind("F8 q Exit\n")),
            "F8 q Exit\nBericht geschrieben: " + dir.file("h.txt") + "\n" + notice);
  EXPECT_EQ(run.errors, notice);
  EXPECT_EQ(dir.entries(), 1);
}
