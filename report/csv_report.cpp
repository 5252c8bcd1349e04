#include "report/csv_report.h"

#include <charconv>
#include <cstddef>

namespace dlt {

// Shortest round-trip form; "inf", "-inf", "nan" and "-nan" as key g prints
// them.
static void append_shortest(std::string& text, double value) {
  char digits[32];
  std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, static_cast<std::size_t>(end.ptr - digits));
}

std::string csv_report(const BeamCourse& course) {
  std::string text = "x,w,p,M,Q\r\n";
  for (const TableRow& row : course.rows) {
    append_shortest(text, row.x);
    for (int q = 0; q < kQuantityCount; ++q) {
      text.push_back(',');
      append_shortest(text, quantity(row.at, q));
    }
    text.append("\r\n");
  }
  return text;
}

}  // namespace dlt
