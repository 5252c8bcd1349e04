// Whole sessions of the menu loop on a script console, checked as transcripts.
#include <string>

#include <gtest/gtest.h>

#include "app/menu.h"
#include "console/stream.h"
#include "tests/support/quiet_mode.h"
#include "tests/support/transcript.h"

using namespace dlt;

static std::string session(const std::string& script) {
  console_open_script(script);
  run_menu();
  return console_take_output();
}

TEST(Menu, QEndsAtOnce) {
  EXPECT_EQ(session("q"), kMenu);
  EXPECT_EQ(session("q i"), kMenu);
}

TEST(Menu, EndOfInputEndsTheLoop) {
  EXPECT_EQ(session(""), kMenu);
  EXPECT_EQ(session(" \n "), kMenu);
}

TEST(Menu, InfoPausesThenTheMenuFollowsOnTheSameLine) {
  EXPECT_EQ(session("i x q"), kMenu + kInfoLine + kPause + kMenu);
  // The key that ends the pause is taken by the pause, even q.
  EXPECT_EQ(session("iqq"), kMenu + kInfoLine + kPause + kMenu);
}

TEST(Menu, OtherKeysPrintTheMenuAgain) {
  EXPECT_EQ(session("A"), kMenu + kMenu);
  EXPECT_EQ(session("Q 1 ~"), kMenu + kMenu + kMenu + kMenu);
  // A function key sends three codes and so prints the menu three times.
  EXPECT_EQ(session("\x1bOPq"), kMenu + kMenu + kMenu + kMenu);
}

TEST(Menu, CommandKeysRunTheirDialogues) {
  // A clamped left end without load: every value stays zero.
  std::string zero = "0.000000";
  EXPECT_EQ(session("a 3 4 c 1 100 0 e 1 200 2 1 0 0 g . q"),
            kMenu + kLeftEndDialogue + kMenu + kBeamSegmentDialogue + kMenu + kShaftSegmentDialogue +
                kLoadDialogue + kMenu +
                results_text(zero, zero, zero, zero,
                             "Achtung: w, p, M, Q haengen von noch unbestimmten Groessen ab\n") +
                kMenu);
}

// With --ruhig a session shows what its commands compute and what they
// refuse, nothing of the menu, the prompts or the pauses.
TEST(QuietMenu, ShowsTheResultsBlocksAlone) {
  QuietMode quiet;
  EXPECT_EQ(session("a 2 4 c 4 100 1 10 0 f 1 0 1 3 0 a 2 4 g . c 2 100 1 10 0 g . q"),
            results_block("0.000000", "0.266667", "0.000000", "20.000000") +
                results_block("0.333333", "0.000000", "20.000000", "0.000000"));
  // The pause still takes its key: the second g answers the first one's.
  EXPECT_EQ(session("g g q"), results_block("0.000000", "0.000000", "0.000000", "0.000000"));
  EXPECT_EQ(session("i q q"), kInfoLine);
  EXPECT_EQ(session("x A \x1bOP 3 4 q"), "");
}

TEST(QuietMenu, RefusalsAndFailedReadsStandOnLinesOfTheirOwn) {
  QuietMode quiet;
  EXPECT_EQ(session("f a 5 4 a 2 2 a 1 x d 7 1 c 1 1 0 f 3 0 q"),
            std::string("erst linkes Traegerende eingeben, Bedingung nicht gesetzt\n"
                        "S1 und S2 nur 1 bis 4, linkes Ende nicht gesetzt\n"
                        "S1 gleich S2, linkes Ende nicht gesetzt\n"
                        "Eingabe ist keine Zahl, alter Wert bleibt\n"
                        "S1 nur 1 bis 4, Einzellast nicht gesetzt\n"
                        "Bedingung hier nicht bestimmbar, Bedingung nicht gesetzt\n"));
  // A second pass that walks past a support: the hint follows the values.
  EXPECT_EQ(session("a 2 4 c 1 1 1 1 0 f 1 0 0 c 1 1 1 1 0 f 1 0 1 3 0 a 2 4 c 1.5 1 1 1 0 g . d 4 x"),
            results_block("0.031250", "0.161458", "-0.562500", "-1.125000") +
                "Hinweis: Durchgang weicht vom berechneten Traeger ab\n"
                "Eingabe ist keine Zahl, alter Wert bleibt\n");
}
