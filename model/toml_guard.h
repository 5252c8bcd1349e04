// The one guard the TOML reader needs: toml++ 3.3 asks whether a non-ASCII
// character is white space in a way that is undefined for most of them (it
// reaches __builtin_unreachable), wherever it looks for white space outside
// strings and comments, and in a multi-line basic string right after a
// backslash and after the white space a line-ending backslash skips. No
// such character is valid TOML there, so the reader is never given one.
#pragma once

#include <cstddef>
#include <string_view>

namespace dlt {

struct UnreadableCharacter {
  bool found = false;
  std::size_t offset = 0;  // of its first byte
  int line = 1;            // as the reader counts: columns in code points
  int column = 1;
  std::string_view bytes;  // the character's bytes
};

// The first non-ASCII character of text where the reader must not meet it.
UnreadableCharacter find_unreadable_character(std::string_view text);

// Where the first byte stands that is no UTF-8. The reader finds it too but
// gives the place of the character before it.
UnreadableCharacter find_invalid_utf8(std::string_view text);

}  // namespace dlt
