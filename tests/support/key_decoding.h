// What every key that sends several codes must read as, on both platforms:
// checked by the tests here and, compiled by the Windows cross compiler, by a
// small program the wine check runs.
#pragma once

#include <string>
#include <string_view>

#include "console/console.h"
#include "console/keys.h"

// A line for every sequence or code pair that decodes wrongly; empty where
// all are right.
inline std::string key_decoding_faults() {
  std::string faults;
  auto expect = [&faults](bool holds, std::string_view what) {
    if (!holds) faults.append(what).append("\n");
  };
  using dlt::kFunctionKey;
  using dlt::kOtherKey;
  struct Sequence {
    std::string_view after_escape;
    int key;
  };
  const Sequence sequences[] = {
      {"OP", kFunctionKey + 1},
      {"OQ", kFunctionKey + 2},
      {"OR", kFunctionKey + 3},
      {"OS", kFunctionKey + 4},
      {"[11~", kFunctionKey + 1},
      {"[12~", kFunctionKey + 2},
      {"[13~", kFunctionKey + 3},
      {"[14~", kFunctionKey + 4},
      {"[15~", kFunctionKey + 5},
      {"[17~", kFunctionKey + 6},
      {"[18~", kFunctionKey + 7},
      {"[19~", kFunctionKey + 8},
      {"[[A", kFunctionKey + 1},
      {"[[B", kFunctionKey + 2},
      {"[[C", kFunctionKey + 3},
      {"[[D", kFunctionKey + 4},
      {"[[E", kFunctionKey + 5},
      // Arrows, Home, F9, F1 with Shift, Alt-a: whole, and no F key.
      {"[A", kOtherKey},
      {"OA", kOtherKey},
      {"[H", kOtherKey},
      {"[1~", kOtherKey},
      {"[20~", kOtherKey},
      {"[1;2P", kOtherKey},
      {"[15;2~", kOtherKey},
      {"a", kOtherKey},
      {"[[F", kOtherKey},
      {"OT", kOtherKey},
  };
  for (const Sequence& s : sequences) {
    std::string name = "ESC " + std::string(s.after_escape);
    expect(dlt::escape_sequence_key(s.after_escape) == s.key, name + ": wrong key");
    expect(dlt::escape_sequence_complete(s.after_escape), name + ": not complete");
    for (std::size_t length = 1; length < s.after_escape.size(); ++length) {
      expect(!dlt::escape_sequence_complete(s.after_escape.substr(0, length)), name + ": complete too early");
    }
  }
  expect(!dlt::escape_sequence_complete(""), "ESC alone: complete");
  expect(dlt::escape_sequence_complete(std::string(dlt::kLongestEscapeSequence, '1')),
         "long sequence: not ended");

  // A Windows console: 0 or 0xE0, then 59 to 66 for F1 to F8.
  for (int first = 0; first < 256; ++first) {
    expect(dlt::console_code_has_second(first) == (first == 0 || first == 0xe0),
           "console code " + std::to_string(first) + ": wrong first of two");
  }
  for (int second = 0; second < 256; ++second) {
    int key = second >= 59 && second <= 66 ? kFunctionKey + second - 58 : kOtherKey;
    expect(dlt::console_key(second) == key, "console code pair 0 " + std::to_string(second) + ": wrong key");
  }
  return faults;
}
