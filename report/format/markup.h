// Text written into the page's markup: the user's title and units among the
// program's own words, escaped so that they stay text, and kept well-formed
// UTF-8 however they came in.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// Appends text with & < > " ' as character references, and every byte that
// is no part of well-formed UTF-8, or of a character XML does not allow (a
// control character, U+FFFE, U+FFFF), as U+FFFD.
void append_escaped(std::string& out, std::string_view text);

}  // namespace dlt
