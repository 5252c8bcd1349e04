// Tables laid out as plain ASCII text in columns, each as wide as its
// widest cell, and the text report's skeleton: its heading, the tables each
// followed by a blank line, and the long table last. What the tables hold
// is the writers' business.
#pragma once

#include <string>
#include <vector>

#include "report/format/output.h"
#include "report/format/table.h"

namespace dlt {

// The report's first line, the user's title under it where there is one,
// and a blank line.
void write_text_heading(ReportOutput& out, const char* heading, const std::string& title);

// A table: its heading, the titles of its columns and its rows, each column
// as wide as its widest cell; stops early where a write fails.
void write_text_table(ReportOutput& out, const Table& table);

// A whole text report: the heading and title, every one of tables with a
// blank line after it, and last, a row at a time; stops early where a
// write fails.
void write_text_document(ReportOutput& out, const char* heading, const std::string& title,
                         const std::vector<Table>& tables, const Table& last);

}  // namespace dlt
