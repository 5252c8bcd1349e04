// Names the program shows the user: nothing in them can break the line or
// command the terminal.
#include <string>

#include <gtest/gtest.h>

#include "console/shown_name.h"

using namespace dlt;

TEST(ShownName, FileNamesHaveTheirControlCharactersEscaped) {
  EXPECT_EQ(shown_name("bericht.txt"), "bericht.txt");
  EXPECT_EQ(shown_name("a\nb\tc\r"), "a\\nb\\tc\\r");
  // Escape sequences, DEL and the C1 controls as UTF-8 writes them (CSI
  // here); other UTF-8 letters stay as they are.
  EXPECT_EQ(shown_name("\x1b[2J\x7f\xc2\x9b\xc3\xbc"), "\\x1b[2J\\x7f\\xc2\\x9b\xc3\xbc");
  EXPECT_EQ(shown_name(std::string("a\0b", 3)), "a\\x00b");
}
