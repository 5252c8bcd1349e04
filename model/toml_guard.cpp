#include "model/toml_guard.h"

namespace dlt {

namespace {

enum class Lexing { outside, comment, basic, literal, multi_line_basic, multi_line_literal };

bool is_ascii(unsigned char byte) { return byte < 0x80; }

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Whether a valid UTF-8 sequence starts at offset i. The reader stops at
// the first that is not, before it looks at what the bytes would mean.
bool is_utf8_at(std::string_view text, std::size_t i) {
  auto byte = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0U; };
  unsigned lead = byte(i);
  std::size_t length = lead >= 0xF0 && lead <= 0xF4  ? 4
                       : lead >= 0xE0                ? 3
                       : lead >= 0xC2 && lead < 0xE0 ? 2
                                                     : 0;
  if (length == 0 || lead > 0xF4) return false;
  for (std::size_t k = 1; k < length; ++k)
    if (!is_continuation(static_cast<unsigned char>(byte(i + k)))) return false;
  unsigned second = byte(i + 1);
  // No overlong forms, surrogates or code points past U+10FFFF.
  return !((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
           (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90));
}

// How many of the same quote stand at offset i.
std::size_t quotes_at(std::string_view text, std::size_t i) {
  std::size_t n = 0;
  while (i + n < text.size() && text[i + n] == text[i]) ++n;
  return n;
}

// Where offset stands, as the reader counts lines and columns.
UnreadableCharacter place_of(std::string_view text, std::size_t start, std::size_t offset) {
  UnreadableCharacter character;
  character.found = true;
  character.offset = offset;
  std::size_t line_start = start;
  for (std::size_t i = start; i < offset; ++i) {
    if (text[i] == '\n') {
      ++character.line;
      line_start = i + 1;
    }
  }
  for (std::size_t i = line_start; i < offset; ++i)
    if (!is_continuation(static_cast<unsigned char>(text[i]))) ++character.column;
  return character;
}

// The character at offset, where it is one; where the bytes there are no
// UTF-8 the reader finds that first, and nothing is found.
UnreadableCharacter found_at(std::string_view text, std::size_t start, std::size_t offset) {
  if (!is_utf8_at(text, offset)) return {};
  UnreadableCharacter character = place_of(text, start, offset);
  std::size_t end = offset + 1;
  while (end < text.size() && end < offset + 4 && is_continuation(static_cast<unsigned char>(text[end])))
    ++end;
  character.bytes = text.substr(offset, end - offset);
  return character;
}

}  // namespace

UnreadableCharacter find_invalid_utf8(std::string_view text) {
  std::size_t start = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (is_ascii(byte)) continue;
    if (!is_utf8_at(text, i)) {
      UnreadableCharacter invalid = place_of(text, start, i);
      invalid.bytes = text.substr(i, 1);
      return invalid;
    }
    while (i + 1 < text.size() && is_continuation(static_cast<unsigned char>(text[i + 1]))) ++i;
  }
  return {};
}

UnreadableCharacter find_unreadable_character(std::string_view text) {
  // A byte order mark at the start is the reader's to skip.
  std::size_t start = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  Lexing lexing = Lexing::outside;
  std::size_t i = start;
  while (i < text.size()) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    switch (lexing) {
      case Lexing::outside:
        if (!is_ascii(byte)) return found_at(text, start, i);
        if (byte == '#') {
          lexing = Lexing::comment;
        } else if (byte == '"' || byte == '\'') {
          bool multi_line = quotes_at(text, i) >= 3;
          if (byte == '"')
            lexing = multi_line ? Lexing::multi_line_basic : Lexing::basic;
          else
            lexing = multi_line ? Lexing::multi_line_literal : Lexing::literal;
          i += multi_line ? 3 : 1;
          continue;
        }
        ++i;
        continue;
      case Lexing::comment:
        if (byte == '\n') lexing = Lexing::outside;
        ++i;
        continue;
      case Lexing::basic:
      case Lexing::literal: {
        // A line break ends either: the reader has failed there.
        char closing = lexing == Lexing::basic ? '"' : '\'';
        if (byte == '\n' || byte == static_cast<unsigned char>(closing)) lexing = Lexing::outside;
        i += lexing == Lexing::basic && byte == '\\' ? 2 : 1;
        continue;
      }
      case Lexing::multi_line_basic:
        if (byte == '\\') {
          std::size_t next = i + 1;
          if (next < text.size() && !is_ascii(static_cast<unsigned char>(text[next])))
            return found_at(text, start, next);
          // A line-ending backslash: the white space after it is skipped,
          // and what ends the skipping must be ASCII.
          while (next < text.size() &&
                 (text[next] == ' ' || text[next] == '\t' || text[next] == '\r' || text[next] == '\n'))
            ++next;
          if (next == i + 1)
            next = i + 2;  // an escape: its character is ASCII
          else if (next < text.size() && !is_ascii(static_cast<unsigned char>(text[next])))
            return found_at(text, start, next);
          i = next;
          continue;
        }
        [[fallthrough]];
      case Lexing::multi_line_literal: {
        char closing = lexing == Lexing::multi_line_basic ? '"' : '\'';
        if (byte == static_cast<unsigned char>(closing)) {
          // Up to two quotes before the closing three belong to the string.
          std::size_t n = quotes_at(text, i);
          if (n >= 3) lexing = Lexing::outside;
          i += n > 5 ? 5 : n;
          continue;
        }
        ++i;
        continue;
      }
    }
  }
  return {};
}

}  // namespace dlt
