#include "report/format/version.h"

namespace dlt {

// The build sets the version from the project's; a build without it says so.
#ifndef DLT_VERSION
#define DLT_VERSION "unbekannt"
#endif

const char kProgramName[] = "durchlauftraeger";
const char kProgramVersion[] = DLT_VERSION;

}  // namespace dlt
