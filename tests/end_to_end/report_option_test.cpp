// The reports end to end: the built program with --bericht, checked against
// closed forms, against key g in a second pass over the same pieces, and for
// what it does where a report cannot be written or an option is wrong.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/program.h"
#include "tests/support/report_text.h"
#include "tests/support/scratch_directory.h"

namespace {

// The reaction values of a report, in their order, and whether each is a
// force.
std::vector<std::string> reactions(const std::string& report) {
  std::vector<std::string> values;
  for (const std::string& line : section(report, "Auflagerreaktionen")) {
    if (line.find(", Kraft") == std::string::npos) continue;
    values.push_back(words(line).back());
  }
  return values;
}

// The value and x of the extreme named ("max M").
std::pair<std::string, std::string> extreme(const std::string& report, const std::string& name) {
  for (const std::string& line : section(report, "Extremwerte")) {
    std::vector<std::string> w = words(line);
    if (w.size() == 4 && w[0] + " " + w[1] == name) return {w[2], w[3]};
  }
  return {"missing", "missing"};
}

std::string balance_line(const std::string& report, const std::string& name) {
  for (const std::string& line : section(report, "Gleichgewicht"))
    if (line.find(name) != std::string::npos) return words(line).back();
  return "missing";
}

// The table rows: x, w, p, M and Q as printed. Where a shaft's diameter
// changes, the table has the joint's row once more with the new sigma, its
// sixth column: that repetition is left out.
std::vector<std::vector<std::string>> table(const std::string& report) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> lines = section(report, "Wertetabelle");
  std::vector<std::string> previous;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> row = words(lines[i]);
    bool repeated = row.size() == 6 && previous.size() == 6 && row[5] != previous[5] &&
                    std::equal(row.begin(), row.begin() + 5, previous.begin());
    previous = row;
    if (repeated) continue;
    if (row.size() > 5) row.resize(5);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

TEST(TextReport, SimplySupportedBeam) {
  std::string report = text_report_of(example("einfeldtraeger.txt"));
  EXPECT_EQ(reactions(report), (std::vector<std::string>{"20.000000", "20.000000"}));
  EXPECT_EQ(balance_line(report, "Summe der Lasten"), "40.000000");
  EXPECT_EQ(balance_line(report, "Summe der Auflagerkraefte"), "40.000000");
  EXPECT_EQ(balance_line(report, "Differenz"), "0.000000");
  EXPECT_EQ(extreme(report, "max M"), std::make_pair(std::string("20.000000"), std::string("2.000000")));
  EXPECT_EQ(extreme(report, "max w"), std::make_pair(std::string("0.333333"), std::string("2.000000")));
  // The first pass only: one row at the left end and one a piece.
  EXPECT_EQ(table(report).size(), 11U);
}

TEST(TextReport, TwoEqualSpansTakeThreeEighthsAndTenEighthsOfQL) {
  // q = 10, L = 4: 3qL/8 = 15 and 10qL/8 = 50.
  std::string report = text_report_of(example("zweifeld_gleiche_felder.txt"));
  EXPECT_EQ(reactions(report), (std::vector<std::string>{"15.000000", "50.000000", "15.000000"}));
  EXPECT_EQ(extreme(report, "min M").first, "-20.000000");
}

TEST(TextReport, ProppedCantileverFieldMomentLiesBetweenTablePoints) {
  // Clamped at x = 0: max M = 9qL^2/128 = 11.25 at x = 5L/8 = 2.5, which is
  // no table point with pieces of 0.4; the clamp holds -qL^2/8 = -20.
  std::string report = text_report_of(example("eingespannt_gelenkig.txt"));
  EXPECT_EQ(extreme(report, "max M"), std::make_pair(std::string("11.250000"), std::string("2.500000")));
  EXPECT_EQ(reactions(report), (std::vector<std::string>{"25.000000", "15.000000"}));
  std::vector<std::string> lines = section(report, "Auflagerreaktionen");
  ASSERT_EQ(lines.size(), 4U) << report;
  EXPECT_EQ(words(lines[2]), (std::vector<std::string>{"0.000000", "linkes", "Traegerende,", "Einspannmoment",
                                                       "M", "-20.000000"}));
  // The deflection's maximum where p = 0: x = (15 - sqrt(33)) L / 16.
  EXPECT_EQ(extreme(report, "max w").second, "2.313859");
}

TEST(TextReport, GerberBeamReactionsAndHinges) {
  std::string report = text_report_of(example("gerbertraeger.txt"));
  EXPECT_EQ(reactions(report),
            (std::vector<std::string>{"16.250000", "43.750000", "43.750000", "16.250000"}));
  EXPECT_EQ(balance_line(report, "Summe der Lasten"), "120.000000");
  int hinge_rows = 0;
  for (const std::vector<std::string>& row : table(report)) {
    if (row[0] != "5.000000" && row[0] != "7.000000") continue;
    EXPECT_TRUE(row[3] == "0.000000" || row[3] == "-0.000000") << row[0] << ": M = " << row[3];
    ++hinge_rows;
  }
  EXPECT_EQ(hinge_rows, 4);  // both sides of both hinges
}

// --- Every table row is what key g prints -----------------------------------

namespace {

// An element as typed in the first pass: its key and numbers. A segment's
// numbers are length, EI (or E and diameter) and then q and qs if loaded.
struct Typed {
  char key;
  std::vector<double> numbers;
  bool loaded = false;
};

std::string number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string command(char key, const std::vector<double>& numbers) {
  std::string text(1, key);
  for (double n : numbers) text.append(" ").append(number(n));
  text.push_back('\n');
  return text;
}

// The first pass of beam; its last element is the right end, given as
// S1 W1 S2 W2.
std::string first_pass(const std::vector<Typed>& beam) {
  std::string script;
  for (std::size_t k = 0; k < beam.size(); ++k) {
    const Typed& e = beam[k];
    std::vector<double> n = e.numbers;
    if (e.key == 'c' || e.key == 'e') n.insert(n.begin() + (e.key == 'c' ? 2 : 3), e.loaded ? 1 : 0);
    if (k + 1 == beam.size())
      n.insert(n.begin() + 2, 1);
    else if (e.key == 'f')
      n.push_back(0);
    script += command(e.key, n);
  }
  return script;
}

// A second pass over the same pieces, from its left end on, with g wherever
// the table has a row:
// pieces of length L/N, each loaded with q where it starts.
std::string second_pass(const std::vector<Typed>& beam, int pieces) {
  std::string script;
  for (std::size_t k = 0; k + 1 < beam.size(); ++k) {
    const Typed& e = beam[k];
    if (e.key != 'c' && e.key != 'e') {
      std::vector<double> n = e.numbers;
      if (e.key == 'f') n.push_back(0);
      script += command(e.key, n) + "g .\n";
      continue;
    }
    std::size_t stiffness = e.key == 'c' ? 1 : 2;
    double h = e.numbers[0] / pieces;
    for (int i = 0; i < pieces; ++i) {
      std::vector<double> n(e.numbers.begin(),
                            e.numbers.begin() + static_cast<std::ptrdiff_t>(stiffness + 1));
      n[0] = h;
      n.push_back(e.loaded ? 1 : 0);
      if (e.loaded) {
        n.push_back(e.numbers[stiffness + 1] + (e.numbers[stiffness + 2] * (h * i)));
        n.push_back(e.numbers[stiffness + 2]);
      }
      script += command(e.key, n) + "g .\n";
    }
  }
  return script;
}

// w, p, M and Q of every g in output, as printed.
std::vector<std::vector<std::string>> g_values(const std::string& output) {
  std::vector<std::vector<std::string>> all;
  for (std::size_t at = output.find("Ergebnisse:\n"); at != std::string::npos;
       at = output.find("Ergebnisse:\n", at + 1)) {
    std::vector<std::string> four;
    std::size_t line = at + 12;
    for (int i = 0; i < 4; ++i) {
      std::size_t end = output.find('\n', line);
      four.push_back(output.substr(line + 3, end - line - 3));
      line = end + 1;
    }
    all.push_back(four);
  }
  return all;
}

void expect_rows_as_key_g(const std::vector<Typed>& beam, int pieces) {
  std::string first = first_pass(beam);
  std::string report = text_report_of(first + "q\n", {"--punkte", std::to_string(pieces)});
  std::vector<std::vector<std::string>> rows = table(report);
  PipedRun walk = run_piped(first + second_pass(beam, pieces) + "q\n");
  std::vector<std::vector<std::string>> shown = g_values(walk.output);
  ASSERT_EQ(rows.size(), shown.size()) << report;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 5U) << "row " << i;
    EXPECT_EQ(std::vector<std::string>(rows[i].begin() + 1, rows[i].end()), shown[i])
        << "row " << i << " at x = " << rows[i][0];
  }
}

}  // namespace

