// How the CSV tables (RFC 4180) write what they hold: numbers in the
// shortest form that reads back as the same double, and a header of
// columns' titles, lines ended by CR LF.
#pragma once

#include <string>
#include <vector>

#include "report/format/table.h"

namespace dlt {

// A number in the shortest form that reads back as the same double; "inf",
// "-inf", "nan" and "-nan" as key g prints them.
void append_csv_number(std::string& text, double value);

// The header: the columns' titles, comma-separated, ended by CR LF.
void append_csv_header(std::string& text, const std::vector<Column>& columns);

}  // namespace dlt
