// The load cases of --grenzwerte kept per beam, with the built program: a
// load case with a value mistyped is a beam of its own, its notice says
// where and reaches standard error too where the output is piped, the next
// pass joins the beam before it again, and a load case whose values are no
// finite numbers makes its limits NaN and says so in the file's notice.
#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/report_text.h"
#include "tests/support/scratch_directory.h"

namespace {

// A pass over four spans of 6, each entered as two segments of 3 with EI
// 30000, the span `loaded` (from 1; 0 for all) under q = 10, and segment
// `odd` (from 1) with EI `odd_EI`.
std::string four_spans(int loaded, int odd = 0, const char* odd_EI = "30000") {
  std::string pass = "a 2 4\n";
  int segment = 0;
  for (int span = 1; span <= 4; ++span) {
    for (int half = 0; half < 2; ++half) {
      ++segment;
      pass += "c 3 ";
      pass += segment == odd ? odd_EI : "30000";
      pass += loaded == 0 || loaded == span ? " 1 10 0\n" : " 0\n";
    }
    pass += span < 4 ? "f 1 0 0\n" : "f 1 0 1 3 0\n";
  }
  return pass;
}

// The permanent load and the four spans loaded one by one, the third with
// the EI of segment 7 mistyped where `mistyped`.
std::string five_passes(bool mistyped) {
  return four_spans(0) + four_spans(1) + four_spans(2) + four_spans(3, 7, mistyped ? "5000" : "30000") +
         four_spans(4) + "q\n";
}

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

const std::string kNewBeam =
    "neuer Traeger (Abschnitt 7: EI= 5000.000000 statt 30000.000000), Lastfaelle beginnen bei 1\n";
const std::string kBack = "zurueck zum Traeger der Lastfaelle 1 bis 3, weiter mit Lastfall 4\n";

}  // namespace

TEST(EnvelopeBeams, AMistypedLoadCaseIsNamedAndTheNextJoinsTheLoadCasesBeforeIt) {
  ScratchDirectory dir;
  std::string envelope = dir.file("g.txt");
  std::string beam_file = dir.file("t.toml");
  PipedRun run =
      run_piped(five_passes(true), {"--ruhig", "--grenzwerte", envelope, "--als-datei", beam_file});
  EXPECT_EQ(run.ending.status, 0);
  auto written = [&](int cases) {
    std::string count = " (" + std::to_string(cases) + " Lastfaelle)\n";
    return "Grenzwerte geschrieben: " + envelope + count + "Traegerdatei geschrieben: " + beam_file + count;
  };
  // Piped, the files are written where the beam changes and at the end.
  EXPECT_EQ(run.output, written(3) + kNewBeam + written(1) + kBack + written(4));
  EXPECT_EQ(run.errors, kNewBeam + kBack);

  // The files hold the first three and the fifth pass, as if the fourth
  // had never been entered.
  ScratchDirectory without;
  std::string script = five_passes(false);
  std::size_t fourth = 0;
  for (int k = 0; k < 3; ++k) fourth = script.find("a 2 4", fourth + 1);
  script.erase(fourth, four_spans(3).size());
  PipedRun four = run_piped(
      script, {"--ruhig", "--grenzwerte", without.file("g.txt"), "--als-datei", without.file("t.toml")});
  EXPECT_EQ(four.errors, "");
  std::string text = read_file(envelope);
  EXPECT_EQ(text, read_file(without.file("g.txt")));
  EXPECT_EQ(read_file(beam_file), read_file(without.file("t.toml")));
  std::vector<std::string> cases = section(text, "Lastfaelle (1:");
  ASSERT_GE(cases.size(), 5U) << text;
  EXPECT_EQ(words(cases.back()).front(), "4") << text;
  // The fourth is the fifth pass: q = 10 on the fourth span, from x = 18.
  EXPECT_NE(text.find("\n  4      18.000000  Streckenlast (q= 10.000000"), std::string::npos) << text;
  EXPECT_NE(read_file(beam_file).find("\"LF4\""), std::string::npos);
}

TEST(EnvelopeBeams, AtATerminalTheNoticeShowsOnce) {
  ScratchDirectory dir;
  PtySession user({"--ruhig", "--grenzwerte", dir.file("g.txt")});
  ASSERT_TRUE(user.wait_for("")) << user.screen;
  user.type(five_passes(true));
  Ending ending = user.wait_end();
  EXPECT_EQ(ending.status, 0) << user.screen;
  EXPECT_EQ(count_of(user.screen, kNewBeam), 1U) << user.screen;
  EXPECT_EQ(count_of(user.screen, kBack), 1U) << user.screen;
}

TEST(EnvelopeBeams, ALoadCaseThatIsNotFiniteMakesTheLimitsNaNAndIsNamed) {
  ScratchDirectory dir;
  std::string text_file = dir.file("g.txt");
  std::string csv_file = dir.file("g.csv");
  PipedRun run = run_piped("a 2 4 c 5 100 1 10 0 f 1 0 1 3 0\na 2 4 c 5 100 1 1e999 0 f 1 0 1 3 0\n",
                           {"--ruhig", "--grenzwerte", text_file, "--grenzwerte", csv_file});
  // The files were written, and say what they hold: no failure.
  EXPECT_EQ(run.ending.status, 0);
  EXPECT_EQ(run.output, "Grenzwerte geschrieben: " + text_file +
                            " (2 Lastfaelle; Lastfall 2 nicht endlich)\nGrenzwerte geschrieben: " + csv_file +
                            " (2 Lastfaelle; Lastfall 2 nicht endlich)\n");
  // Once the limits were load case 1's alone, 1.35 q L^2 / 8 = 42.1875.
  std::string text = read_file(text_file);
  EXPECT_EQ(text.find("42.187500"), std::string::npos) << text;
  std::vector<std::string> limits = section(text, "Grenzwerte (");
  ASSERT_GE(limits.size(), 3U) << text;
  for (std::size_t row = 1; row < limits.size(); ++row) {
    std::vector<std::string> cells = words(limits[row]);
    ASSERT_EQ(cells.size(), 9U) << limits[row];
    for (std::size_t k = 1; k < cells.size(); ++k) EXPECT_EQ(cells[k], "nan") << limits[row];
  }
  // The largest M of the span, with both cases acting.
  EXPECT_NE(text.find("  Feld 1        0.000000    5.000000         nan    0.000000  1, 2"),
            std::string::npos)
      << text;
  EXPECT_NE(read_file(csv_file).find("\r\n2.5,nan,nan,nan,nan,nan,nan,nan,nan\r\n"), std::string::npos);
}
