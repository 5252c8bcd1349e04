#include "report/format/markup.h"

#include <cstddef>

namespace dlt {

namespace {

constexpr std::string_view kReplacement = "\xef\xbf\xbd";

// The length of the well-formed UTF-8 sequence starting at text[i], or 0.
std::size_t sequence_length(std::string_view text, std::size_t i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() - i < length) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  // C1 controls, U+0080 to U+009F, are discouraged in XML and command
  // terminals: they go too.
  if (lead == 0xC2 && byte(i + 1) < 0xA0) return 0;
  // U+FFFE and U+FFFF are no XML characters (the other noncharacters are).
  if (lead == 0xEF && byte(i + 1) == 0xBF && byte(i + 2) >= 0xBE) return 0;
  return length;
}

}  // namespace

void append_escaped(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    char c = text[i];
    auto u = static_cast<unsigned char>(c);
    if (u >= 0x80) {
      std::size_t length = sequence_length(text, i);
      if (length == 0) {
        out.append(kReplacement);
        ++i;
      } else {
        out.append(text.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (c) {
      case '&':
        out.append("&amp;");
        break;
      case '<':
        out.append("&lt;");
        break;
      case '>':
        out.append("&gt;");
        break;
      case '"':
        out.append("&quot;");
        break;
      case '\'':
        out.append("&#39;");
        break;
      default:
        if (u < 0x20 || u == 0x7F)
          out.append(kReplacement);
        else
          out.push_back(c);
    }
    ++i;
  }
}

}  // namespace dlt
