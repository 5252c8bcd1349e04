// The reports' tables as data, for every writer: the sections before the
// value table (the beam as entered, the field and support moments, the
// support reactions, the balances of forces and moments, the extremes) with
// rows of cells made one at a time, and the value table, whose rows come
// from a walk. No table is ever held whole, however long the beam. The
// wording of the reports lives here; the text and HTML writers only lay it
// out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/beam/shaft_stress.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/format/labels.h"
#include "report/format/units.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"

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

// Everything in the summary's tables but the value table, in the order the
// reports show them, with units in the form given. Their rows refer to
// record, summary, statics and units, which must outlive them.
std::vector<Table> summary_tables(const BeamRecord& record, const BeamSummary& summary,
                                  const Statics& statics, const UnitNames& units);

// The value table: x, w, p, M, Q, and sigma where the beam has a shaft
// segment. Its rows come from a walk of pass, with the joint's row twice at
// a change of diameter; they refer to pass, summary and units.
Table value_table(const CompletePass& pass, const BeamSummary& summary, const UnitNames& units);

// The value table's columns alone, without units: the CSV's header.
std::vector<Column> value_columns();

// A row of the value table: a row of the walk and sigma where its section
// is a shaft's.
struct ValueRow {
  TableRow row;
  bool has_stress = false;
  double stress = 0;
};

// The rows of the value table one at a time.
struct ValueRows {
  Walk walk;
  SectionCourse sections;
  TableRow last;
  bool holds_row = false;  // a row waits behind the joint's repeated row
  TableRow held;
};

ValueRows start_value_rows(const CompletePass& pass);
bool next_value_row(ValueRows& rows, ValueRow& row);

// What an element is, in the report's words: "Gelenk (S1=3, W1= 0.000000)".
std::string element_text(const Element& element, const UnitNames& units);

// "Streckenlast (q= 10.000000, qs= 0.000000)", the load on a segment.
std::string load_text(const Element& segment, const UnitNames& units);

// Whose reaction it is and what kind: "linkes Traegerende, Kraft".
std::string reaction_text(const BeamRecord& record, const Reaction& reaction);

// The unit of a reaction's value.
const std::string& reaction_unit(const Reaction& reaction, const UnitNames& units);

// The beam as entered: a row per element with its x, and one more under a
// loaded segment for its load. Its rows refer to record, summary and units.
Table beam_table(const BeamRecord& record, const BeamSummary& summary, const UnitNames& units);

// The short name of a support or other element a reaction belongs to:
// "Lager", "rechtes Traegerende".
std::string_view support_name(const Element& e);

// A number as key g prints it, right-aligned; a blank in a column of
// numbers; words.
Cell number_cell(double value);
Cell blank_number();
Cell words_cell(std::string text);

// A column of numbers, and one of words padded in the text report to
// text_width (0 for none).
Column number_column(std::string title);
Column words_column(std::string title, std::size_t text_width);

// The rows of a short table, made in advance.
RowMaker rows_of(std::vector<std::vector<Cell>> rows);

// The cells of the numbers lo and hi in every column: as wide as any row.
RowMaker widest_of(const std::vector<RowRange>& ranges);

// A column's title with its unit in brackets: "M [kN*m]"; the title alone
// where there is no unit.
std::string titled(std::string title, const std::string& unit);

}  // namespace dlt
