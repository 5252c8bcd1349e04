// Number and key reads on a script console: what each read stores, what it
// leaves for the next read, and what it prints.
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/stream.h"

using namespace dlt;

TEST(NumberRead, LeftoverOfAWholeNumberReadGoesToTheNextRead) {
  console_open_script("2.7\n");
  int whole = 0;
  double decimal = 0;
  read_int(whole);
  read_double(decimal);
  EXPECT_EQ(whole, 2);
  EXPECT_EQ(decimal, 0.7);
  EXPECT_EQ(console_take_output(), "");
}

TEST(NumberRead, DecimalNotations) {
  struct Case {
    const char* typed;
    double value;
  };
  const Case cases[] = {
      {"4", 4.0},
      {"  \n\t-2.5", -2.5},
      {"+3", 3.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"1e3", 1000.0},
      {"2.5E-2", 0.025},
      {"-0", -0.0},
      {"1e999", HUGE_VAL},
      {"0.1", 0.1},
      {"3.141592654", 3.141592654},
      // Beyond the quick conversion: out of range, subnormal, long digits.
      {"-1e999", -HUGE_VAL},
      {"1e-400", 0.0},
      {"4.9e-324", 4.9e-324},
      {"+.5e+1", 5.0},
      {"123456789012345678901234567890.5", 123456789012345678901234567890.5},
      {"0.30000000000000001665", 0.30000000000000001665},
  };
  for (const Case& c : cases) {
    console_open_script(c.typed);
    double value = 99;
    read_double(value);
    EXPECT_EQ(value, c.value) << c.typed;
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.typed;
    EXPECT_EQ(console_take_output(), "") << c.typed;
  }
}

TEST(NumberRead, FailedReadKeepsTheValueAndDropsTheEntry) {
  // Each entry fails; the 7 after it must still be read.
  const char* const entries[] = {"abc", "-", ".", "1e", "1e+", "--5", "nan", "inf", "x1"};
  for (const char* entry : entries) {
    console_open_script(std::string(entry) + " 7");
    double value = 3.5;
    read_double(value);
    EXPECT_EQ(value, 3.5) << entry;
    EXPECT_EQ(console_take_output(), kNotANumberNotice) << entry;
    read_double(value);
    EXPECT_EQ(value, 7.0) << entry;
  }
}

TEST(NumberRead, GermanDecimalCommaFailsOnlyOnce) {
  // "4,5" reads as 4 and leaves ",5", which the next read rejects; the read
  // after that works again instead of failing for the rest of the session.
  console_open_script("4,5\n6\n8\n");
  double length = 0, stiffness = 1, load = 0;
  read_double(length);
  read_double(stiffness);
  read_double(load);
  EXPECT_EQ(length, 4.0);
  EXPECT_EQ(stiffness, 1.0);
  EXPECT_EQ(load, 6.0);
  EXPECT_EQ(console_take_output(), kNotANumberNotice);
}

TEST(NumberRead, WholeNumbers) {
  console_open_script("12 -3 +4 0x10 2147483647 -2147483648");
  int values[6] = {};
  for (int& v : values) read_int(v);
  EXPECT_EQ(values[0], 12);
  EXPECT_EQ(values[1], -3);
  EXPECT_EQ(values[2], 4);
  // "0x10" is 0 followed by "x10", which the next read rejects.
  EXPECT_EQ(values[3], 0);
  EXPECT_EQ(values[4], 0);
  EXPECT_EQ(values[5], 2147483647);
  EXPECT_EQ(console_take_output(), kNotANumberNotice);
  int last = 1;
  read_int(last);
  EXPECT_EQ(last, -2147483648);
}

TEST(NumberRead, WholeNumberOutsideTheIntRange) {
  console_open_script("2147483648 -2147483649 99999999999999999999999 5");
  int value = 17;
  for (int i = 0; i < 3; ++i) read_int(value);
  EXPECT_EQ(value, 17);
  EXPECT_EQ(console_take_output(), std::string(kOutOfRangeNotice) + kOutOfRangeNotice + kOutOfRangeNotice);
  read_int(value);
  EXPECT_EQ(value, 5);
}

TEST(NumberRead, EndOfInputKeepsTheValue) {
  console_open_script("  \n");
  int whole = 4;
  double decimal = 2.5;
  read_int(whole);
  read_double(decimal);
  EXPECT_EQ(whole, 4);
  EXPECT_EQ(decimal, 2.5);
  EXPECT_EQ(console_take_output(), std::string(kNoInputNotice) + kNoInputNotice);
}

TEST(NumberRead, NumberEndingTheInputIsRead) {
  console_open_script("-12.5e1");
  double value = 0;
  read_double(value);
  EXPECT_EQ(value, -125.0);
}

TEST(KeyRead, ScriptKeysSkipWhiteSpace) {
  console_open_script(" a\n\t2 .\r\nq");
  EXPECT_EQ(read_key(), 'a');
  int code = 0;
  read_int(code);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(read_key(), '.');
  EXPECT_EQ(read_key(), 'q');
  EXPECT_EQ(read_key(), kEndOfInput);
  EXPECT_EQ(read_key(), kEndOfInput);
}

TEST(KeyRead, EveryByteIsAKey) {
  console_open_script("\x1bOP\xff");
  EXPECT_EQ(read_key(), 0x1b);
  EXPECT_EQ(read_key(), 'O');
  EXPECT_EQ(read_key(), 'P');
  EXPECT_EQ(read_key(), 0xff);
}

TEST(Pause, PrintsItsTextAndTakesOneKey) {
  console_open_script("xy");
  print("Ergebnis\n");
  dlt::pause();
  EXPECT_EQ(console_take_output(), "Ergebnis\nweiter mit bel.Taste..");
  EXPECT_EQ(read_key(), 'y');
}

// The six decimals are those of "%f": halfway cases (odd multiples of 1/128)
// round as the C library rounds them, and infinities and NaN read the same.
TEST(PrintFixed, GivesTheDigitsOfPercentF) {
  std::vector<double> values = {0.0,       -0.0,         2.5e-7,          -1e-9,   1e300,
                                -DBL_MAX,  DBL_MIN,      50930938.355227, 1.0 / 3, HUGE_VAL,
                                -HUGE_VAL, std::nan(""), -std::nan("")};
  for (int k = -99999; k < 100000; k += 2) values.push_back(k / 128.0);
  for (double value : values) {
    console_open_script("");
    print_fixed(value);
    char expected[400];
    std::snprintf(expected, sizeof expected, "%f", value);
    EXPECT_EQ(console_take_output(), expected);
  }
}
