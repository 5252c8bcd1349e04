// The console's last way out: a fault of the program itself, a stack
// overflow even, in the middle of a key wait ends the program by its signal
// with the terminal in the mode it had. The sanitizers take the faults in
// their build.
#include <csignal>

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/stream.h"
#include "console/terminal.h"
#include "tests/support/program.h"

using namespace dlt;

#ifndef DURCHLAUFTRAEGER_SANITIZED
namespace {

// Far beyond any stack: only the check keeps the compiler from calling the
// recursion endless.
volatile int g_deepest = 1 << 30;

int deeper(int depth) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(depth);
  if (depth >= g_deepest) return frame[0];
  return deeper(depth + 1) + frame[0];
}

// Overflows the stack in key mode, once a key has come.
void overflow_at_a_key_wait() {
  console_open();
  print("Taste: ");
  stream_flush();
  term_begin_key();
  term_read_key();
  deeper(0);
}

}  // namespace
#endif

TEST(Faults, StackOverflowAtAKeyWaitLeavesTheModeAsFound) {
#ifdef DURCHLAUFTRAEGER_SANITIZED
  GTEST_SKIP() << "the sanitizers take the faults in their build";
#else
  PtySession user(overflow_at_a_key_wait);
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for("Taste: ")) << user.screen;
  ASSERT_TRUE(user.wait_mode(in_key_mode)) << user.screen;
  user.type("x");
  Ending ending = user.wait_end();
  EXPECT_EQ(ending.signal_number, SIGSEGV) << user.screen;
  EXPECT_TRUE(same_mode(user.mode(), before));
#endif
}
