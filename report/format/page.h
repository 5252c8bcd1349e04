// What every report page is made of, whatever it reports: one
// self-contained XHTML file with its head and style sheet, tables cut
// after their first 2000 rows, drawings in blocks of their own, and the
// foot with the program's name and version. No scripts and nothing outside
// the file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/format/output.h"
#include "report/format/table.h"

namespace dlt {

// The page up to its first drawing: the heading and the user's title, if
// any, with the page's style.
std::string page_head(const char* heading, const std::string& title);

// A table's cell in the page's markup, a th or td: a number written for
// reading, words in German spelling; and a row of them.
void append_page_cell(std::string& out, std::string_view tag, const Cell& cell);
void append_page_row(std::string& out, const std::vector<Cell>& cells, std::string_view tag);

// A table with its heading, cut after its first 2000 rows with a word on
// where the rest are; stops early where a write fails.
void write_page_table(ReportOutput& out, const Table& table);

// A drawing in a block of its own, kept whole on a printed page.
void append_figure(std::string& out, const std::string& svg);

// The foot with the program's name and version, and the page's end.
void append_page_foot(std::string& out);

}  // namespace dlt
