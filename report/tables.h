// The reports' tables as data, for every writer: the sections before the
// value table (the beam as entered, the support reactions, the balance of
// forces, the extremes) with rows of cells made one at a time, and the value
// table's heading and columns, whose rows a writer makes from a walk. No
// table is ever held whole, however long the beam. The wording of the
// reports lives here; the text and HTML writers only lay it out.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "report/beam_record.h"
#include "report/beam_summary.h"
#include "report/replay.h"
#include "report/statics.h"

namespace dlt {

// The first line of the text report and the title of the page.
inline constexpr char kReportTitle[] = "Durchlauftraeger - Bericht";

// A number, right-aligned in its column, or words.
struct Cell {
  std::string text;
  bool is_number = false;
};

struct Column {
  std::string title;
  bool is_number = false;
  // The width a column of words is padded to in the text report; 0 for
  // the last column, which is not padded.
  std::size_t text_width = 0;
};

struct Table {
  std::string heading;
  std::vector<Column> columns{};
  // Makes the next row into cells; false once there is none. Each row is
  // made once, in order.
  std::function<bool(std::vector<Cell>&)> next_row{};
  // The balance's header names only its column of values; the text report
  // leaves it out.
  bool header_in_text = true;
  // What stands in the table where it has no rows.
  std::string none{};
};

// The beam as entered, the reactions, the balance and the extremes, in the
// order the reports show them. Their rows refer to record, summary and
// statics, which must outlive them.
std::vector<Table> summary_tables(const BeamRecord& record, const BeamSummary& summary,
                                  const Statics& statics);

// The value table with no rows: heading and columns x, w, p, M, Q.
Table value_table(int pieces);

// The cells of one row of the value table.
void value_cells(const TableRow& row, std::vector<Cell>& cells);

// What an element is, in the report's words: "Gelenk (S1=3, W1= 0.000000)".
std::string element_text(const Element& element);

// "Streckenlast (q= 10.000000, qs= 0.000000)", the load on a segment.
std::string load_text(const Element& segment);

// Whose reaction it is and what kind: "linkes Traegerende, Kraft".
std::string reaction_text(const BeamRecord& record, const Reaction& reaction);

}  // namespace dlt
