// Keys that send several codes: the decoding tables, and the F keys, arrows
// and Escape pressed at a real terminal.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/key_decoding.h"
#include "tests/support/program.h"
#include "tests/support/transcript.h"

TEST(KeyDecoding, EverySequenceAndCodePair) { EXPECT_EQ(key_decoding_faults(), ""); }

TEST(Terminal, FunctionKeysDoWhatTheMenuSays) {
  PtySession user;
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;

  // F1 as xterm sends it starts the left end, as a does.
  user.type("\x1bOP");
  ASSERT_TRUE(user.wait_for("S1= ")) << user.screen;
  EXPECT_EQ(user.screen, kMenu + kLeftEndDialogue.substr(0, kLeftEndDialogue.find("S1= ") + 4));
  user.type("2\n");
  ASSERT_TRUE(user.wait_for("S2= ")) << user.screen;
  user.type("4\n");
  ASSERT_TRUE(user.wait_for("4\n" + kMenu)) << user.screen;

  // An arrow key is one key the menu does not know: the menu once. The i
  // typed after it is read as i, not as part of the sequence.
  std::size_t start = user.screen.size();
  user.type("\x1b[A");
  ASSERT_TRUE(user.wait_for(kMenu, start)) << user.screen;
  user.type("i");
  ASSERT_TRUE(user.wait_for(kPause, start)) << user.screen;
  EXPECT_EQ(user.screen.substr(start), kMenu + kInfoLine + kPause);

  // At the pause an F key is read whole and only ends the pause (F2 in the
  // VT220 form would otherwise start a spring).
  start = user.screen.size();
  user.type("\x1b[12~");
  ASSERT_TRUE(user.wait_for(kMenu, start)) << user.screen;
  // Escape alone is a key too, once nothing follows it.
  user.type("\x1b");
  ASSERT_TRUE(user.wait_for(kMenu + kMenu, start)) << user.screen;
  EXPECT_EQ(user.screen.substr(start), kMenu + kMenu);

  // F8, here as the Linux console has no F8 of its own, as VT220: the end.
  user.type("\x1b[19~");
  Ending ending = user.wait_end();
  EXPECT_TRUE(ending.exited) << user.screen;
  EXPECT_EQ(ending.status, 0);
  EXPECT_EQ(user.screen.substr(start), kMenu + kMenu);
  EXPECT_TRUE(same_mode(user.mode(), before));
}

TEST(Terminal, LinuxConsoleFunctionKeys) {
  PtySession user;
  ASSERT_TRUE(user.wait_for(kMenu)) << user.screen;
  // F3 of the Linux console starts a beam segment.
  user.type("\x1b[[C");
  ASSERT_TRUE(user.wait_for("Laenge= ")) << user.screen;
  EXPECT_EQ(user.screen, kMenu + kBeamSegmentDialogue.substr(0, kBeamSegmentDialogue.find("Laenge= ") + 8));
  user.type("1\n1\n0\n");
  ASSERT_TRUE(user.wait_for(kMenu, kMenu.size())) << user.screen;
  user.type("q");
  EXPECT_EQ(user.wait_end().status, 0);
}
