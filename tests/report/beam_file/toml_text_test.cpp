// TOML's values as the beam files write them: every double reads back bit
// for bit as a TOML reader reads it (digits alone as a 64-bit integer,
// anything else as a float), in the shortest form; strings quoted and
// escaped, and what is UTF-8.
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/beam_file/toml_text.h"

using namespace dlt;

namespace {

// The double a TOML reader makes of a number: an integer where it is digits
// alone (false where it does not fit 64 bits), else a float (where strtod
// says ERANGE of a subnormal number, it has read it all the same).
bool read_as_toml(const std::string& text, double& value) {
  char* end = nullptr;
  errno = 0;
  bool fits = true;
  if (text.find_first_of(".eE") == std::string::npos) {
    long long integer = std::strtoll(text.c_str(), &end, 10);
    fits = errno == 0;
    value = static_cast<double>(integer);
  } else {
    value = std::strtod(text.c_str(), &end);
  }
  return fits && end != text.c_str() && *end == '\0';
}

void expect_reads_back(double value) {
  std::string text = toml_number(value);
  double back = 0;
  ASSERT_TRUE(read_as_toml(text, back)) << text;
  EXPECT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(value)) << text;
}

}  // namespace

TEST(TomlNumber, ShortestFormsThatATomlReaderTakesBack) {
  EXPECT_EQ(toml_number(4), "4");
  EXPECT_EQ(toml_number(-2.5), "-2.5");
  EXPECT_EQ(toml_number(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(toml_number(2.1e8), "2.1e+08");
  EXPECT_EQ(toml_number(0.0005), "5e-04");
  EXPECT_EQ(toml_number(1e22), "1e+22");
  // A zero's sign and integers past 64 bits need a float.
  EXPECT_EQ(toml_number(0.0), "0");
  EXPECT_EQ(toml_number(-0.0), "-0.0");
  EXPECT_EQ(toml_number(0x1p63), "9223372036854775808.0");
  EXPECT_EQ(toml_number(-0x1p63), "-9223372036854775808.0");
  EXPECT_EQ(toml_number(0x1p63 - 1024), "9223372036854774784");
  EXPECT_EQ(toml_number(std::numeric_limits<double>::infinity()), "inf");

  const double kSpecial[] = {0.0,
                             -0.0,
                             1.0 / 3,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             0x1p53 + 2,
                             0x1p63,
                             -0x1p63,
                             0x1p64,
                             123456789012345680000.0,
                             1e23};
  for (double value : kSpecial) expect_reads_back(value);
  // Numbers of every exponent, and whole numbers of every size.
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 20000; ++i) {
    double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) expect_reads_back(value);
    auto whole = static_cast<double>(static_cast<std::int64_t>(random() >> (random() % 64)));
    expect_reads_back(whole);
    expect_reads_back(-whole * 0x1p10);
  }
}

TEST(TomlString, QuotedAndEscaped) {
  std::string text;
  append_toml_string(text, "Pos. \"3\" \\ a\x01\x7f\xc3\xa4");
  EXPECT_EQ(text, "\"Pos. \\\"3\\\" \\\\ a\\u0001\\u007F\xc3\xa4\"");
}

TEST(TomlString, WhatIsUtf8) {
  for (const char* good :
       {"", "Traeger", "Tr\xc3\xa4", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf"})
    EXPECT_TRUE(is_utf8(good)) << good;
  // A Latin-1 byte, a continuation alone, an overlong form, a surrogate,
  // past U+10FFFF, a sequence cut short.
  for (const char* bad :
       {"Tr\xe4", "\x80", "\xc0\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80", "a\xc3", "\xe2\x82"})
    EXPECT_FALSE(is_utf8(bad)) << bad;
}
