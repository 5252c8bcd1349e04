// Beam files that are no beam files, end to end: each kind of fault with its
// German message at the line and column it names, exit status 2, nothing on
// standard output, and nothing written: the report and the limits asked for
// are not there afterwards, nor a temporary file of either.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

namespace {

// The directory the program runs in: in_child takes no arguments.
std::string g_directory;

bool enter_directory() { return chdir(g_directory.c_str()) == 0; }

// Runs the program in dir on the beam file name with a text report and the
// limits asked for beside it, and checks what any refusal of the file
// leaves: status 2, no standard output, and in dir only the entries that
// were there before. Returns what it wrote to standard error.
std::string refusal_in(const ScratchDirectory& dir, const std::string& name,
                       const std::vector<std::string>& options) {
  const int before = dir.entries();
  std::vector<std::string> arguments = {name, "--bericht", "r.txt", "--grenzwerte", "g.txt"};
  arguments.insert(arguments.end(), options.begin(), options.end());
  g_directory = dir.path;
  PipedRun run = run_piped("", arguments, enter_directory);
  EXPECT_TRUE(run.ending.exited);
  EXPECT_EQ(run.ending.status, 2) << run.errors;
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(dir.entries(), before) << "something was written for " << name;
  return run.errors;
}

// The same for text as the file traeger.toml.
std::string refusal_of(const std::string& text, const std::vector<std::string>& options = {}) {
  ScratchDirectory dir;
  FILE* file = std::fopen(dir.file("traeger.toml").c_str(), "w");
  EXPECT_NE(file, nullptr);
  if (file == nullptr) return "";
  std::fputs(text.c_str(), file);
  std::fclose(file);
  return refusal_in(dir, "traeger.toml", options);
}

// The one line the program prints for a fault at a place of traeger.toml.
std::string said(const std::string& place_and_fault) {
  return "durchlauftraeger: traeger.toml:" + place_and_fault + "\n";
}

// A simply supported span of 4: lines 1 to 3, so that what a case adds
// starts on line 4.
const std::string kSpan =
    "links = \"gelenkig\"\n"
    "rechts = \"gelenkig\"\n"
    "abschnitte = [{ laenge = 4, EI = 100 }]\n";

// The same beam, its segment on line 3 given as the case says.
std::string with_segment(const std::string& segment) {
  return "links = \"gelenkig\"\nrechts = \"gelenkig\"\nabschnitte = [" + segment + "]\n";
}

}  // namespace

TEST(BeamFileFault, ThatIsNoTomlIsASyntaxErrorWhereTheReaderStopped) {
  // The string is not closed before the line ends, at column 18. The reader
  // says what it found in English after the German kind of fault.
  std::string errors = refusal_of("links = \"gelenkig\nrechts = \"frei\"\n");
  EXPECT_EQ(errors.rfind("durchlauftraeger: traeger.toml:1:18: Syntaxfehler: ", 0), 0u) << errors;
  EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;

  errors = refusal_of(kSpan + "lager = = 3\n");
  EXPECT_EQ(errors.rfind("durchlauftraeger: traeger.toml:4:9: Syntaxfehler: ", 0), 0u) << errors;
  errors = refusal_of(kSpan + "links = \"frei\"\n");
  EXPECT_EQ(errors.rfind("durchlauftraeger: traeger.toml:4:", 0), 0u) << errors;
  EXPECT_NE(errors.find(": Syntaxfehler: "), std::string::npos) << errors;
}

// In a text and in a comment. The line is that of the byte; the column is
// left open here: the reader names the character before the byte.
TEST(BeamFileFault, InvalidUtf8) {
  for (const std::string& line :
       {std::string("titel = \"Pos. \xc3\xa4\xff\"\n"), std::string("# Kommentar \xe4\n")}) {
    std::string errors = refusal_of(kSpan + line);
    EXPECT_EQ(errors.rfind("durchlauftraeger: traeger.toml:4:", 0), 0u) << errors;
    EXPECT_TRUE(errors.ends_with(": ungueltiges UTF-8\n")) << errors;
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
  }
}

TEST(BeamFileFault, UnknownKeysAtTheirOwnPlace) {
  EXPECT_EQ(refusal_of(kSpan + "lagerr = [2]\n"), said("4:1: unbekannter Schluessel 'lagerr'"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 4, EI = 100, ei = 3 }")),
            said("3:39: unbekannter Schluessel 'ei'"));
  EXPECT_EQ(refusal_of(kSpan + "einzellasten = [{ x = 1, F = 2, M = 3 }]\n"),
            said("4:33: unbekannter Schluessel 'M'"));
}

