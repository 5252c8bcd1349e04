// Whether two names given on the command line name one file: a file that
// exists by what it is (links followed, hard links too), a file that does
// not exist yet by its directory and its name.
#pragma once

#include <string>

namespace dlt {

// Whether writing to a and to b would write one file. Links are followed
// from each name to the file they finally name, a dangling link to where it
// points. An existing file that is no regular file (a directory, a device)
// never takes a file of the program's, so it counts as no one's: writing
// it is refused, whatever the other name.
bool same_file(const std::string& a, const std::string& b);

}  // namespace dlt
