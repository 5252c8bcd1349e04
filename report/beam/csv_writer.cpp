#include "report/beam/csv_writer.h"

#include <utility>

#include "report/beam/tables.h"
#include "report/format/csv.h"

namespace dlt {

namespace {

void append_csv_values(std::string& text, const TableRow& row) {
  append_csv_number(text, row.x);
  for (Quantity q : kQuantities) {
    text.push_back(',');
    append_csv_number(text, value_of(row.at, q));
  }
}

}  // namespace

void append_csv_row(std::string& text, const TableRow& row) {
  append_csv_values(text, row);
  text.append("\r\n");
}

namespace {

// A beam with shaft segments has sigma after Q, blank where the section is
// a beam segment's, and the joint's row twice where the diameter changes,
// as in the value table.
void write_rows_with_stress(ReportOutput& out, const CompletePass& pass) {
  std::vector<Column> columns = value_columns();
  columns.push_back(number_column("sigma"));
  append_csv_header(out.text, columns);
  ValueRows rows = start_value_rows(pass);
  rows.walk.precise = true;
  ValueRow row;
  while (out.error == 0 && next_value_row(rows, row)) {
    append_csv_values(out.text, row.row);
    out.text.push_back(',');
    if (row.has_stress) append_csv_number(out.text, row.stress);
    out.text.append("\r\n");
    write_piece(out);
  }
}

}  // namespace

void write_csv_report(ReportOutput& out, const CompletePass& pass) {
  if (has_shaft(pass.record.elements)) {
    write_rows_with_stress(out, pass);
    return;
  }
  append_csv_header(out.text, value_columns());
  Walk walk = start_walk(pass, false);
  walk.precise = true;
  TableRow row;
  while (out.error == 0 && next_row(walk, row)) {
    append_csv_row(out.text, row);
    write_piece(out);
  }
}

std::string csv_report(const CompletePass& pass) {
  ReportOutput out;
  write_csv_report(out, pass);
  return std::move(out.text);
}

}  // namespace dlt
