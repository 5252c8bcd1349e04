// A report's tables as data, knowing nothing of what they hold: cells of
// numbers or words, columns, and a table whose rows are made one at a time,
// so that no table is ever held whole. The ranges of a column's values,
// which size it, live here too. The text, page and CSV writers lay out
// what these hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dlt {

// A number, right-aligned in its column, or words. The page writes a
// number cell's value for reading, and words with numbers in them in their
// page_text where one is given.
struct Cell {
  std::string text;
  bool is_number = false;
  bool has_value = false;
  double value = 0;
  std::string page_text{};
};

struct Column {
  std::string title;
  bool is_number = false;
  // The width a column of words is padded to in the text report; 0 for
  // the last column, which is not padded.
  std::size_t text_width = 0;
};

using RowMaker = std::function<bool(std::vector<Cell>&)>;

struct Table {
  std::string heading;
  std::vector<Column> columns{};
  // Makes the next row into cells; false once there is none. Each row is
  // made once, in order.
  RowMaker next_row{};
  // The balances' headers name only their columns of values; the text
  // report leaves them out.
  bool header_in_text = true;
  // What stands in the table where it has no rows.
  std::string none{};
  // How many rows it has, where that is known without making them (the
  // value table's); 0 where it is not.
  std::uint64_t known_rows = 0;
  // Rows as wide as the widest of the table, where making every row twice
  // would cost a walk: the text report sizes its columns by them. Where
  // empty, it makes the rows once more to measure them.
  RowMaker widest_rows{};
};

// A number as key g prints it, right-aligned; a blank in a column of
// numbers; words.
Cell number_cell(double value);
Cell blank_number();
Cell words_cell(std::string text);
Cell words_cell(std::string text, std::string page_text);

// A column of numbers, and one of words padded in the text report to
// text_width (0 for none).
Column number_column(std::string title);
Column words_column(std::string title, std::size_t text_width);

// The rows of a short table, made in advance.
RowMaker rows_of(std::vector<std::vector<Cell>> rows);

// The smallest and largest of the values in a table's rows: how wide its
// columns must be.
struct RowRange {
  double lo = 0;
  double hi = 0;
};

// Which values widen a range. every_value: the first value starts it,
// whatever it is, infinities count, and a NaN stands until the first value
// that is not one. finite_values: values that are no finite number are
// left out, and the range starts where first is given, or else from
// where it stands.
enum class Widening { every_value, finite_values };

// Takes v into range; first where it is the first value of the range.
void widen(RowRange& range, double v, bool first, Widening which);

// The cells of the numbers lo and hi in every column: as wide as any row.
RowMaker widest_of(const std::vector<RowRange>& ranges);

// A column's title with its unit in brackets: "M [kN*m]"; the title alone
// where there is no unit.
std::string titled(std::string title, const std::string& unit);

}  // namespace dlt