TEST(BeamFileFault, ValuesOfTheWrongType) {
  EXPECT_EQ(refusal_of(with_segment("{ laenge = \"4\", EI = 100 }")),
            said("3:26: laenge muss eine Zahl sein"));
  EXPECT_EQ(refusal_of(kSpan + "lager = 2\n"), said("4:9: lager muss eine Liste sein"));
  EXPECT_EQ(refusal_of("links = 3\nrechts = \"gelenkig\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"),
            said("1:9: links muss ein Text sein"));
  EXPECT_EQ(refusal_of(kSpan + "lager = [\"2\"]\n"), said("4:10: x muss eine Zahl sein"));
  EXPECT_EQ(
      refusal_of("links = \"fest\"\nrechts = \"gelenkig\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"),
      said("1:9: links muss \"gelenkig\", \"eingespannt\", \"frei\" oder \"gefuehrt\" sein, nicht 'fest'"));
  EXPECT_EQ(refusal_of("links = \"gelenkig\"\nrechts = \"gelenkig\"\nabschnitte = [4]\n"),
            said("3:15: jeder Eintrag in abschnitte muss eine Tabelle { ... } sein"));
}

TEST(BeamFileFault, NumbersThatAreNotFinite) {
  EXPECT_EQ(refusal_of(with_segment("{ laenge = inf, EI = 100 }")),
            said("3:26: laenge muss eine endliche Zahl sein"));
  EXPECT_EQ(refusal_of(kSpan + "lager = [nan]\n"), said("4:10: x muss eine endliche Zahl sein"));
  EXPECT_EQ(refusal_of(kSpan + "einzellasten = [{ x = 1, F = -inf }]\n"),
            said("4:30: F muss eine endliche Zahl sein"));
}

TEST(BeamFileFault, MissingKeysAtTheTableThatLacksThem) {
  // The top level is the file's start.
  EXPECT_EQ(refusal_of("links = \"gelenkig\"\nrechts = \"gelenkig\"\n"), said("1:1: abschnitte fehlt"));
  EXPECT_EQ(refusal_of("rechts = \"gelenkig\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"),
            said("1:1: links fehlt"));
  EXPECT_EQ(refusal_of("links = \"gelenkig\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"),
            said("1:1: rechts fehlt"));
  EXPECT_EQ(refusal_of("links = \"gelenkig\"\nrechts = \"gelenkig\"\nabschnitte = [\n"
                       "  { laenge = 4, EI = 100 },\n  { EI = 100 },\n]\n"),
            said("5:3: laenge fehlt"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2 }")), said("3:15: EI fehlt (oder E und d)"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2, d = 1 }")), said("3:15: E fehlt"));
  EXPECT_EQ(refusal_of(kSpan + "federn = [{ c = 5 }]\n"), said("4:11: x fehlt"));
}

TEST(BeamFileFault, LengthsAndStiffnessesAboveZero) {
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 0, EI = 100 }")),
            said("3:26: laenge muss groesser als 0 sein"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = -2, EI = 100 }")),
            said("3:26: laenge muss groesser als 0 sein"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2, EI = 0 }")), said("3:34: EI muss groesser als 0 sein"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2, EI = -1.5 }")), said("3:34: EI muss groesser als 0 sein"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2, E = 0, d = 1 }")),
            said("3:33: E muss groesser als 0 sein"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2, E = 1, d = -0.1 }")),
            said("3:40: d muss groesser als 0 sein"));
  EXPECT_EQ(refusal_of(kSpan + "federn = [{ x = 1, c = 0 }]\n"), said("4:24: c muss groesser als 0 sein"));
}

TEST(BeamFileFault, EIBesideEAndD) {
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2, EI = 3, E = 1 }")),
            said("3:41: EI oder E und d, nicht beides"));
  EXPECT_EQ(refusal_of(with_segment("{ laenge = 2, EI = 3, d = 1 }")),
            said("3:41: EI oder E und d, nicht beides"));
}

