// The table of w, p, M and Q as CSV (RFC 4180): a header x,w,p,M,Q and one
// record per table row, lines ended by CR LF, numbers in the shortest form
// that reads back as the same double.
#pragma once

#include <string>

#include "report/replay.h"

namespace dlt {

std::string csv_report(const BeamCourse& course);

}  // namespace dlt
