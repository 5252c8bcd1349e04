// The value table as CSV (RFC 4180): a header x,w,p,M,Q (and sigma where
// the beam has shaft segments) and one record per table row, lines ended by
// CR LF, numbers in the shortest form that reads back as the same double,
// as format/csv writes them.
#pragma once

#include <string>

#include "report/format/output.h"
#include "report/pass/replay.h"

namespace dlt {

// Writes the CSV table to out a row at a time; stops early where a write
// fails.
void write_csv_report(ReportOutput& out, const CompletePass& pass);

// The whole CSV table in one string.
std::string csv_report(const CompletePass& pass);

// One record: the row's numbers, comma-separated, ended by CR LF.
void append_csv_row(std::string& text, const TableRow& row);

}  // namespace dlt