TEST(BeamFileFault, PointsOffTheBeam) {
  EXPECT_EQ(refusal_of(kSpan + "lager = [4.5]\n"),
            said("4:10: x = 4.5 liegt nicht auf dem Traeger (0 bis 4)"));
  EXPECT_EQ(refusal_of(kSpan + "einzellasten = [{ x = -1, F = 3 }]\n"),
            said("4:23: x = -1 liegt nicht auf dem Traeger (0 bis 4)"));
  EXPECT_EQ(refusal_of(kSpan + "stellen = [1, 5]\n"),
            said("4:15: x = 5 liegt nicht auf dem Traeger (0 bis 4)"));
  EXPECT_EQ(refusal_of(kSpan + "streckenlasten = [{ von = -1, bis = 2, q = 1 }]\n"),
            said("4:27: von = -1 liegt nicht auf dem Traeger (0 bis 4)"));
  EXPECT_EQ(refusal_of(kSpan + "streckenlasten = [{ von = 1, bis = 5, q = 1 }]\n"),
            said("4:36: bis = 5 liegt nicht auf dem Traeger (0 bis 4)"));
}

TEST(BeamFileFault, ALoadEndsBeyondItsStart) {
  EXPECT_EQ(refusal_of(kSpan + "streckenlasten = [{ von = 3, bis = 2, q = 1 }]\n"),
            said("4:36: bis muss groesser als von sein"));
  EXPECT_EQ(refusal_of(kSpan + "streckenlasten = [{ von = 2, bis = 2, q = 1 }]\n"),
            said("4:36: bis muss groesser als von sein"));
}

TEST(BeamFileFault, TwoThingsAtOnePoint) {
  EXPECT_EQ(refusal_of(kSpan + "lager = [1, 2, 1]\n"), said("4:16: zwei Lager bei x = 1"));
  // 1e-9 of the beam's length is 4e-9 here: closer than that is one point.
  EXPECT_EQ(refusal_of(kSpan + "lager = [1, 2, 1.000000003]\n"), said("4:16: zwei Lager bei x = 1"));
  EXPECT_EQ(refusal_of(kSpan + "lager = [1, 3]\ngelenke = [2, 2]\n"), said("5:15: zwei Gelenke bei x = 2"));
  EXPECT_EQ(refusal_of(kSpan + "lager = [1, 3]\ngelenke = [2, 2.000000001]\n"),
            said("5:15: zwei Gelenke bei x = 2"));
}

TEST(BeamFileFault, SupportsAndHingesAtAnEnd) {
  // The end's own kind says how it is held.
  for (const char* at : {"0", "1e-10"})
    EXPECT_EQ(refusal_of(kSpan + "lager = [" + at + "]\n"),
              said("4:10: Lager am Traegerende (x = 0): wie das Ende gehalten ist, sagt links"));
  EXPECT_EQ(refusal_of(kSpan + "lager = [4]\n"),
            said("4:10: Lager am Traegerende (x = 4): wie das Ende gehalten ist, sagt rechts"));
  EXPECT_EQ(refusal_of(kSpan + "gelenke = [0]\n"), said("4:12: Gelenk am Traegerende (x = 0)"));
  EXPECT_EQ(refusal_of(kSpan + "gelenke = [4]\n"), said("4:12: Gelenk am Traegerende (x = 4)"));
}

TEST(BeamFileFault, SettlementsAndRotationsNeedAConditionThatHoldsThem) {
  const std::string no_w =
      " schreibt keine Bedingung w vor: eine Absenkung braucht ein Lager oder ein gelenkiges oder "
      "eingespanntes Ende";
  const std::string no_p =
      " schreibt keine Bedingung p vor: eine Verdrehung braucht ein eingespanntes oder gefuehrtes Ende";
  EXPECT_EQ(refusal_of(kSpan + "lager = [1]\ngelenke = [2]\nabsenkungen = [{ x = 2, w = 0.01 }]\n"),
            said("6:22: bei x = 2" + no_w));
  EXPECT_EQ(refusal_of(kSpan + "federn = [{ x = 2, c = 5 }]\nabsenkungen = [{ x = 2, w = 0.01 }]\n"),
            said("5:22: bei x = 2" + no_w));
  EXPECT_EQ(refusal_of("links = \"frei\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"
                       "absenkungen = [{ x = 0, w = 0.01 }]\n"),
            said("4:22: bei x = 0" + no_w));
  EXPECT_EQ(
      refusal_of("links = \"eingespannt\"\nrechts = \"gefuehrt\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"
                 "absenkungen = [{ x = 4, w = 0.01 }]\n"),
      said("4:22: bei x = 4" + no_w));
  EXPECT_EQ(refusal_of(kSpan + "verdrehungen = [{ x = 0, p = 0.01 }]\n"), said("4:23: bei x = 0" + no_p));
  EXPECT_EQ(refusal_of(kSpan + "verdrehungen = [{ x = 4, p = 0.01 }]\n"), said("4:23: bei x = 4" + no_p));
  EXPECT_EQ(refusal_of("links = \"eingespannt\"\nrechts = \"frei\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"
                       "verdrehungen = [{ x = 2, p = 0.01 }]\n"),
            said("4:23: bei x = 2" + no_p));
}