TEST(TextReport, RowsAreWhatKeyGPrintsOnTheSamePieces) {
  // A stepped shaft, clamped at the left: a trapezoidal load, a force, a
  // spring, a moment, a support, a kink, a hinge and a settlement.
  expect_rows_as_key_g({{'a', {3, 4}},
                        {'e', {300, 210000, 40, 2, 0.01}, true},
                        {'d', {4, 1000}},
                        {'b', {5000}},
                        {'e', {250, 210000, 30}},
                        {'d', {3, 20000}},
                        {'f', {1, 0}},
                        {'c', {400, 3e10, 1.5, -0.002}, true},
                        {'d', {2, 0.001}},
                        {'f', {3, 0}},
                        {'c', {200, 3e10}},
                        {'d', {1, 0.5}},
                        {'c', {300, 3e10, 1, 0}, true},
                        {'f', {1, 0, 3, 0}}},
                       7);
}

TEST(TextReport, GerberBeamRowsAreWhatKeyGPrints) {
  expect_rows_as_key_g({{'a', {2, 4}},
                        {'c', {4, 100, 10, 0}, true},
                        {'f', {1, 0}},
                        {'c', {1, 100, 10, 0}, true},
                        {'f', {3, 0}},
                        {'c', {2, 100, 10, 0}, true},
                        {'f', {3, 0}},
                        {'c', {1, 100, 10, 0}, true},
                        {'f', {1, 0}},
                        {'c', {4, 100, 10, 0}, true},
                        {'f', {1, 0, 3, 0}}},
                       10);
}

