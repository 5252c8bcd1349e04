// The built program end to end: scripts piped into it, and a user at a
// pseudo-terminal pressing keys.
#include <filesystem>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/transcript.h"

TEST(PipedScript, RunsToQWithStatusZero) {
  PipedRun run = run_piped("i\nx\nq\n");
  EXPECT_EQ(run.output, kMenu + kInfoLine + kPause + kMenu);
  EXPECT_TRUE(run.ending.exited);
  EXPECT_EQ(run.ending.status, 0);
}

TEST(PipedScript, EndOfInputEndsWithStatusZero) {
  // The pause takes the end of input like any key; the menu follows, and the
  // key read after it ends the program.
  PipedRun run = run_piped("A i");
  EXPECT_EQ(run.output, kMenu + kMenu + kInfoLine + kPause + kMenu);
  EXPECT_TRUE(run.ending.exited);
  EXPECT_EQ(run.ending.status, 0);

  PipedRun empty = run_piped("");
  EXPECT_EQ(empty.output, kMenu);
  EXPECT_EQ(empty.ending.status, 0);
}

TEST(PipedScript, LongScriptIsReadWhole) {
  // Far more than one block of input and of output.
  std::string script;
  for (int i = 0; i < 20000; ++i) script += "x\n";
  script += "q\n";
  PipedRun run = run_piped(script);
  EXPECT_EQ(run.output.size(), kMenu.size() * 20001);
  EXPECT_EQ(run.ending.status, 0);
}

TEST(PipedScript, ExamplesRunToTheirEnd) {
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DURCHLAUFTRAEGER_EXAMPLES)) {
    std::string name = entry.path().filename();
    std::string script = read_file(entry.path());
    ASSERT_FALSE(script.empty()) << name;
    ++examples;
    PipedRun run = run_piped(script);
    EXPECT_TRUE(run.ending.exited) << name;
    EXPECT_EQ(run.ending.status, 0) << name;
    EXPECT_EQ(run.output.rfind(kMenu), run.output.size() - kMenu.size()) << name;
  }
  EXPECT_GE(examples, 11);
}

// A German decimal comma reads as the point: every example, with the points
// of its decimal numbers turned into commas, prints what it prints.
TEST(PipedScript, ExamplesWithDecimalCommasPrintTheSame) {
  const std::regex decimal_point("([0-9])\\.([0-9])");
  int with_commas = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DURCHLAUFTRAEGER_EXAMPLES)) {
    std::string name = entry.path().filename();
    std::string script = read_file(entry.path());
    std::string commas = std::regex_replace(script, decimal_point, "$1,$2");
    if (commas == script) continue;
    ++with_commas;
    PipedRun run = run_piped(commas);
    EXPECT_EQ(run.output, run_piped(script).output) << name;
    EXPECT_EQ(run.ending.status, 0) << name;
  }
  EXPECT_GE(with_commas, 2);
}

// The two worked examples, as printed. First pass over the whole beam, then a
// second pass that stops where the results are wanted.
TEST(PipedScript, SimplySupportedBeamAtItsLeftEndAndMidSpan) {
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/einfeldtraeger.txt"));
  const std::string segment_with_load = kBeamSegmentDialogue + kLoadDialogue + kMenu;
  EXPECT_EQ(run.output, kMenu + kLeftEndDialogue + kMenu + segment_with_load + kConditionDialogue +
                            kRightEndQuestion + kRightEndDialogue + kMenu + kLeftEndDialogue + kMenu +
                            results_text("0.000000", "0.266667", "0.000000", "20.000000") + kMenu +
                            segment_with_load +
                            results_text("0.333333", "0.000000", "20.000000", "0.000000") + kMenu);
}

TEST(PipedScript, TwoSpansLeftOfTheMiddleSupport) {
  // The deflection there is a tiny negative residue, and keeps its sign.
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/zweifeldtraeger.txt"));
  const std::string segment_with_load = kBeamSegmentDialogue + kLoadDialogue + kMenu;
  EXPECT_EQ(run.output, kMenu + kLeftEndDialogue + kMenu + segment_with_load + kConditionDialogue +
                            kRightEndQuestion + kMenu + kBeamSegmentDialogue + kMenu + kConditionDialogue +
                            kRightEndQuestion + kRightEndDialogue + kMenu + kLeftEndDialogue + kMenu +
                            segment_with_load +
                            results_text("-0.000000", "-0.011111", "-3.333333", "-11.666667") + kMenu);
}

