// The built program end to end: scripts piped into it, and a user at a
// pseudo-terminal pressing keys.
#include <csignal>
#include <string>

#include <gtest/gtest.h>

#include "program.h"
#include "transcript.h"

namespace {

bool in_key_mode(const struct termios& mode) {
  return (mode.c_lflag & (ICANON | ECHO)) == 0 && mode.c_cc[VMIN] == 1;
}

}  // namespace

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
  for (const char* name : {"einfeldtraeger.txt", "kragarm.txt"}) {
    std::string script = read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + name);
    ASSERT_FALSE(script.empty()) << name;
    PipedRun run = run_piped(script);
    EXPECT_TRUE(run.ending.exited) << name;
    EXPECT_EQ(run.ending.status, 0) << name;
    EXPECT_EQ(run.output.rfind(kMenu), run.output.size() - kMenu.size()) << name;
  }
}

TEST(Terminal, KeysActWithoutEnterAndAreNotEchoed) {
  PtySession user;
  struct termios before = user.mode();
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
  struct termios before = user.mode();
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

TEST(Terminal, SignalsWhileWaitingForAKeyRestoreTheMode) {
  // Ctrl-C typed, and SIGTERM sent from elsewhere.
  for (int signal_number : {SIGINT, SIGTERM}) {
    PtySession user;
    struct termios before = user.mode();
    ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
    if (signal_number == SIGINT) {
      user.type("\x03");
    } else {
      kill(user.pid, signal_number);
    }
    Ending ending = user.wait_end();
    EXPECT_EQ(ending.signal_number, signal_number) << user.screen;
    EXPECT_TRUE(same_mode(user.mode(), before)) << "signal " << signal_number;
  }
}
