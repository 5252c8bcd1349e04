#include "console/shown_name.h"

#include <cstddef>

namespace dlt {

std::string shown_name(std::string_view path) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown;
  for (std::size_t i = 0; i < path.size(); ++i) {
    auto c = static_cast<unsigned char>(path[i]);
    bool c1 = c == 0xC2 && i + 1 < path.size() && static_cast<unsigned char>(path[i + 1]) < 0xA0 &&
              static_cast<unsigned char>(path[i + 1]) >= 0x80;
    if (c >= 0x20 && c != 0x7F && !c1) {
      shown.push_back(static_cast<char>(c));
    } else if (c == '\n') {
      shown.append("\\n");
    } else if (c == '\t') {
      shown.append("\\t");
    } else if (c == '\r') {
      shown.append("\\r");
    } else {
      for (std::size_t k = i; k <= (c1 ? i + 1 : i); ++k) {
        auto byte = static_cast<unsigned char>(path[k]);
        shown.append("\\x");
        shown.push_back(kHex[byte >> 4]);
        shown.push_back(kHex[byte & 15]);
      }
      if (c1) ++i;
    }
  }
  return shown;
}

}  // namespace dlt
