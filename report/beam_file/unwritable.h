// Why a beam cannot be written as a beam file, in the words of the notice
// "Traegerdatei nicht geschrieben: FILE: als Traegerdatei nicht
// darstellbar: ...": what stands in the way and where, every number in the
// shortest form, as the file would have it.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// "als Traegerdatei nicht darstellbar: " and what.
std::string unwritable(std::string_view what);

// The same with where it stands: "... bei x = 3".
std::string unwritable_at(std::string_view what, double x);

// What with one of its values, by its key in the file: "Feder mit c=0".
std::string with_value(std::string_view what, std::string_view key, double value);

}  // namespace dlt