// --- Files, status and options ----------------------------------------------

TEST(ReportFiles, CsvTableHasTheTextReportsRows) {
  // The CSV holds the precise values of a beam computed in Wide (a row of
  // stiff springs), and they print as the text report does, but for the
  // sign of a zero: the text keeps the register's.
  for (const char* name : {"federlager.txt", "federreihe_steif.txt"}) {
    ScratchDirectory dir;
    PipedRun run = run_piped(
        example(name), {"--bericht", dir.file("b.txt"), "--bericht=" + dir.file("b.CSV"), "--punkte=5"});
    ASSERT_EQ(run.ending.status, 0);
    std::string csv = read_file(dir.file("b.CSV"));
    ASSERT_EQ(csv.rfind("x,w,p,M,Q\r\n", 0), 0U) << csv;
    std::vector<std::vector<std::string>> rows = table(read_file(dir.file("b.txt")));
    std::size_t records = 0;
    for (std::size_t at = csv.find("\r\n") + 2; at < csv.size(); at = csv.find("\r\n", at) + 2) {
      std::string line = csv.substr(at, csv.find("\r\n", at) - at);
      ASSERT_LT(records, rows.size());
      std::size_t field = 0;
      for (std::size_t start = 0; start <= line.size(); ++field) {
        std::size_t comma = std::min(line.find(',', start), line.size());
        char printed[64];
        std::snprintf(printed, sizeof printed, "%f",
                      std::strtod(line.substr(start, comma - start).c_str(), nullptr));
        std::string text = rows[records][field];
        EXPECT_TRUE(printed == text || (text == "-0.000000" && std::string(printed) == "0.000000") ||
                    (text == "0.000000" && std::string(printed) == "-0.000000"))
            << name << " record " << records << ": " << line << " against " << text;
        start = comma + 1;
      }
      EXPECT_EQ(field, 5U);
      ++records;
    }
    EXPECT_EQ(records, rows.size());
    // Two segments of five pieces, a row each side of the spring, one at the left end.
    if (std::string(name) == "federlager.txt") {
      EXPECT_EQ(records, 12U);
    }
  }
}

