// A name the program shows the user, a file's or an option's: control
// characters escaped, so that it can neither break the line nor command the
// terminal it is printed on.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// A file name as the notices print it: control characters escaped ("\n",
// "\x1b"), and the C1 controls as UTF-8 writes them.
std::string shown_name(std::string_view path);

}  // namespace dlt
