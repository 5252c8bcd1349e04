// The program's name and version, in one place: --version prints them and
// the foot of every page gives them.
#pragma once

namespace dlt {

extern const char kProgramName[];
extern const char kProgramVersion[];

}  // namespace dlt
