// The value table as CSV (RFC 4180): a header x,w,p,M,Q and one record per
// table row, lines ended by CR LF, numbers in the shortest form that reads
// back as the same double.
#pragma once

#include <string>

#include "report/replay.h"

namespace dlt {

std::string csv_report(const CompletePass& pass);

// One record: the row's numbers, comma-separated, ended by CR LF.
void append_csv_row(std::string& text, const TableRow& row);

}  // namespace dlt
