// The tables of a complete beam's reports, in the cells and columns of
// format/table.h, for every writer: the sections before the value table
// (the beam as entered, the field and support moments, the support
// reactions, the balances of forces and moments, the extremes) with rows
// made one at a time, and the value table, whose rows come from a walk. No
// table is ever held whole, however long the beam. The wording of the
// reports lives here; the text and HTML writers only lay it out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/beam/shaft_stress.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/format/labels.h"
#include "report/format/numbers.h"
#include "report/format/table.h"
#include "report/format/units.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"

namespace dlt {

// The first line of the text report and the title of the page.
inline constexpr char kReportTitle[] = "Durchlauftraeger - Bericht";

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

// What an element is, in the report's words: "Gelenk (S1=3, W1= 0.000000)",
// its numbers in the form given.
std::string element_text(const Element& element, const UnitNames& units,
                         NumberForm form = NumberForm::printed);

// "Streckenlast (q= 10.000000, qs= 0.000000)", the load on a segment.
std::string load_text(const Element& segment, const UnitNames& units, NumberForm form = NumberForm::printed);

// The cells of element_text and load_text: as key g prints, and for the page.
Cell element_cell(const Element& element, const UnitNames& units);
Cell load_cell(const Element& segment, const UnitNames& units);

// What the span tables say the sag f is.
inline constexpr char kSagWords[] =
    "Durchbiegung gegen die Sehne durch die Lager, am Kragarm gegen die Tangente am Lager";

// The ratio of a span's length to its sag, "l/7740", right-aligned as a
// number is.
Cell ratio_cell(double length, double f);

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

// A condition by the quantity it prescribes: "Lager", "Gelenk",
// "Neigungsbedingung" or "Querkraftbedingung".
std::string_view condition_kind(Quantity S1);

}  // namespace dlt
