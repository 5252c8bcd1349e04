// Keys that send several codes: the escape sequences of a terminal's F keys,
// arrows and the like, and the two codes of such keys in a Windows console.
// Pure decoding, so that both platforms' tables can be checked anywhere.
#pragma once

#include <cstddef>
#include <string_view>

namespace dlt {

constexpr int kEscape = 0x1b;

// The longest sequence taken as one key; a longer one ends there.
constexpr std::size_t kLongestEscapeSequence = 16;

// Whether the codes read after an ESC make a whole sequence: ESC O and one
// code, ESC [ [ and one code (the Linux console's F1 to F5), ESC [ with
// parameters up to a final code from '@' to '~', ESC and any other one code
// (Alt with a key).
bool escape_sequence_complete(std::string_view after_escape);

// The key of a whole (or cut short) sequence after its ESC: kFunctionKey + n
// for Fn, n = 1 to 8, and kOtherKey for anything else.
int escape_sequence_key(std::string_view after_escape);

// The key of the sequence whose codes after its ESC next_code gives, one per
// call, -1 where no more comes: the Escape key itself where none does.
int key_after_escape(int (*next_code)());

// Whether a Windows console's key code is the first of two (0 or 0xE0).
bool console_code_has_second(int first);

// The key of the two codes: F1 to F8 are 59 to 66, anything else (arrows,
// Home, F9 and on) is kOtherKey.
int console_key(int second);

}  // namespace dlt
