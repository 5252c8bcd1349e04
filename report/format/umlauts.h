// The program's German words as the page writes them: with ä, ö, ü and ß
// where the dialogue, the text report and the CSV write "ae", "oe", "ue"
// and "ss". Only the program's own words are listed, so that a unit or any
// other word passes unchanged.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// text with every listed word stem in its German spelling: "Traegerende"
// becomes "Trägerende", "Stuetzmoment" "Stützmoment".
std::string with_umlauts(std::string_view text);

}  // namespace dlt