TEST(ReportFiles, UnwritableFilesAreReportedAndTheDialogueGoesOn) {
  ScratchDirectory dir;
  std::string script = example("einfeldtraeger.txt");
  PipedRun plain = run_piped(script);
  PipedRun run = run_piped(script, {"--bericht", dir.file("nicht/da.txt"), "--bericht", dir.path, "--bericht",
                                    dir.file("gut.txt")});
  EXPECT_TRUE(run.ending.exited);
  EXPECT_EQ(run.ending.status, 1);
  std::string notices = "Bericht nicht geschrieben: " + dir.file("nicht/da.txt") +
                        ": No such file or directory\n"
                        "Bericht nicht geschrieben: " +
                        dir.path + ": ist ein Verzeichnis\nBericht geschrieben: " + dir.file("gut.txt") +
                        "\n";
  std::size_t at = run.output.find(notices);
  ASSERT_NE(at, std::string::npos) << run.output;
  EXPECT_EQ(run.output.substr(0, at) + run.output.substr(at + notices.size()), plain.output);
  // Standard output is a pipe here, not a terminal: the failures go to
  // standard error as well.
  EXPECT_EQ(run.errors, notices.substr(0, notices.find("Bericht geschrieben")));
  // Nothing half written is left beside them.
  EXPECT_EQ(dir.entries(), 1);
}

TEST(ReportFiles, ReportIsReplacedWholeAtEachRightEnd) {
  ScratchDirectory dir;
  // Two beams, one after the other: the file holds the second.
  std::string script = example("einfeldtraeger.txt");
  script = script.substr(0, script.find("a 2 4", 1)) + "a 2 4\nc 2 100 1 10 0\nf 1 0 1 3 0\nq\n";
  PipedRun run = run_piped(script, {"--bericht", dir.file("r.txt")});
  EXPECT_EQ(run.ending.status, 0);
  std::string report = read_file(dir.file("r.txt"));
  EXPECT_EQ(reactions(report), (std::vector<std::string>{"10.000000", "10.000000"}));
}

// After a refused left end the columns are zero, and only a segment of EI 0
// (NaN in them) lets a right end through: the report names the beam not
// determined, and the first beam's report stays.
TEST(ReportFiles, ARightEndAfterARefusedLeftEndIsNotDetermined) {
  ScratchDirectory dir;
  PipedRun run =
      run_piped("a 2 4 c 1 1 0 f 1 0 1 3 0 a 5 5 c 1 0 0 f 1 0 1 3 0 q", {"--bericht", dir.file("r.txt")});
  EXPECT_EQ(run.ending.status, 1);
  EXPECT_NE(
      run.errors.find(
          "Bericht nicht geschrieben: " + dir.file("r.txt") +
          ": Traeger nicht bestimmbar: nach dem abgewiesenen linken Ende sind die Werte keine Zahlen\n"),
      std::string::npos)
      << run.errors;
  EXPECT_EQ(reactions(read_file(dir.file("r.txt"))).size(), 2u);
}

