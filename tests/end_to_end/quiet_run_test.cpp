// --ruhig end to end: a piped script prints its results blocks and notices
// alone, with the values, notices and files it has without the option; at a
// terminal nothing waits after g, and results and notices start lines of
// their own; a beam file's run is the same with it.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/transcript.h"

namespace {

namespace fs = std::filesystem;

// The example scripts and the test scripts, in a fixed order.
std::vector<std::string> every_script() {
  std::vector<std::string> paths;
  for (const char* folder : {DURCHLAUFTRAEGER_EXAMPLES, DURCHLAUFTRAEGER_TEST_SCRIPTS})
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.path().extension() == ".txt") paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

const std::regex kValueLine("[wpMQ]= -?([0-9]+\\.[0-9]{6}|inf|nan)");
// The hints key g prints after Q: the pass has left its beam, or values
// wait for a right end.
bool is_hint(const std::string& line) {
  static const std::regex waiting(
      "Achtung: [wpMQ](, [wpMQ])* (haengt|haengen) von noch unbestimmten Groessen ab");
  return line == "Hinweis: Durchgang weicht vom berechneten Traeger ab" || std::regex_match(line, waiting);
}

// The notices the dialogue prints: files written or not, the new beam of
// the load cases, elements refused, numbers not read, memory run out.
bool is_notice(const std::string& line) {
  static const std::regex notices[] = {
      std::regex("(Bericht|Grenzwerte|Traegerdatei) (nicht )?geschrieben: .+"),
      std::regex("neuer Traeger \\(.+\\), Lastfaelle beginnen bei 1"),
      std::regex("zurueck zum Traeger (des Lastfalls 1|der Lastfaelle 1 (und|bis) [0-9]+)(, weiter mit "
                 "Lastfall [0-9]+)?"),
      std::regex(".+, (linkes Ende|rechtes Ende|Einzellast|Bedingung|Feder) nicht gesetzt"),
      std::regex(".+, alter Wert bleibt"),
      std::regex(".*Speicher reicht nicht.*"),
  };
  return std::any_of(std::begin(notices), std::end(notices),
                     [&](const std::regex& notice) { return std::regex_match(line, notice); });
}

// The first line of output that is neither part of a whole results block
// (its four values in order, the hint after them) nor a notice; "" where
// there is none.
std::string stray_line(const std::string& output) {
  std::vector<std::string> lines = lines_of(output);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (lines[k] == "Ergebnisse:") {
      for (const char* name : {"w= ", "p= ", "M= ", "Q= "}) {
        if (++k == lines.size()) return "(the block ends early)";
        if (lines[k].rfind(name, 0) != 0 || !std::regex_match(lines[k], kValueLine)) return lines[k];
      }
      if (k + 1 < lines.size() && is_hint(lines[k + 1])) ++k;
    } else if (!is_notice(lines[k])) {
      return lines[k];
    }
  }
  return "";
}

// The lines of the results blocks, in order: the heads, the values, the
// hints. Without the option each stands at the start of its line too.
std::vector<std::string> result_lines(const std::string& output) {
  std::vector<std::string> found;
  for (const std::string& line : lines_of(output))
    if (line == "Ergebnisse:" || is_hint(line) || std::regex_match(line, kValueLine)) found.push_back(line);
  return found;
}

// Whether every line of quiet ends a line of loud, in the same order:
// without the option a notice may follow a prompt on its line.
bool lines_in_order(const std::string& quiet, const std::string& loud) {
  std::size_t from = 0;
  for (const std::string& line : lines_of(quiet)) {
    std::size_t at = loud.find(line + "\n", from);
    if (at == std::string::npos) return false;
    from = at + line.size() + 1;
  }
  return true;
}

// What a run leaves: its output, its notices on standard error, its status
// and the files of its options, each removed once read.
struct FilesRun {
  PipedRun piped;
  std::vector<std::string> files;
};

FilesRun run_with_files(const std::string& script, const ScratchDirectory& dir, bool quiet) {
  const std::vector<std::string> names = {dir.file("r.txt"), dir.file("g.txt"), dir.file("b.toml")};
  std::vector<std::string> arguments = {"--bericht", names[0],      "--grenzwerte",
                                        names[1],    "--als-datei", names[2]};
  if (quiet) arguments.insert(arguments.begin(), "--ruhig");
  FilesRun run{run_piped(script, arguments), {}};
  for (const std::string& name : names) {
    run.files.push_back(read_file(name));
    std::remove(name.c_str());
  }
  return run;
}

}  // namespace

