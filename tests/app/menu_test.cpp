// Whole sessions of the menu loop on a script console, checked as transcripts.
#include <string>

#include <gtest/gtest.h>

#include "app/menu.h"
#include "console/stream.h"
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
                kLoadDialogue + kMenu + results_text(zero, zero, zero, zero) + kMenu);
}
