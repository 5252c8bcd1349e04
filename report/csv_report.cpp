#include "report/csv_report.h"

#include <charconv>
#include <cstddef>

#include "report/tables.h"

namespace dlt {

// Shortest round-trip form; "inf", "-inf", "nan" and "-nan" as key g prints
// them.
static void append_shortest(std::string& text, double value) {
  char digits[32];
  std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, static_cast<std::size_t>(end.ptr - digits));
}

void append_csv_row(std::string& text, const TableRow& row) {
  append_shortest(text, row.x);
  for (Quantity q : kQuantities) {
    text.push_back(',');
    append_shortest(text, value_of(row.at, q));
  }
  text.append("\r\n");
}

std::string csv_report(const CompletePass& pass) {
  std::string text;
  for (const Column& column : value_table(pass.pieces).columns) {
    if (!text.empty()) text.push_back(',');
    text.append(column.title);
  }
  text.append("\r\n");
  Walk walk = start_walk(pass, false);
  TableRow row;
  while (next_row(walk, row)) append_csv_row(text, row);
  return text;
}

}  // namespace dlt