TEST(PipedScript, ASecondPassThatLeavesOutASupportGetsAHint) {
  // Three spans 4, 6 and 5. A pass that walks on past the support at x = 4
  // prints what the registers give there, which is no value of this beam,
  // and says so; the same pass entering the support prints the beam's own.
  const std::string beam =
      "a 2 4 c 4 20000 1 10 0 f 1 0 0 c 2.5 20000 1 10 0 d 4 40 c 3.5 20000 1 10 0 f 1 0 0 "
      "c 5 20000 1 10 2 f 1 0 1 3 0\n";
  const std::string hint = "Hinweis: Durchgang weicht vom berechneten Traeger ab\n";
  PipedRun past = run_piped(beam + "a 2 4 c 4 20000 1 10 0 c 2.5 20000 1 10 0 g . q\n");
  std::string values = "Ergebnisse:\nw= 0.016474\np= 0.013732\nM= -156.171617\nQ= -56.526403\n";
  EXPECT_NE(past.output.find(values + hint + kPause), std::string::npos) << past.output;
  PipedRun along = run_piped(beam + "a 2 4 c 4 20000 1 10 0 f 1 0 0 c 2.5 20000 1 10 0 g . q\n");
  EXPECT_NE(along.output.find("Ergebnisse:\nw= 0.005625\n"), std::string::npos) << along.output;
  EXPECT_EQ(along.output.find(hint), std::string::npos);
}

TEST(PipedScript, SpanHungBetweenTwoCantileversByTwoHinges) {
  // Clamped cantilevers of 2 at both ends carry a span of 4 between hinges,
  // q = 10 throughout. The second hinge is the one the newest unknown, the
  // kink at the first, cannot reach. The hung span hands q 4/2 = 20 to each
  // tip, so the left clamp holds M = -(20 * 2 + 10 * 2^2/2) and Q = 20 + 20.
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_TEST_SCRIPTS) + "/hung_span.txt"));
  std::string shown = run.output.substr(run.output.find("Ergebnisse:\n"));
  EXPECT_EQ(shown, results_text("0.000000", "0.000000", "-60.000000", "40.000000") + kMenu);
  EXPECT_EQ(run.ending.status, 0);
}

TEST(PipedScript, RefusedLeftEndConditionAndRightEndLetTheProgramGoOn) {
  // One unknown named twice; a hinge on a beam still free to move, where no
  // unknown reaches the moment; and a right end whose moment X1 cannot
  // reach. Then the simply supported beam, as if nothing had happened.
  PipedRun run = run_piped(
      "a 2 2\n"
      "a 1 2 c 1 1 0 f 3 0\n"
      "a 2 4 c 1 1 0 f 3 0 1 3 0\n"
      "a 2 4 c 4 100 1 10 0 f 1 0 1 3 0 a 2 4 c 2 100 1 10 0 g . q\n");
  const std::string segment = kBeamSegmentDialogue + kMenu;
  const std::string segment_with_load = kBeamSegmentDialogue + kLoadDialogue + kMenu;
  EXPECT_EQ(run.output,
            kMenu + kLeftEndDialogue + "S1 gleich S2, linkes Ende nicht gesetzt\n" + kMenu +
                kLeftEndDialogue + kMenu + segment + kConditionDialogue +
                "Bedingung hier nicht bestimmbar, Bedingung nicht gesetzt\n" + kMenu + kLeftEndDialogue +
                kMenu + segment + kConditionDialogue + kRightEndQuestion + kRightEndDialogue +
                "rechtes Ende hier nicht bestimmbar, rechtes Ende nicht gesetzt\n" + kMenu +
                kLeftEndDialogue + kMenu + segment_with_load + kConditionDialogue + kRightEndQuestion +
                kRightEndDialogue + kMenu + kLeftEndDialogue + kMenu + segment_with_load +
                results_text("0.333333", "0.000000", "20.000000", "0.000000") + kMenu);
  EXPECT_EQ(run.ending.status, 0);
}

