#include "report/format/csv.h"

#include <charconv>
#include <cstddef>

namespace dlt {

void append_csv_number(std::string& text, double value) {
  char digits[32];
  std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, static_cast<std::size_t>(end.ptr - digits));
}

void append_csv_header(std::string& text, const std::vector<Column>& columns) {
  bool first = true;
  for (const Column& column : columns) {
    if (!first) text.push_back(',');
    text.append(column.title);
    first = false;
  }
  text.append("\r\n");
}

}  // namespace dlt
