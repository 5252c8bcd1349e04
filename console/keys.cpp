#include "console/keys.h"

#include "console/console.h"

namespace dlt {

bool escape_sequence_complete(std::string_view after_escape) {
  std::size_t length = after_escape.size();
  if (length == 0) return false;
  if (length >= kLongestEscapeSequence) return true;
  switch (after_escape[0]) {
    case 'O':
      return length == 2;
    case '[':
      if (length == 1) return false;
      if (after_escape[1] == '[') return length == 3;
      // Parameters and intermediates are '0' to '?' and ' ' to '/'.
      return after_escape[length - 1] >= '@' && after_escape[length - 1] <= '~';
    default:
      return true;
  }
}

int key_after_escape(int (*next_code)()) {
  char after[kLongestEscapeSequence];
  std::size_t length = 0;
  while (!escape_sequence_complete({after, length})) {
    int next = next_code();
    if (next == -1) break;
    after[length++] = static_cast<char>(next);
  }
  return length == 0 ? kEscape : escape_sequence_key({after, length});
}

int escape_sequence_key(std::string_view after_escape) {
  // xterm's F1 to F4, the Linux console's F1 to F5, and the VT220 numbers
  // (16 is skipped there) for F1 to F8.
  static constexpr std::string_view kSequences[][3] = {
      {"OP", "[[A", "[11~"}, {"OQ", "[[B", "[12~"}, {"OR", "[[C", "[13~"}, {"OS", "[[D", "[14~"},
      {"", "[[E", "[15~"},   {"", "", "[17~"},      {"", "", "[18~"},      {"", "", "[19~"},
  };
  for (int n = 1; n <= 8; ++n) {
    for (std::string_view sequence : kSequences[n - 1]) {
      if (!sequence.empty() && after_escape == sequence) return kFunctionKey + n;
    }
  }
  return kOtherKey;
}

bool console_code_has_second(int first) { return first == 0 || first == 0xe0; }

int console_key(int second) {
  if (second >= 59 && second <= 66) return kFunctionKey + second - 58;
  return kOtherKey;
}

}  // namespace dlt