// A beam entered from its free left end has the right moments and shear
// forces along it from the first pass on: the left end carries none. (w and p
// still lack the free end's own deflection and slope, which only a right end
// fixes.)
TEST(PipedScript, CantileverUnderUniformLoad) {
  // q = 10 over L = 2: root moment -q L^2/2 and shear -q L.
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/kragarm.txt"));
  EXPECT_EQ(run.output, kMenu + kLeftEndDialogue + kMenu + kBeamSegmentDialogue + kLoadDialogue + kMenu +
                            results_text("0.066667", "0.133333", "-20.000000", "-20.000000", kWaitingWP) +
                            kMenu);
}

TEST(PipedScript, CantileverUnderTriangularLoad) {
  // Rising from 0 at the free end by qs = 6 over L = 2: root moment
  // -qs L^3/6 and shear -qs L^2/2.
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/kragarm_dreieckslast.txt"));
  EXPECT_EQ(run.output, kMenu + kLeftEndDialogue + kMenu + kBeamSegmentDialogue + kLoadDialogue + kMenu +
                            results_text("0.016000", "0.040000", "-8.000000", "-12.000000", kWaitingWP) +
                            kMenu);
}

TEST(Terminal, KeysActWithoutEnterAndAreNotEchoed) {
  PtySession user;
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  std::size_t start = user.screen.size();
  user.type("x");
  ASSERT_TRUE(user.wait_for(kMenu, start)) << user.screen;
  EXPECT_EQ(user.screen.substr(start), kMenu);
  EXPECT_TRUE(in_key_mode(user.mode()));

  user.type("q");
  Ending ending = user.wait_end();
  EXPECT_TRUE(ending.exited) << user.screen;
  EXPECT_EQ(ending.status, 0);
  EXPECT_EQ(user.screen, kMenu + kMenu);
  EXPECT_TRUE(same_mode(user.mode(), before));
}

TEST(Terminal, InfoPausesUntilAKey) {
  PtySession user;
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  user.type("i");
  ASSERT_TRUE(user.wait_for(kPause)) << user.screen;
  // Waiting in the key mode means waiting for a key: nothing else follows.
  EXPECT_TRUE(in_key_mode(user.mode()));
  EXPECT_EQ(user.screen, kMenu + kInfoLine + kPause);
  user.type(" ");
  ASSERT_TRUE(user.wait_for(kPause + kMenu)) << user.screen;
  user.type("q");
  EXPECT_EQ(user.wait_end().status, 0);
  EXPECT_TRUE(same_mode(user.mode(), before));
}

TEST(Terminal, NumbersAreTypedAsEchoedLinesBetweenKeys) {
  PtySession user;
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  user.type("a");
  ASSERT_TRUE(user.wait_for("S1= ")) << user.screen;
  // Key mode is off while a number is typed: it is echoed and waits for Enter.
  EXPECT_FALSE(in_key_mode(user.mode()));
  user.type("1\n");
  ASSERT_TRUE(user.wait_for("S2= ")) << user.screen;
  user.type("2\n");
  ASSERT_TRUE(user.wait_for("2\n" + kMenu)) << user.screen;
  std::size_t segment = user.screen.size();
  user.type("c");
  const char* const steps[][2] = {
      {"Laenge= ", "2\n"}, {"EI= ", "100\n"}, {"0=no: ", "1\n"}, {"q links= ", "10\n"}, {"von q= ", "0\n"}};
  for (const auto& [prompt, typed] : steps) {
    ASSERT_TRUE(user.wait_for(prompt, segment)) << user.screen;
    user.type(typed);
  }
  ASSERT_TRUE(user.wait_for(kMenu, segment)) << user.screen;
  std::size_t results = user.screen.size();
  user.type("g");
  ASSERT_TRUE(user.wait_for(kPause, results)) << user.screen;
  EXPECT_EQ(user.screen.substr(results),
            results_text("0.066667", "0.133333", "-20.000000", "-20.000000", kWaitingWP));
  EXPECT_TRUE(in_key_mode(user.mode()));
  user.type("q");
  ASSERT_TRUE(user.wait_for(kPause + kMenu, results)) << user.screen;
  user.type("q");
  EXPECT_EQ(user.wait_end().status, 0);
  EXPECT_EQ(user.screen.substr(0, segment),
            kMenu +
                "linkes Traegerende\nunbekannt sind S1 u. S2\ngel.Lager:S1=2(p),S2=4(Q)\n"
                "freies E.:S1=1(w),S2=2(p)\nEinspann.:S1=3(M),S2=4(Q)\nS1= 1\n\nS2= 2\n" +
                kMenu);
  EXPECT_TRUE(same_mode(user.mode(), before));
}
