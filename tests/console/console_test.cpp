// Number and key reads on a script console: what each read stores, what it
// leaves for the next read, and what it prints.
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/stream.h"
#include "tests/support/scratch_directory.h"

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
  const char* const entries[] = {"abc", "-", ".", "1e", "1e+", "--5", "nan", "inf", "x1", ",5"};
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

TEST(NumberRead, GermanDecimalComma) {
  const std::pair<const char*, double> cases[] = {
      {"4,5", 4.5},     {"-0,25", -0.25}, {"1,5e3", 1500.0},
      {"+2,0E-1", 0.2}, {"0,1", 0.1},     {"3,141592654", 3.141592654},
  };
  for (const auto& [typed, expected] : cases) {
    console_open_script(typed);
    double value = 99;
    read_double(value);
    EXPECT_EQ(value, expected) << typed;
    EXPECT_EQ(console_take_output(), "") << typed;
  }
}

// Only a comma with digits on both sides is a point. Anything else ends the
// number where it always ended; the next read rejects what is left, and the
// read after it takes the 7.
TEST(NumberRead, CommaElsewhereEndsTheNumber) {
  const std::pair<const char*, double> cases[] = {
      {"1,2,3 7", 1.2}, {"4, 7", 4}, {"4,x 7", 4}, {"4.5,3 7", 4.5}, {"1e2,5 7", 100}, {"4,\n7", 4},
  };
  for (const auto& [typed, expected] : cases) {
    console_open_script(typed);
    double value = 99;
    read_double(value);
    EXPECT_EQ(value, expected) << typed;
    std::string notices = console_take_output();
    read_double(value);
    EXPECT_EQ(value, expected) << typed;
    notices += console_take_output();
    EXPECT_EQ(notices, kNotANumberNotice) << typed;
    read_double(value);
    EXPECT_EQ(value, 7) << typed;
  }
}

TEST(NumberRead, WholeNumbersTakeNoComma) {
  console_open_script("4,5 2");
  int code = 0;
  read_int(code);
  EXPECT_EQ(code, 4);
  read_int(code);
  EXPECT_EQ(code, 4);
  EXPECT_EQ(console_take_output(), kNotANumberNotice);
  read_int(code);
  EXPECT_EQ(code, 2);
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

namespace {

// Reads two decimal numbers from the file at path as standard input, as the
// program does, in a child process; whether they were first and second.
bool reads_from_standard_input(const std::string& path, double first, double second) {
  pid_t pid = fork();
  if (pid == 0) {
    int input = open(path.c_str(), O_RDONLY);
    int nowhere = open("/dev/null", O_WRONLY);
    if (input == -1 || nowhere == -1 || dup2(input, STDIN_FILENO) == -1 ||
        dup2(nowhere, STDOUT_FILENO) == -1) {
      _exit(2);
    }
    console_open();
    double a = 0;
    double b = 0;
    read_double(a);
    read_double(b);
    console_close();
    _exit(a == first && b == second ? 0 : 1);
  }
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

// Standard input is read in blocks of 64 KiB: a comma that is the last byte
// of one block has its digit in the next one, or none where input ends.
TEST(NumberRead, CommaAtTheEndOfAnInputBlock) {
  ScratchDirectory dir;
  std::string path = dir.file("input");
  const std::size_t block = std::size_t{64} * 1024;
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs((std::string(block - 2, ' ') + "4,5 2,5").c_str(), file);
  std::fclose(file);
  EXPECT_TRUE(reads_from_standard_input(path, 4.5, 2.5));

  file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs((std::string(block - 2, ' ') + "4,").c_str(), file);
  std::fclose(file);
  EXPECT_TRUE(reads_from_standard_input(path, 4, 0));
}

TEST(Slip, WhatANumberReadLeavesOnItsLine) {
  // Right after the number, or anything no number read takes.
  for (const char* rest : {"m", ".5x", ",", " m5", " 4 1x", " 1e", " -"})
    EXPECT_TRUE(dlt::is_slip(rest)) << rest;
  // Nothing, numbers typed ahead, keys typed ahead.
  for (const char* rest : {"", " ", " 100 1 10 0", "\t4,5 -1e-3 +.5 ", " 0 g", " c 4 100"})
    EXPECT_FALSE(dlt::is_slip(rest)) << rest;
  EXPECT_EQ(dlt::slip_notice("6", "m"), "Hinweis: gelesen 6, uebrig \"m\"\n");
}
