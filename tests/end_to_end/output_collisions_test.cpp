// Files of the program that would be one file: two options, or one option
// twice, naming it by one name or two (through a link, a hard link, "./" or
// "d/.."), and a file of the options onto the beam file. Each is a bad
// command line, refused before anything is read, and nothing is written.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/transcript.h"

namespace {

constexpr char kUsage[] =
    "Aufruf: durchlauftraeger [--bericht DATEI]... [--punkte N] [--einheiten KRAFT,LAENGE]\n"
    "                         [--titel TEXT] [--grenzwerte DATEI]... [--faktoren GSUP/GINF/Q]\n"
    "                         [--lastfall NAME]... [--als-datei DATEI]... [--help] [--version]\n"
    "                         [--ruhig] [TRAEGER.toml]\n"
    "Mehr mit: durchlauftraeger --help\n";

constexpr char kBeam[] =
    "links = \"gelenkig\"\n"
    "rechts = \"gelenkig\"\n"
    "abschnitte = [{ laenge = 4, EI = 100 }]\n"
    "streckenlasten = [{ von = 0, bis = 4, q = 10 }]\n";

bool write_text(const std::string& path, const std::string& text) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && written;
}

std::string example(const char* name) {
  return read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + name);
}

// The program runs in the directory the test names, so that names can be
// relative.
bool into_test_directory() { return chdir(std::getenv("DURCHLAUFTRAEGER_TEST_DIRECTORY")) == 0; }

PipedRun run_in(const ScratchDirectory& dir, const std::vector<std::string>& arguments) {
  setenv("DURCHLAUFTRAEGER_TEST_DIRECTORY", dir.path.c_str(), 1);
  return run_piped(example("einfeldtraeger.txt"), arguments, into_test_directory);
}

}  // namespace

TEST(OutputCollisions, OneFileByAnyNamesIsABadCommandLine) {
  ScratchDirectory dir;
  ASSERT_TRUE(write_text(dir.file("alt.txt"), "alt\n"));
  ASSERT_EQ(symlink("alt.txt", dir.file("link.txt").c_str()), 0);
  ASSERT_EQ(link(dir.file("alt.txt").c_str(), dir.file("hart.txt").c_str()), 0);
  // A dangling link names the new file it points to.
  ASSERT_EQ(symlink("neu.txt", dir.file("lose.txt").c_str()), 0);
  ASSERT_EQ(mkdir(dir.file("d").c_str(), 0755), 0);
  ASSERT_EQ(mkdir(dir.file("d/e").c_str(), 0755), 0);
  // l/.. is d, where l leads: the system's "..", not the name's.
  ASSERT_EQ(symlink("d/e", dir.file("l").c_str()), 0);
  const int kEntries = 6;
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--bericht", "x.txt", "--grenzwerte", "x.txt"}, "--bericht 'x.txt' und --grenzwerte 'x.txt'"},
      {{"--bericht", "x.txt", "--bericht", "x.txt"}, "--bericht 'x.txt' und --bericht 'x.txt'"},
      {{"--grenzwerte", "./x.txt", "--bericht", "x.txt"}, "--grenzwerte './x.txt' und --bericht 'x.txt'"},
      {{"--bericht", "x.html", "--als-datei", "d/../x.html"},
       "--bericht 'x.html' und --als-datei 'd/../x.html'"},
      {{"--bericht", "x.csv", "--grenzwerte", dir.file("x.csv")},
       "--bericht 'x.csv' und --grenzwerte '" + dir.file("x.csv") + "'"},
      {{"--bericht", "l/../y.txt", "--grenzwerte", "d/y.txt"},
       "--bericht 'l/../y.txt' und --grenzwerte 'd/y.txt'"},
      {{"--bericht", "lose.txt", "--als-datei", "neu.txt"}, "--bericht 'lose.txt' und --als-datei 'neu.txt'"},
      {{"--bericht", "alt.txt", "--grenzwerte", "link.txt"},
       "--bericht 'alt.txt' und --grenzwerte 'link.txt'"},
      {{"--grenzwerte", "hart.txt", "--bericht", "a.csv", "--als-datei", "alt.txt"},
       "--grenzwerte 'hart.txt' und --als-datei 'alt.txt'"},
      {{"--als-datei", "link.txt", "--als-datei=d/../hart.txt"},
       "--als-datei 'link.txt' und --als-datei 'd/../hart.txt'"},
  };
  for (const auto& [arguments, pair] : cases) {
    SCOPED_TRACE(pair);
    PipedRun run = run_in(dir, arguments);
    EXPECT_EQ(run.ending.status, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "durchlauftraeger: " + pair + " nennen dieselbe Datei\n" + kUsage);
    EXPECT_EQ(dir.entries(), kEntries);
    EXPECT_NE(access(dir.file("d/y.txt").c_str(), F_OK), 0);
    EXPECT_EQ(read_file(dir.file("alt.txt")), "alt\n");
  }
}

// Files of the same beginning, in other directories, or the same name in a
// directory a link only seems to lead to, are other files: all written.
TEST(OutputCollisions, OtherFilesAreWrittenAll) {
  ScratchDirectory dir;
  ASSERT_EQ(mkdir(dir.file("d").c_str(), 0755), 0);
  ASSERT_EQ(mkdir(dir.file("d/e").c_str(), 0755), 0);
  ASSERT_EQ(symlink("d/e", dir.file("l").c_str()), 0);
  PipedRun run = run_in(dir, {"--bericht", "x.txt", "--bericht", "x.csv", "--grenzwerte", "d/x.txt",
                              "--bericht", "l/../y.txt", "--als-datei", "y.txt"});
  EXPECT_EQ(run.ending.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  for (const char* name : {"x.txt", "x.csv", "d/x.txt", "d/y.txt", "y.txt"})
    EXPECT_NE(read_file(dir.file(name)), "") << name;
}

// The beam file is read, never written: by its name, a link or a hard link.
TEST(OutputCollisions, NoFileOfTheOptionsOntoTheBeamFile) {
  ScratchDirectory dir;
  std::string beam = dir.file("traeger.toml");
  ASSERT_TRUE(write_text(beam, kBeam));
  ASSERT_EQ(symlink("traeger.toml", dir.file("link.toml").c_str()), 0);
  ASSERT_EQ(link(beam.c_str(), dir.file("hart.toml").c_str()), 0);
  for (const char* name : {"traeger.toml", "./traeger.toml", "link.toml", "hart.toml"}) {
    for (const char* option : {"--bericht", "--grenzwerte"}) {
      SCOPED_TRACE(std::string(option) + " " + name);
      setenv("DURCHLAUFTRAEGER_TEST_DIRECTORY", dir.path.c_str(), 1);
      PipedRun run = run_piped("", {"traeger.toml", option, name}, into_test_directory);
      EXPECT_EQ(run.ending.status, 2);
      EXPECT_EQ(run.errors,
                std::string("durchlauftraeger: ") + name + ": ist die Traegerdatei, nichts geschrieben\n");
      EXPECT_EQ(run.output, "");
      EXPECT_EQ(read_file(beam), kBeam);
      EXPECT_EQ(dir.entries(), 3);
    }
  }
}