// Every bad command line gets one German line naming the program as
// durchlauftraeger (not by its path), the usage, and status 2, before the
// menu.
TEST(CommandLine, BadOptionsPrintUsageAndEndWithStatusTwo) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--unbekannt"}, "unbekannte Option '--unbekannt'"},
      {{"--foo=3"}, "unbekannte Option '--foo'"},
      {{"-x"}, "unbekannte Option '-x'"},
      {{"--\x1b[2J"}, "unbekannte Option '--\\x1b[2J'"},
      {{"--punkte"}, "--punkte braucht eine ganze Zahl von 1 bis 1000"},
      {{"--punkte", "0"}, "--punkte braucht eine ganze Zahl von 1 bis 1000, nicht '0'"},
      {{"--punkte=1001"}, "--punkte braucht eine ganze Zahl von 1 bis 1000, nicht '1001'"},
      {{"--punkte", "3x"}, "--punkte braucht eine ganze Zahl von 1 bis 1000, nicht '3x'"},
      // Digits only, as the factors: no blank on either side, no sign.
      {{"--punkte", " 10"}, "--punkte braucht eine ganze Zahl von 1 bis 1000, nicht ' 10'"},
      {{"--punkte", "10 "}, "--punkte braucht eine ganze Zahl von 1 bis 1000, nicht '10 '"},
      {{"--punkte=+10"}, "--punkte braucht eine ganze Zahl von 1 bis 1000, nicht '+10'"},
      {{"--punkte="}, "--punkte braucht eine ganze Zahl von 1 bis 1000, nicht ''"},
      {{"--bericht"}, "--bericht braucht einen Dateinamen"},
      {{"--bericht="}, "--bericht braucht einen Dateinamen"},
      {{"--bericht", ""}, "--bericht braucht einen Dateinamen"},
      {{"--help=ja"}, "--help nimmt keinen Wert"},
      {{"--ruhig=ja"}, "--ruhig nimmt keinen Wert"},
      {{"a.toml", "b.toml"}, "nur eine Traegerdatei, nicht auch 'b.toml'"},
      {{"--lastfall", "g"}, "--lastfall nur mit einer Traegerdatei"},
      {{"--als-datei", "b.toml", "a.toml"}, "--als-datei nur im Dialog, nicht mit einer Traegerdatei"},
      {{"--lastfall"}, "--lastfall braucht den Namen eines Lastfalls"},
      {{"--einheiten", "kN"},
       "--einheiten braucht eine Krafteinheit und eine Laengeneinheit, etwa kN,m, nicht 'kN'"},
      {{"--einheiten=kN,"},
       "--einheiten braucht eine Krafteinheit und eine Laengeneinheit, etwa kN,m, nicht 'kN,'"},
      {{"--einheiten", "k N,m"},
       "--einheiten braucht eine Krafteinheit und eine Laengeneinheit, etwa kN,m, nicht 'k N,m'"},
      {{"--einheiten"}, "--einheiten braucht eine Krafteinheit und eine Laengeneinheit, etwa kN,m"},
      {{"--titel", "Pos. 1\nPos. 2"}, "--titel nimmt keinen Zeilenumbruch und kein Steuerzeichen"},
      {{"--titel", "\x1b[2J"}, "--titel nimmt keinen Zeilenumbruch und kein Steuerzeichen"},
      {{"--titel",
        "a\xc2\x9b"
        "b"},
       "--titel nimmt keinen Zeilenumbruch und kein Steuerzeichen"},
      {{"--titel"}, "--titel braucht einen Text"},
      {{"--grenzwerte"}, "--grenzwerte braucht einen Dateinamen"},
      {{"--grenzwerte", ""}, "--grenzwerte braucht einen Dateinamen"},
      {{"--faktoren"}, "--faktoren braucht zwei oder drei Zahlen von 0 bis 100, etwa 1.35/1.0/1.5 oder 1/1"},
      {{"--faktoren", "1.35/-1/1.5"},
       "--faktoren braucht zwei oder drei Zahlen von 0 bis 100, etwa 1.35/1.0/1.5 oder 1/1, nicht "
       "'1.35/-1/1.5'"},
      {{"--faktoren", "1.5"},
       "--faktoren braucht zwei oder drei Zahlen von 0 bis 100, etwa 1.35/1.0/1.5 oder 1/1, nicht '1.5'"},
      {{"--faktoren", "1.35/1/100.5"},
       "--faktoren braucht zwei oder drei Zahlen von 0 bis 100, etwa 1.35/1.0/1.5 oder 1/1, nicht "
       "'1.35/1/100.5'"},
      {{"--als-datei"}, "--als-datei braucht einen Dateinamen"},
      {{"--als-datei="}, "--als-datei braucht einen Dateinamen"},
      {{"--als-datei", ""}, "--als-datei braucht einen Dateinamen"},
      {{"--als-datei=x.toml", "a.toml", "b.toml"}, "nur eine Traegerdatei, nicht auch 'b.toml'"},
  };
  for (const auto& [options, message] : cases) {
    PipedRun run = run_piped("q\n", options);
    EXPECT_EQ(run.ending.status, 2) << options[0];
    EXPECT_EQ(run.output, "") << options[0];
    EXPECT_EQ(
        run.errors,
        "durchlauftraeger: " + message + "\n" +
            "Aufruf: durchlauftraeger [--bericht DATEI]... [--punkte N] [--einheiten KRAFT,LAENGE]\n"
            "                         [--titel TEXT] [--grenzwerte DATEI]... [--faktoren GSUP/GINF/Q]\n"
            "                         [--lastfall NAME]... [--als-datei DATEI]... [--help] [--version]\n"
            "                         [--ruhig] [TRAEGER.toml]\n"
            "Mehr mit: durchlauftraeger --help\n")
        << options[0];
  }
}

