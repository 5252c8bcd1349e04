#include "report/format/table.h"

#include <cmath>
#include <utility>

#include "report/format/numbers.h"

namespace dlt {

Cell number_cell(double value) { return {fixed_text(value), true, true, value}; }
Cell blank_number() { return {std::string(), true}; }
Cell words_cell(std::string text) { return {std::move(text), false}; }
Cell words_cell(std::string text, std::string page_text) {
  return {std::move(text), false, false, 0, std::move(page_text)};
}
Column number_column(std::string title) { return {std::move(title), true, 0}; }
Column words_column(std::string title, std::size_t text_width) {
  return {std::move(title), false, text_width};
}

RowMaker rows_of(std::vector<std::vector<Cell>> rows) {
  return [rows = std::move(rows), next = std::size_t{0}](std::vector<Cell>& cells) mutable {
    if (next == rows.size()) return false;
    cells = rows[next++];
    return true;
  };
}

void widen(RowRange& range, double v, bool first, Widening which) {
  if (which == Widening::finite_values && !std::isfinite(v)) return;
  // A NaN in the range gives way to the first value that is no NaN; only
  // every_value lets one in.
  if (first || (std::isnan(range.hi) && !std::isnan(v)) || v > range.hi) range.hi = v;
  if (first || (std::isnan(range.lo) && !std::isnan(v)) || v < range.lo) range.lo = v;
}

RowMaker widest_of(const std::vector<RowRange>& ranges) {
  std::vector<std::vector<Cell>> rows(2);
  for (const RowRange& range : ranges) {
    rows[0].push_back(number_cell(range.lo));
    rows[1].push_back(number_cell(range.hi));
  }
  return rows_of(std::move(rows));
}

std::string titled(std::string title, const std::string& unit) {
  if (unit.empty()) return title;
  title.append(" [");
  title.append(unit);
  title.push_back(']');
  return title;
}

}  // namespace dlt
