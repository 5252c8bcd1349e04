// The TOML reader's faults in German: what it found, in the words the
// reader of a beam file expects, where its English words are the usual ones.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// What the TOML reader found, in German where its words are among the
// usual ones: "Error while parsing key-value pair: expected value, saw
// '\n'" becomes "Syntaxfehler: Wert erwartet, gefunden '\n'". Details it
// gives in other words stay as it gives them.
std::string syntax_text(std::string_view description);

}  // namespace dlt
