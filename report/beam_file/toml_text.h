// The values of a beam file as TOML writes them: numbers in the shortest
// form that reads back as the same double, and strings quoted.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// A number in the shortest form that reads back as the same double
// (std::to_chars): "4", "0.1", "2.1e+08". Where TOML would read the digits
// as an integer that is not the same double, ".0" follows them: "-0.0" and
// integers of 2^63 and more. Infinities and NaN as std::to_chars writes
// them ("inf", "nan"), for the notices: no beam file takes them.
void append_toml_number(std::string& text, double value);

// The same as a string of its own.
std::string toml_number(double value);

// Whether text is well-formed UTF-8, as every TOML file must be.
bool is_utf8(std::string_view text);

// text as a TOML basic string: quoted, with '"' and '\' escaped and any
// control character as \uXXXX. REQUIRES: is_utf8(text).
void append_toml_string(std::string& text, std::string_view value);

}  // namespace dlt
