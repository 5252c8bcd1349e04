// The program at a pseudo-terminal under signals: Ctrl-C, SIGTERM, a hangup,
// the others that end it, Ctrl-Z and fg. However it ends, the terminal keeps
// the mode it had.
#include <csignal>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/transcript.h"

namespace {

// Brings the program to a read: a key at the menu, or a number at the left
// end's first prompt.
bool reach(PtySession& user, bool number_wait) {
  if (!user.wait_for(kMenu)) return false;
  if (!number_wait) return true;
  user.type("a");
  return user.wait_for("S1= ");
}

}  // namespace

TEST(Signals, EndTheProgramAndLeaveTheModeAsFound) {
  for (bool number_wait : {false, true}) {
    for (int signal_number : ending_signals()) {
      SCOPED_TRACE(std::string(number_wait ? "number" : "key") + " wait, " + strsignal(signal_number));
      PtySession user;
      struct termios before = user.found_mode;
      ASSERT_TRUE(reach(user, number_wait)) << user.screen;
      if (signal_number == SIGINT) {
        user.type("\x03");  // Ctrl-C
      } else {
        kill(user.pid, signal_number);
      }
      Ending ending = user.wait_end();
      EXPECT_EQ(ending.signal_number, signal_number) << user.screen;
      EXPECT_TRUE(same_mode(user.mode(), before));
    }
  }
}

TEST(Signals, ClosedTerminalEndsTheProgram) {
  for (bool number_wait : {false, true}) {
    SCOPED_TRACE(number_wait ? "number wait" : "key wait");
    PtySession user;
    ASSERT_TRUE(reach(user, number_wait)) << user.screen;
    close(user.master);
    user.master = -1;
    Ending ending = user.wait_end();
    EXPECT_EQ(ending.signal_number, SIGHUP) << user.screen;
  }
}

TEST(Signals, CtrlZStopsWithTheModeAsFoundAndFgWaitsForAKeyAgain) {
  PtySession user(PtySession::AsJob{});
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  user.type("\x1a");  // Ctrl-Z
  ASSERT_TRUE(user.wait_stopped()) << user.screen;
  EXPECT_TRUE(same_mode(user.mode(), before));

  kill(user.pid, SIGCONT);
  ASSERT_TRUE(user.wait_mode(in_key_mode)) << user.screen;
  std::size_t start = user.screen.size();
  user.type("i");
  ASSERT_TRUE(user.wait_for(kInfoLine + kPause, start)) << user.screen;
  user.type(" q");
  Ending ending = user.wait_end();
  EXPECT_TRUE(ending.exited) << user.screen;
  EXPECT_EQ(ending.status, 0);
  EXPECT_EQ(user.screen, kMenu + kInfoLine + kPause + kMenu);
  EXPECT_TRUE(same_mode(user.mode(), before));
}

// Where nothing could continue the program, as when it leads the terminal's
// session itself, the kernel drops the stop: the key wait goes on unchanged.
TEST(Signals, CtrlZThatCannotStopLeavesTheKeyWaitAsItWas) {
  PtySession user;
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  ASSERT_TRUE(user.type_and_settle("\x1a")) << user.screen;
  EXPECT_TRUE(in_key_mode(user.mode()));
  std::size_t start = user.screen.size();
  user.type("i");
  ASSERT_TRUE(user.wait_for(kInfoLine + kPause, start)) << user.screen;
  user.type(" q");
  EXPECT_EQ(user.wait_end().status, 0) << user.screen;
  EXPECT_EQ(user.screen, kMenu + kInfoLine + kPause + kMenu);
  EXPECT_TRUE(same_mode(user.mode(), before));
}