TEST(QuietRun, ScriptsPrintTheirResultsAndNoticesAlone) {
  ScratchDirectory dir;
  int blocks = 0;
  int notices = 0;
  for (const std::string& path : every_script()) {
    std::string name = fs::path(path).filename();
    std::string script = read_file(path);
    FilesRun loud = run_with_files(script, dir, false);
    FilesRun quiet = run_with_files(script, dir, true);
    const std::string& shown = quiet.piped.output;
    EXPECT_TRUE(shown.empty() || shown.back() == '\n') << name << ":\n" << shown;
    EXPECT_EQ(stray_line(shown), "") << name << ":\n" << shown;
    EXPECT_EQ(result_lines(shown), result_lines(loud.piped.output)) << name;
    EXPECT_TRUE(lines_in_order(shown, loud.piped.output)) << name << ":\n" << shown;
    EXPECT_EQ(quiet.piped.errors, loud.piped.errors) << name;
    EXPECT_EQ(quiet.piped.ending.status, loud.piped.ending.status) << name;
    EXPECT_TRUE(quiet.piped.ending.exited) << name;
    EXPECT_EQ(quiet.files, loud.files) << name;
    for (const std::string& line : lines_of(shown)) {
      if (line == "Ergebnisse:") ++blocks;
      if (is_notice(line)) ++notices;
    }
  }
  // Every script has a right end, and all but one of them asks for values.
  EXPECT_GE(blocks, 20);
  EXPECT_GE(notices, 60);
}

// Where a new beam begins, the old beam's files are written after the
// right end's last prompt: without the option their notices follow it on
// its line, with it each notice has its own.
TEST(QuietRun, NoticesOfANewBeamStandOnLinesOfTheirOwn) {
  ScratchDirectory dir;
  std::string script =
      "a 2 4 c 4 100 1 10 0 f 1 0 1 3 0\n"
      "a 2 4 c 2 100 1 10 0 f 1 0 1 3 0\n"
      "a 2 4 c 1 100 1 10 0 g .\n"
      "f 7 0\n"
      "q\n";
  std::string envelope = dir.file("g.txt");
  std::string written = "Grenzwerte geschrieben: " + envelope + " (1 Lastfaelle)\n";
  PipedRun loud = run_piped(script, {"--grenzwerte", envelope});
  EXPECT_NE(loud.output.find("W2= " + written), std::string::npos) << loud.output;
  PipedRun quiet = run_piped(script, {"--ruhig", "--grenzwerte", envelope});
  const std::string new_beam =
      "neuer Traeger (rechtes Ende bei x= 2.000000 statt 4.000000), Lastfaelle beginnen bei 1\n";
  EXPECT_EQ(quiet.output, written + new_beam + results_block("0.020833", "0.000000", "5.000000", "0.000000") +
                              "S1 nur 1 bis 4, Bedingung nicht gesetzt\n" + written);
  // Piped away, the new beam must not pass unseen: standard error has it.
  EXPECT_EQ(quiet.errors, new_beam);
  EXPECT_EQ(quiet.ending.status, 0);
}

TEST(QuietRun, BeamFilesPrintTheSameWithTheOption) {
  ScratchDirectory dir;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(DURCHLAUFTRAEGER_EXAMPLES)) {
    if (entry.path().extension() != ".toml") continue;
    ++files;
    std::string name = entry.path().filename();
    std::vector<std::string> arguments = {entry.path(), "--grenzwerte", dir.file("g.csv")};
    PipedRun loud = run_piped("", arguments);
    arguments.push_back("--ruhig");
    PipedRun quiet = run_piped("", arguments);
    EXPECT_EQ(quiet.output, loud.output) << name;
    EXPECT_EQ(quiet.errors, loud.errors) << name;
    EXPECT_EQ(quiet.ending.status, loud.ending.status) << name;
    EXPECT_EQ(quiet.output.rfind("Durchlauftraeger - Bericht\n", 0), 0U) << name;
  }
  EXPECT_GE(files, 15);
}

