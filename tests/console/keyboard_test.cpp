// The console layer at a real terminal: numbers are typed as echoed lines,
// keys are taken raw, and the two never see each other's input.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/stream.h"
#include "tests/support/program.h"

using namespace dlt;

namespace {

void number_and_key_dialogue() {
  console_open();
  double value = 1.5;
  print("Zahl= ");
  read_double(value);
  print("Zahl= ");
  read_double(value);
  print("Taste: ");
  int key = read_key();
  double rest = 0;
  read_double(rest);
  char line[80];
  std::snprintf(line, sizeof line, "\nwert=%g taste=%c rest=%g\n", value, key, rest);
  print(line);
  print("Zahl= ");
  read_double(value);
  std::snprintf(line, sizeof line, "\nletzte=%g\n", value);
  print(line);
  console_close();
}

}  // namespace

TEST(Keyboard, NumbersAreLinesKeysAreRawAndCtrlDIsOneFailedRead) {
  PtySession user(number_and_key_dialogue);
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for("Zahl= ")) << user.screen;
  EXPECT_EQ(user.mode().c_lflag & ICANON, before.c_lflag & ICANON);

  // Ctrl-D on an empty line ends this read only: the next one waits for input.
  user.type("\x04");
  ASSERT_TRUE(user.wait_for(std::string(kNoInputNotice) + "Zahl= ")) << user.screen;
  user.type("7 8\n");
  ASSERT_TRUE(user.wait_for("Zahl= 7 8\nTaste: ")) << user.screen;

  // The 8 left on the line is not a key; the key pressed is, and it is not
  // echoed. The 8 then goes to the number read after the key.
  user.type("k");
  ASSERT_TRUE(user.wait_for("Taste: \nwert=7 taste=k rest=8\nZahl= ")) << user.screen;

  // Ctrl-D after digits hands them over; a second Ctrl-D ends the number.
  user.type("12\x04");
  ASSERT_TRUE(user.wait_for("Zahl= 12")) << user.screen;
  user.type("\x04");
  ASSERT_TRUE(user.wait_for("\nletzte=12\n")) << user.screen;
  Ending ending = user.wait_end();
  EXPECT_TRUE(ending.exited);
  EXPECT_TRUE(same_mode(user.mode(), before));
}

namespace {

void pasted_dialogue() {
  console_open();
  print("Taste: ");
  int first = read_key();
  int a = 0;
  int b = 0;
  int c = 0;
  print("Zahl= ");
  read_int(a);
  print("Taste: ");
  int second = read_key();
  print("Zahl= ");
  read_int(b);
  print("Zahl= ");
  read_int(c);
  print("Taste: ");
  int third = read_key();
  char line[80];
  std::snprintf(line, sizeof line, "\n%c %d %c %d %d %c\n", first, a, second, b, c, third);
  print(line);
  console_close();
}

// A key and two numbers, printed.
void key_and_two_numbers() {
  console_open();
  print("Taste: ");
  int key = read_key();
  int a = 0;
  int b = 0;
  print("Zahl= ");
  read_int(a);
  print("Zahl= ");
  read_int(b);
  char line[80];
  std::snprintf(line, sizeof line, "\n%c %d %d\n", key, a, b);
  print(line);
  console_close();
}

}  // namespace

// A paste that ends inside a line: what there is of the line starts the
// number, and the user types the rest of it.
TEST(Keyboard, APasteEndingInsideALineIsTheStartOfTheNextNumber) {
  PtySession user(key_and_two_numbers);
  ASSERT_TRUE(user.wait_for("Taste: ")) << user.screen;
  user.type("x 1\n4");
  ASSERT_TRUE(user.wait_for("Zahl= 1\nZahl= 4")) << user.screen;
  user.type("5\n");
  ASSERT_TRUE(user.wait_for("Zahl= 45\n\nx 1 45\n")) << user.screen;
  EXPECT_TRUE(user.wait_end().exited);
}

// A paste arrives while a key is awaited. The lines after the one a number
// read takes are read as if typed one after another: keys for the key reads,
// lines (echoed) for the number reads; what is left on a number's own line
// stays for the next number read.
TEST(Keyboard, PastedLinesAreKeysAndLinesInTheirOrder) {
  PtySession user(pasted_dialogue);
  struct termios before = user.found_mode;
  ASSERT_TRUE(user.wait_for("Taste: ")) << user.screen;
  user.type("x 1 2\ny\n3\n z");
  ASSERT_TRUE(user.wait_for("Taste: Zahl= 1 2\nTaste: Zahl= Zahl= 3\nTaste: \nx 1 y 2 3 z\n")) << user.screen;
  Ending ending = user.wait_end();
  EXPECT_TRUE(ending.exited);
  EXPECT_TRUE(same_mode(user.mode(), before));
}
