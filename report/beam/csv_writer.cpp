#include "report/beam/csv_writer.h"

#include <utility>

#include "report/beam/tables.h"
#include "report/format/csv.h"

namespace dlt {

void append_csv_row(std::string& text, const TableRow& row) {
  append_csv_number(text, row.x);
  for (Quantity q : kQuantities) {
    text.push_back(',');
    append_csv_number(text, value_of(row.at, q));
  }
  text.append("\r\n");
}

void write_csv_report(ReportOutput& out, const CompletePass& pass) {
  append_csv_header(out.text, value_columns());
  Walk walk = start_walk(pass, false);
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
