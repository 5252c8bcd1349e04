// A script pasted at the menu of the program at a terminal runs as it does
// when piped: the same report, and its lines echoed at the prompts.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/transcript.h"

TEST(TypedAhead, ScriptPastedAtTheMenuGivesThePipedReport) {
  std::string script = read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/einfeldtraeger.txt");
  ScratchDirectory dir;
  std::string piped = dir.file("piped.txt");
  std::string pasted = dir.file("pasted.txt");
  PipedRun run = run_piped(script, {"--bericht", piped});
  ASSERT_EQ(run.ending.status, 0) << run.output;

  PtySession user({"--bericht", pasted});
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  user.type(script);
  Ending ending = user.wait_end();
  EXPECT_TRUE(ending.exited) << user.screen;
  EXPECT_EQ(ending.status, 0) << user.screen;
  EXPECT_EQ(read_file(pasted), read_file(piped)) << user.screen;
  // Each number line shows once, where it was read.
  EXPECT_NE(user.screen.find("S1= 2 4\n\nS2= "), std::string::npos) << user.screen;
  EXPECT_NE(user.screen.find("Laenge= 4 100 1 10 0\n"), std::string::npos) << user.screen;
  EXPECT_TRUE(same_mode(user.mode(), before));
}

// "6m" for a length: the 6 is taken and the m is left for the next read,
// which fails on it. At a keyboard a line says so; a piped script prints
// what it always printed.
TEST(TypedSlip, ANumberWithCharactersLeftOnItsLineIsShownAtAKeyboardOnly) {
  PtySession user;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  user.type("c");
  ASSERT_TRUE(user.wait_for("Laenge= ")) << user.screen;
  user.type("6m\n");
  ASSERT_TRUE(user.wait_for("6m\nHinweis: gelesen 6, uebrig \"m\"\n")) << user.screen;
  ASSERT_TRUE(user.wait_for("Biegesteifigk.EI= Eingabe ist keine Zahl, alter Wert bleibt\n")) << user.screen;
  ASSERT_TRUE(user.wait_for("0=no: ")) << user.screen;
  // Numbers typed ahead are no slip.
  std::size_t second = user.screen.size();
  user.type("0\n");
  ASSERT_TRUE(user.wait_for(kMenu, second)) << user.screen;
  second = user.screen.size();
  user.type("c");
  ASSERT_TRUE(user.wait_for("Laenge= ", second)) << user.screen;
  user.type("2 100 0\n");
  ASSERT_TRUE(user.wait_for(kMenu, second)) << user.screen;
  user.type("q");
  EXPECT_EQ(user.wait_end().status, 0) << user.screen;
  std::size_t first = user.screen.find("Hinweis: gelesen");
  EXPECT_EQ(user.screen.find("Hinweis: gelesen", first + 1), std::string::npos) << user.screen;

  PipedRun piped = run_piped("c 6m 100 0 q");
  EXPECT_EQ(piped.output.find("Hinweis: gelesen"), std::string::npos) << piped.output;
}