TEST(CommandLine, HelpAndVersion) {
  PipedRun help = run_piped("", {"--help"});
  EXPECT_EQ(help.ending.status, 0);
  EXPECT_EQ(help.output.rfind("Aufruf: durchlauftraeger [OPTIONEN] [TRAEGER.toml]\n", 0), 0U) << help.output;
  EXPECT_NE(help.output.find("--punkte N"), std::string::npos);
  EXPECT_NE(help.output.find("\n  --als-datei DATEI\n"), std::string::npos);
  EXPECT_NE(help.output.find("\n  --ruhig          im Dialog nur Ergebnisse und Meldungen"),
            std::string::npos);
  PipedRun version = run_piped("", {"--vers"});
  EXPECT_EQ(version.ending.status, 0);
  EXPECT_EQ(version.output.rfind("durchlauftraeger ", 0), 0U) << version.output;
  EXPECT_EQ(version.errors, "");
}

TEST(CommandLine, WithoutReportsTheDialogueIsUnchanged) {
  ScratchDirectory dir;
  std::string script = example("gerbertraeger.txt");
  PipedRun plain = run_piped(script);
  PipedRun reported = run_piped(script, {"--ber", dir.file("g.txt")});
  // The input piped, the report is written once it ends: the notice
  // follows the last menu.
  EXPECT_EQ(reported.output, plain.output + "Bericht geschrieben: " + dir.file("g.txt") + "\n");
}

namespace {

// The program at a terminal, writing its report where the test says.
[[noreturn]] void run_with_report() {
  const char* report = std::getenv("DURCHLAUFTRAEGER_TEST_REPORT");
  execl(DURCHLAUFTRAEGER_BINARY, DURCHLAUFTRAEGER_BINARY, "--bericht", report, static_cast<char*>(nullptr));
  _exit(127);
}

}  // namespace

TEST(ReportAtTerminal, NoticeAfterTheTypedRightEndAndTheModeAsFound) {
  ScratchDirectory dir;
  std::string report = dir.file("bericht.txt");
  setenv("DURCHLAUFTRAEGER_TEST_REPORT", report.c_str(), 1);
  PtySession user(run_with_report);
  struct termios before = user.found_mode;
  const char* const steps[][2] = {
      {"Info\n", "a"},   {"S1= ", "2\n"},   {"S2= ", "4\n"},       {"Info\n", "c"},    {"Laenge= ", "4\n"},
      {"EI= ", "100\n"}, {"0=no: ", "1\n"}, {"q links= ", "10\n"}, {"von q= ", "0\n"}, {"Info\n", "f"},
      {"S1= ", "1\n"},   {"W1= ", "0\n"},   {"0=no:", "1\n"},      {"S2= ", "3\n"},    {"W2= ", "0\n"}};
  std::size_t from = 0;
  for (const auto& [prompt, typed] : steps) {
    ASSERT_TRUE(user.wait_for(prompt, from)) << user.screen;
    from = user.screen.find(prompt, from) + std::string(prompt).size();
    user.type(typed);
  }
  // The typed 0 and its Enter are echoed, then the notice, then the menu.
  ASSERT_TRUE(user.wait_for("W2= 0\nBericht geschrieben: " + report + "\nDurchlauftraeger,i Info\n", 0))
      << user.screen;
  // Written then, not when the program ends.
  EXPECT_EQ(reactions(read_file(report)), (std::vector<std::string>{"20.000000", "20.000000"}));
  EXPECT_TRUE(in_key_mode(user.mode()));
  user.type("q");
  Ending ending = user.wait_end();
  EXPECT_EQ(ending.status, 0) << user.screen;
  EXPECT_TRUE(same_mode(user.mode(), before));
  EXPECT_EQ(reactions(read_file(report)), (std::vector<std::string>{"20.000000", "20.000000"}));
}
