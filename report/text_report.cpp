#include "report/text_report.h"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "report/tables.h"

namespace dlt {

namespace {

// Every column of numbers is this wide, with at least one blank before a
// number however long it is; a column of words starts with two blanks.
constexpr std::size_t kNumberWidth = 12;
constexpr std::string_view kWordsLead = "  ";

void append_padding(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
}

void append_cell(std::string& out, const Column& column, std::string_view text) {
  if (column.is_number) {
    out.push_back(' ');
    append_padding(out, text, kNumberWidth - 1);
    out.append(text);
  } else {
    out.append(kWordsLead);
    out.append(text);
    append_padding(out, text, column.text_width);
  }
}

void append_row(std::string& out, const std::vector<Column>& columns, const std::vector<Cell>& cells) {
  for (std::size_t i = 0; i < columns.size() && i < cells.size(); ++i)
    append_cell(out, columns[i], cells[i].text);
  out.push_back('\n');
}

void append_table_start(std::string& out, const Table& table) {
  out.append(table.heading);
  out.push_back('\n');
  if (!table.header_in_text) return;
  for (const Column& column : table.columns) append_cell(out, column, column.title);
  out.push_back('\n');
}

void write_table(ReportOutput& out, const Table& table) {
  append_table_start(out.text, table);
  std::vector<Cell> cells;
  bool any = false;
  while (out.error == 0 && table.next_row(cells)) {
    append_row(out.text, table.columns, cells);
    write_piece(out);
    any = true;
  }
  if (!any && !table.none.empty()) {
    out.text.append(kWordsLead);
    out.text.append(table.none);
    out.text.push_back('\n');
  }
}

}  // namespace

void write_text_report(ReportOutput& out, const CompletePass& pass, const BeamSummary& summary,
                       const Statics& statics) {
  out.text.append(kReportTitle);
  out.text.append("\n\n");
  for (const Table& table : summary_tables(pass.record, summary, statics)) {
    write_table(out, table);
    out.text.push_back('\n');
  }
  Table values = value_table(pass.pieces);
  append_table_start(out.text, values);
  Walk walk = start_walk(pass, false);
  TableRow row;
  std::vector<Cell> cells;
  while (out.error == 0 && next_row(walk, row)) {
    value_cells(row, cells);
    append_row(out.text, values.columns, cells);
    write_piece(out);
  }
}

std::string text_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics) {
  ReportOutput out;
  write_text_report(out, pass, summary, statics);
  return std::move(out.text);
}

}  // namespace dlt