TEST(BeamFileFault, LoadCases) {
  const std::string two = kSpan + "lastfaelle = [\"g\", \"q\"]\n";
  EXPECT_EQ(refusal_of(two + "einzellasten = [{ lastfall = \"p\", x = 2, F = 1 }]\n"),
            said("5:30: unbekannter Lastfall 'p'"));
  // Without lastfaelle the one load case is the permanent one, and no load
  // may name another.
  EXPECT_EQ(refusal_of(kSpan + "einzellasten = [{ lastfall = \"q\", x = 2, F = 1 }]\n"),
            said("4:30: unbekannter Lastfall 'q'"));
  EXPECT_EQ(refusal_of(kSpan + "lastfaelle = [\"g\", \"q\", \"g\"]\n"), said("4:25: Lastfall 'g' doppelt"));
  EXPECT_EQ(refusal_of(two + "streckenlasten = [{ von = 0, bis = 4, q = 1 }]\n"),
            said("5:19: lastfall fehlt"));
  EXPECT_EQ(
      refusal_of(two + "einzellasten = [\n  { lastfall = \"g\", x = 1, F = 1 },\n  { x = 2, F = 1 },\n]\n"),
      said("7:3: lastfall fehlt"));
  EXPECT_EQ(refusal_of(kSpan + "lastfaelle = []\n"),
            said("4:14: lastfaelle braucht mindestens einen Lastfall"));
}

TEST(BeamFileFault, ChosenLoadCaseThatTheFileLacks) {
  const std::string file =
      kSpan + "lastfaelle = [\"g\", \"q\"]\neinzellasten = [{ lastfall = \"q\", x = 2, F = 1 }]\n";
  // The fault is the command line's: it has no place in the file.
  EXPECT_EQ(refusal_of(file, {"--lastfall", "q", "--lastfall", "Wind"}),
            "durchlauftraeger: traeger.toml: --lastfall Wind: kein Lastfall dieses Namens in der Datei\n");
}

TEST(BeamFileFault, Mechanisms) {
  // A free-free beam on one support turns about it: the right end finds it.
  EXPECT_EQ(refusal_of("links = \"frei\"\nrechts = \"frei\"\nabschnitte = [{ laenge = 4, EI = 100 }]\n"
                       "lager = [2]\n"),
            said("2:10: Traeger nicht bestimmbar: mit dem rechten Ende bei x = 4 bleibt er verschieblich "
                 "(ein Mechanismus)"));
  // A hinge in a simply supported span: the hinge is named, loaded or not.
  const std::string hinged =
      "4:12: Traeger nicht bestimmbar: mit dem Gelenk bei x = 2 ist er verschieblich (ein Mechanismus)";
  EXPECT_EQ(refusal_of(kSpan + "gelenke = [2]\n"), said(hinged));
  EXPECT_EQ(refusal_of(kSpan + "gelenke = [2]\nlastfaelle = [\"g\", \"q\"]\n"
                               "streckenlasten = [{ lastfall = \"q\", von = 0, bis = 4, q = 1 }]\n"),
            said(hinged));
}

TEST(BeamFileFault, FilesThatCannotBeRead) {
  ScratchDirectory dir;
  EXPECT_EQ(refusal_in(dir, "fehlt.toml", {}),
            "durchlauftraeger: fehlt.toml: " + std::string(std::strerror(ENOENT)) + "\n");
  ASSERT_EQ(mkdir(dir.file("ordner.toml").c_str(), 0755), 0);
  EXPECT_EQ(refusal_in(dir, "ordner.toml", {}), "durchlauftraeger: ordner.toml: ist ein Verzeichnis\n");
}
