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
