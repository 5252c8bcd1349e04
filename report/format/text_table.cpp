#include "report/format/text_table.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace dlt {

namespace {

// A column of numbers is at least this wide, and as wide as its widest
// number or title with a blank before it; a column of words starts with two
// blanks and is padded to its width, or to its longest text.
constexpr std::size_t kNumberWidth = 12;
constexpr std::string_view kWordsLead = "  ";

void append_padding(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
}

void append_cell(std::string& out, const Column& column, std::size_t width, std::string_view text) {
  if (column.is_number) {
    out.push_back(' ');
    append_padding(out, text, width - 1);
    out.append(text);
  } else {
    out.append(kWordsLead);
    out.append(text);
    append_padding(out, text, width);
  }
}

using Widths = std::vector<std::size_t>;

void append_row(std::string& out, const std::vector<Column>& columns, const Widths& widths,
                const std::vector<Cell>& cells) {
  for (std::size_t i = 0; i < columns.size() && i < cells.size(); ++i)
    append_cell(out, columns[i], widths[i], cells[i].text);
  // Empty cells at the end of a row leave no blanks behind.
  while (!out.empty() && out.back() == ' ') out.pop_back();
  out.push_back('\n');
}

// The width of each column: from the rows that stand for the widest, or
// else from every row, made once more from a copy of the table's maker.
Widths column_widths(const Table& table) {
  Widths widths;
  for (const Column& column : table.columns) {
    std::size_t width = column.is_number ? kNumberWidth : column.text_width;
    if (column.is_number && table.header_in_text) width = std::max(width, column.title.size() + 1);
    widths.push_back(width);
  }
  RowMaker rows = table.widest_rows ? table.widest_rows : table.next_row;
  std::vector<Cell> cells;
  while (rows(cells)) {
    for (std::size_t i = 0; i < widths.size() && i < cells.size(); ++i) {
      const Column& column = table.columns[i];
      if (column.is_number)
        widths[i] = std::max(widths[i], cells[i].text.size() + 1);
      else if (column.text_width > 0)
        widths[i] = std::max(widths[i], cells[i].text.size());
    }
  }
  return widths;
}

void append_table_start(std::string& out, const Table& table, const Widths& widths) {
  out.append(table.heading);
  out.push_back('\n');
  if (!table.header_in_text) return;
  for (std::size_t i = 0; i < table.columns.size(); ++i)
    append_cell(out, table.columns[i], widths[i], table.columns[i].title);
  out.push_back('\n');
}

}  // namespace

void write_text_table(ReportOutput& out, const Table& table) {
  Widths widths = column_widths(table);
  append_table_start(out.text, table, widths);
  std::vector<Cell> cells;
  bool any = false;
  while (out.error == 0 && table.next_row(cells)) {
    append_row(out.text, table.columns, widths, cells);
    write_piece(out);
    any = true;
  }
  if (!any && !table.none.empty()) {
    out.text.append(kWordsLead);
    out.text.append(table.none);
    out.text.push_back('\n');
  }
}

void write_text_heading(ReportOutput& out, const char* heading, const std::string& title) {
  out.text.append(heading);
  out.text.push_back('\n');
  if (!title.empty()) {
    out.text.append(title);
    out.text.push_back('\n');
  }
  out.text.push_back('\n');
}

void write_text_document(ReportOutput& out, const char* heading, const std::string& title,
                         const std::vector<Table>& tables, const Table& last) {
  write_text_heading(out, heading, title);
  for (const Table& table : tables) {
    write_text_table(out, table);
    out.text.push_back('\n');
  }
  write_text_table(out, last);
}

}  // namespace dlt
