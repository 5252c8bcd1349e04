#include "report/beam_file/toml_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace dlt {

void append_toml_number(std::string& text, double value) {
  char digits[32];
  std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  std::string_view written(digits, static_cast<std::size_t>(end.ptr - digits));
  text.append(written);
  // Digits alone are an integer to TOML: a 64-bit one, without a sign of
  // zero.
  bool integer = written.find_first_of(".e") == std::string_view::npos;
  bool past_64_bits = std::isfinite(value) && std::fabs(value) >= 0x1p63;
  if (integer && ((value == 0 && std::signbit(value)) || past_64_bits)) text.append(".0");
}

std::string toml_number(double value) {
  std::string text;
  append_toml_number(text, value);
  return text;
}

namespace {

// A UTF-8 sequence's lead byte: how many bytes follow it, the bits it
// carries, and the least code point its length may hold. Zero bytes follow
// a lead that cannot start a sequence.
struct Lead {
  std::size_t follow = 0;
  char32_t code = 0;
  char32_t least = 0;
};

Lead lead_of(unsigned char byte) {
  if (byte >= 0xC2 && byte < 0xE0) return {1, byte & 0x1FU, 0x80};
  if (byte >= 0xE0 && byte < 0xF0) return {2, byte & 0x0FU, 0x800};
  if (byte >= 0xF0 && byte < 0xF5) return {3, byte & 0x07U, 0x10000};
  return {};
}

}  // namespace

bool is_utf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      ++i;
      continue;
    }
    Lead lead = lead_of(byte);
    if (lead.follow == 0 || text.size() - i <= lead.follow) return false;
    char32_t code = lead.code;
    for (std::size_t k = 1; k <= lead.follow; ++k) {
      auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0U) != 0x80) return false;
      code = (code << 6U) | (next & 0x3FU);
    }
    // No overlong form, no surrogate, nothing past U+10FFFF.
    if (code < lead.least || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return false;
    i += lead.follow + 1;
  }
  return true;
}

void append_toml_string(std::string& text, std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  text.push_back('"');
  for (char c : value) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text.push_back('\\');
      text.push_back(c);
    } else if (byte < 0x20 || byte == 0x7F) {
      text.append("\\u00");
      text.push_back(kHex[byte >> 4]);
      text.push_back(kHex[byte & 15]);
    } else {
      text.push_back(c);
    }
  }
  text.push_back('"');
}

}  // namespace dlt