namespace {

bool in_line_mode(const struct termios& mode) { return !in_key_mode(mode); }

// Presses a key once the program waits for one: with nothing printed
// before a read, the terminal's mode tells when it waits.
::testing::AssertionResult press(PtySession& user, char key) {
  if (!user.wait_mode(in_key_mode))
    return ::testing::AssertionFailure() << "no key awaited:\n" << user.screen;
  user.type(std::string(1, key));
  return ::testing::AssertionSuccess();
}

// Types a line of numbers once the program waits for a line, and waits
// until the terminal has echoed it.
::testing::AssertionResult enter(PtySession& user, const std::string& line) {
  if (!user.wait_mode(in_line_mode))
    return ::testing::AssertionFailure() << "no line awaited:\n" << user.screen;
  std::size_t from = user.screen.size();
  user.type(line);
  if (!user.wait_for(line, from)) return ::testing::AssertionFailure() << "not echoed:\n" << user.screen;
  return ::testing::AssertionSuccess();
}

}  // namespace

// At a keyboard the screen holds the typed lines, the terminal's echo, and
// what the program computed: no menu, no prompt, and no pause, so the key
// after g is the menu's.
TEST(QuietTerminal, ShowsTheTypedLinesTheNoticesAndTheResults) {
  ScratchDirectory dir;
  std::string report = dir.file("r.txt");
  PtySession user({"--ruhig", "--bericht", report});
  struct termios before = user.found_mode;
  const std::pair<char, const char*> commands[] = {
      {'a', "2 4\n"}, {'c', "4 100 1 10 0\n"}, {'f', "1 0 1 3 0\n"}, {'a', "2 4\n"}};
  for (const auto& [key, line] : commands) {
    ASSERT_TRUE(press(user, key));
    ASSERT_TRUE(enter(user, line));
  }
  ASSERT_TRUE(press(user, 'g'));
  ASSERT_TRUE(user.wait_for("Q= 20.000000\n")) << user.screen;
  ASSERT_TRUE(press(user, 'q'));
  Ending ending = user.wait_end();
  EXPECT_TRUE(ending.exited) << user.screen;
  EXPECT_EQ(ending.status, 0) << user.screen;
  EXPECT_EQ(user.screen, "2 4\n4 100 1 10 0\n1 0 1 3 0\nBericht geschrieben: " + report + "\n2 4\n" +
                             results_block("0.000000", "0.266667", "0.000000", "20.000000"));
  EXPECT_TRUE(same_mode(user.mode(), before));
}

// A script pasted at a terminal reads as the piped one: the key that would
// end the pause is taken where it was typed ahead, so "g g" shows one block.
TEST(QuietTerminal, APastedScriptReadsAsThePipedOne) {
  const std::string script = "a 2 4\nc 4 100 1 10 0\nf 1 0 1 3 0\na 2 4\ng g\nc 2 100 1 10 0\ng .\nq\n";
  const std::string blocks = results_block("0.000000", "0.266667", "0.000000", "20.000000") +
                             results_block("0.333333", "0.000000", "20.000000", "0.000000");
  EXPECT_EQ(run_piped(script, {"--ruhig"}).output, blocks);
  PtySession user({"--ruhig"});
  ASSERT_TRUE(user.wait_mode(in_key_mode)) << user.screen;
  user.type(script);
  Ending ending = user.wait_end();
  EXPECT_EQ(ending.status, 0) << user.screen;
  EXPECT_EQ(user.screen, "2 4\n4 100 1 10 0\n1 0 1 3 0\n2 4\n" +
                             results_block("0.000000", "0.266667", "0.000000", "20.000000") +
                             "2 100 1 10 0\n" +
                             results_block("0.333333", "0.000000", "20.000000", "0.000000"));
}

// A line that Ctrl-D handed over without its end leaves the screen's line
// open: the results start on the next one all the same.
TEST(QuietTerminal, ResultsAfterALineEndedByCtrlDStartOnTheNext) {
  PtySession user({"--ruhig"});
  ASSERT_TRUE(press(user, 'a'));
  ASSERT_TRUE(enter(user, "2\n"));
  ASSERT_TRUE(user.wait_mode(in_line_mode)) << user.screen;
  // Ctrl-D hands the 4 over; a second one ends the number.
  user.type("4\x04");
  ASSERT_TRUE(user.wait_for("2\n4")) << user.screen;
  user.type("\x04");
  ASSERT_TRUE(press(user, 'g'));
  ASSERT_TRUE(user.wait_for("Q= ")) << user.screen;
  ASSERT_TRUE(press(user, 'q'));
  EXPECT_EQ(user.wait_end().status, 0) << user.screen;
  EXPECT_EQ(user.screen,
            "2\n4\n" + results_block("0.000000", "0.000000", "0.000000", "0.000000",
                                     "Achtung: p, Q haengen von noch unbestimmten Groessen ab\n"));
}
