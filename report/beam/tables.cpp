#include "report/beam/tables.h"

#include <algorithm>
#include <bit>
#include <string_view>
#include <utility>

#include "report/beam/sags.h"
#include "report/beam/spans.h"
#include "report/format/labels.h"
#include "report/format/numbers.h"

namespace dlt {

namespace {

// The width of the columns of names in the text report: the supports and
// the sums of the balance, and the names of the extremes.
constexpr std::size_t kNameWidth = 38;
constexpr std::size_t kExtremeNameWidth = 10;
constexpr std::size_t kSpanNameWidth = 22;

std::string code_text(std::string_view name, Quantity q) {
  std::string text(name);
  text.push_back('=');
  text.append(std::to_string(state_code(q)));
  return text;
}

bool codes_are(const Element& e, Quantity a, Quantity b) {
  return (e.S1 == a && e.S2 == b) || (e.S1 == b && e.S2 == a);
}

// The kinds of end the dialogue offers, by the pair of quantities they
// name: unknown at the left end, prescribed at the right end.
std::string_view left_end_kind(const Element& e) {
  if (codes_are(e, Quantity::p, Quantity::Q)) return "gelenkiges Lager";
  if (codes_are(e, Quantity::w, Quantity::p)) return "freies Ende";
  if (codes_are(e, Quantity::M, Quantity::Q)) return "Einspannung";
  return "";
}

std::string_view right_end_kind(const Element& e) {
  if (codes_are(e, Quantity::w, Quantity::M)) return "gelenkiges Lager";
  if (codes_are(e, Quantity::M, Quantity::Q)) return "freies Ende";
  if (codes_are(e, Quantity::w, Quantity::p)) return "Einspannung";
  return "";
}

std::string end_text(std::string_view which, std::string_view kind) {
  std::string text(which);
  if (!kind.empty()) {
    text.append(", ");
    text.append(kind);
  }
  return text;
}

// A point action by the quantity that jumps, and the name of its size.
std::string_view point_action_kind(Quantity S1) {
  switch (S1) {
    case Quantity::w:
      return "Einzellast Absenkung";
    case Quantity::p:
      return "Einzellast Winkel";
    case Quantity::M:
      return "Einzellast Moment";
    case Quantity::Q:
      return "Einzellast Kraft";
  }
  return "";
}

std::string_view point_action_value_name(Quantity S1) { return S1 == Quantity::Q ? "F" : quantity_name(S1); }

}  // namespace

std::string_view condition_kind(Quantity S1) {
  switch (S1) {
    case Quantity::w:
      return "Lager";
    case Quantity::p:
      return "Neigungsbedingung";
    case Quantity::M:
      return "Gelenk";
    case Quantity::Q:
      return "Querkraftbedingung";
  }
  return "";
}

std::string_view support_name(const Element& e) {
  switch (e.kind) {
    case ElementKind::left_end:
      return "linkes Traegerende";
    case ElementKind::spring:
      return "elastisches Lager";
    case ElementKind::condition:
      return condition_kind(e.S1);
    case ElementKind::right_end:
      return "rechtes Traegerende";
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
    case ElementKind::point_action:
      break;
  }
  return "";
}

// A row per element, and one more under a loaded segment for its load.
Table beam_table(const BeamRecord& record, const BeamSummary& summary, const UnitNames& units) {
  auto next_row = [&record, &summary, &units, k = std::size_t{0},
                   load_next = false](std::vector<Cell>& cells) mutable {
    if (k == record.elements.size()) return false;
    const Element& e = record.elements[k];
    if (load_next) {
      cells = {words_cell(""), load_cell(e, units)};
      load_next = false;
      ++k;
    } else {
      cells = {number_cell(summary.elements[k].x), element_cell(e, units)};
      load_next = is_segment(e) && e.loaded;
      if (!load_next) ++k;
    }
    return true;
  };
  return {
      .heading = "Traeger wie eingegeben",
      .columns = {number_column(titled("x", unit_of(units, Dimension::length))), words_column("Element", 0)},
      .next_row = next_row};
}

namespace {

std::string_view reaction_kind(ReactionKind kind) {
  switch (kind) {
    case ReactionKind::force:
      return ", Kraft";
    case ReactionKind::end_moment:
      return ", Einspannmoment M";
    case ReactionKind::moment_jump:
      return ", Moment";
  }
  return "";
}

// The force a support takes up, from the reactions in the order of their
// elements; the search goes on from where it stopped.
bool support_force(const Statics& statics, std::size_t element, std::size_t& from, double& force) {
  const std::vector<Reaction>& r = statics.reactions;
  while (from < r.size() && r[from].element < element) ++from;
  for (std::size_t i = from; i < r.size() && r[i].element == element; ++i) {
    if (r[i].kind == ReactionKind::force) {
      force = r[i].value;
      return true;
    }
  }
  return false;
}

// A support's row: its name, x, the moment M there and its force.
std::vector<Cell> support_cells(const Element& e, const ElementValues& at, bool has_force, double force) {
  std::vector<Cell> cells = {words_cell(std::string(support_name(e))), number_cell(at.x)};
  cells.insert(cells.end(), 10, blank_number());
  cells.push_back(number_cell(at.after.M));
  cells.push_back(has_force ? number_cell(force) : blank_number());
  return cells;
}

// A span's row: its name, where it starts and ends, and its extremes.
std::vector<Cell> span_cells(const Span& span, const BeamSummary& summary, int& fields) {
  std::string name = span.is_cantilever ? "Kragarm" : "Feld " + std::to_string(++fields);
  std::vector<Cell> cells = {words_cell(name), number_cell(summary.elements[span.start].x),
                             number_cell(summary.elements[span.end].x)};
  for (const Extreme& e : {span.largest_M, span.smallest_M, span.largest_w}) {
    cells.push_back(span.has_values ? number_cell(e.value) : blank_number());
    cells.push_back(span.has_values ? number_cell(e.x) : blank_number());
  }
  if (span.has_sag) {
    cells.push_back(number_cell(span.sag.value));
    cells.push_back(number_cell(span.sag.x));
    cells.push_back(
        ratio_cell(summary.elements[span.end].x - summary.elements[span.start].x, span.sag.value));
  } else {
    cells.insert(cells.end(), 3, blank_number());
  }
  cells.insert(cells.end(), 2, blank_number());
  return cells;
}

// Every support with its moment and force, and between them every span with
// its largest and smallest moment and largest deflection, left to right.
// Step 2i is the support span i starts at (step 2n the end of the last),
// step 2i + 1 the span; an end that is no support has no row.
Table span_table(const BeamRecord& record, const BeamSummary& summary, const Statics& statics,
                 const UnitNames& units) {
  auto next_row = [&record, &summary, &statics, step = std::size_t{0}, fields = 0,
                   reaction = std::size_t{0}](std::vector<Cell>& cells) mutable {
    const std::vector<Span>& spans = summary.spans;
    while (!spans.empty() && step <= 2 * spans.size()) {
      std::size_t i = step / 2;
      bool at_support = step % 2 == 0;
      ++step;
      if (!at_support) {
        // A spring or support at a free end leaves an arm of no length.
        if (spans[i].is_cantilever && summary.elements[spans[i].start].x == summary.elements[spans[i].end].x)
          continue;
        cells = span_cells(spans[i], summary, fields);
        return true;
      }
      std::size_t k = i < spans.size() ? spans[i].start : spans.back().end;
      if (!is_support(record.elements[k])) continue;
      double force = 0;
      bool has_force = support_force(statics, k, reaction, force);
      cells = support_cells(record.elements[k], summary.elements[k], has_force, force);
      return true;
    }
    return false;
  };
  const std::string& length = unit_of(units, Dimension::length);
  const std::string& moment = unit_of(units, Dimension::moment);
  return {.heading =
              "Feldmomente und Stuetzmomente (Feldmomente wo Q = 0 ist; f = " + std::string(kSagWords) + ")",
          .columns = {words_column("Bereich", kSpanNameWidth), number_column(titled("von x", length)),
                      number_column(titled("bis x", length)), number_column(titled("max M", moment)),
                      number_column(titled("bei x", length)), number_column(titled("min M", moment)),
                      number_column(titled("bei x", length)), number_column(titled("max |w|", length)),
                      number_column(titled("bei x", length)), number_column(titled("f", length)),
                      number_column(titled("bei x", length)), number_column("l/f"),
                      number_column(titled("Stuetzmoment", moment)),
                      number_column(titled("Auflagerkraft", unit_of(units, Dimension::force)))},
          .next_row = next_row,
          .none = "keine"};
}

bool has_units(const UnitNames& units) { return !unit_of(units, Dimension::length).empty(); }

// A column for the units of a column of mixed values, where there are units.
void add_unit_column(Table& table, const UnitNames& units) {
  if (has_units(units)) table.columns.push_back(words_column("Einheit", 0));
}

Table reaction_table(const BeamRecord& record, const Statics& statics, const UnitNames& units) {
  auto next_row = [&record, &statics, &units, k = std::size_t{0}](std::vector<Cell>& cells) mutable {
    if (k == statics.reactions.size()) return false;
    const Reaction& r = statics.reactions[k++];
    cells = {number_cell(r.x), words_cell(reaction_text(record, r)), number_cell(r.value)};
    if (has_units(units)) cells.push_back(words_cell(reaction_unit(r, units)));
    return true;
  };
  Table table{.heading = "Auflagerreaktionen (Kraefte positiv entgegen der Lastrichtung)",
              .columns = {number_column(titled("x", unit_of(units, Dimension::length))),
                          words_column("Auflager", kNameWidth), number_column("Wert")},
              .next_row = next_row,
              .none = "keine"};
  add_unit_column(table, units);
  return table;
}

// A balance: the loads' sum, the reactions' sum and their difference.
Table balance_table(std::string heading, const std::string (&names)[2], double loads, double reactions,
                    double difference, const std::string& unit) {
  std::vector<std::vector<Cell>> rows = {{words_cell(names[0]), number_cell(loads)},
                                         {words_cell(names[1]), number_cell(reactions)},
                                         {words_cell("Differenz"), number_cell(difference)}};
  Table table{.heading = std::move(heading),
              .columns = {words_column("", kNameWidth), number_column("Wert")},
              .header_in_text = false};
  if (!unit.empty()) {
    table.columns.push_back(words_column("Einheit", 0));
    for (std::vector<Cell>& row : rows) row.push_back(words_cell(unit));
  }
  table.next_row = rows_of(std::move(rows));
  return table;
}

Table extreme_table(const BeamSummary& summary, const UnitNames& units) {
  std::vector<std::vector<Cell>> rows;
  for (Quantity q : kQuantities) {
    for (bool largest : {true, false}) {
      const Extreme& e = extreme_of(summary, q, largest);
      rows.push_back({words_cell(extreme_name(q, largest)), number_cell(e.value), number_cell(e.x)});
      if (has_units(units)) rows.back().push_back(words_cell(unit_of(units, dimension_of(q))));
    }
  }
  if (summary.has_stress) {
    const Extreme& e = summary.largest_stress;
    rows.push_back({words_cell(std::string("max |") + stress_name(units) + "|"), number_cell(e.value),
                    number_cell(e.x)});
    if (has_units(units)) rows.back().push_back(words_cell(unit_of(units, Dimension::force_per_area)));
  }
  Table table{.heading = "Extremwerte",
              .columns = {words_column("", kExtremeNameWidth), number_column("Wert"),
                          number_column(titled("x", unit_of(units, Dimension::length)))},
              .next_row = rows_of(std::move(rows))};
  add_unit_column(table, units);
  return table;
}

bool same_values(const PointValues& a, const PointValues& b) {
  return std::ranges::all_of(kQuantities, [&](Quantity q) {
    return std::bit_cast<std::uint64_t>(value_of(a, q)) == std::bit_cast<std::uint64_t>(value_of(b, q));
  });
}

// The values at the chosen places: left of each, and right of it where any
// value jumps there.
Table chosen_table(const BeamSummary& summary, const UnitNames& units) {
  std::vector<std::vector<Cell>> rows;
  auto add_row = [&](const ElementValues& values) {
    rows.push_back({number_cell(values.x)});
    for (Quantity q : kQuantities) rows.back().push_back(number_cell(value_of(values.before, q)));
  };
  for (const ChosenPlace& place : summary.chosen) {
    const ElementValues& left = summary.elements[place.left];
    const ElementValues& right = summary.elements[place.right];
    add_row(left);
    if (!same_values(left.before, right.before)) add_row(right);
  }
  Table table{.heading = "Werte an den gewaehlten Stellen (an Spruengen links und rechts)",
              .columns = {number_column(titled("x", unit_of(units, Dimension::length)))},
              .next_row = rows_of(std::move(rows))};
  for (Quantity q : kQuantities)
    table.columns.push_back(number_column(titled(quantity_name(q), unit_of(units, dimension_of(q)))));
  return table;
}

// The rows of the value table: those of a walk, and one more at each change
// of a shaft's section.
std::uint64_t value_rows(const CompletePass& pass) {
  const std::vector<Element>& elements = pass.record.elements;
  std::uint64_t rows = table_rows(elements, pass.pieces);
  SectionCourse sections = start_sections(elements);
  for (std::size_t k = 0; k < elements.size(); ++k)
    if (is_segment(elements[k]) && enter_row(sections, k)) rows = rows + 1;
  return rows;
}

void stress_cell(const ValueRow& row, std::vector<Cell>& cells) {
  cells.push_back(row.has_stress ? number_cell(row.stress) : blank_number());
}

}  // namespace

std::vector<Table> summary_tables(const BeamRecord& record, const BeamSummary& summary,
                                  const Statics& statics, const UnitNames& units) {
  static const std::string kForces[2] = {"Summe der Lasten", "Summe der Auflagerkraefte"};
  static const std::string kMoments[2] = {"Summe der Lastmomente", "Summe der Auflagermomente"};
  std::vector<Table> tables;
  tables.push_back(beam_table(record, summary, units));
  tables.push_back(span_table(record, summary, statics, units));
  tables.push_back(reaction_table(record, statics, units));
  tables.push_back(balance_table("Gleichgewicht der Kraefte", kForces, statics.load_sum, statics.reaction_sum,
                                 statics.difference, unit_of(units, Dimension::force)));
  tables.push_back(balance_table("Gleichgewicht der Momente um das linke Traegerende", kMoments,
                                 statics.load_moment_sum, statics.reaction_moment_sum,
                                 statics.moment_difference, unit_of(units, Dimension::moment)));
  tables.push_back(extreme_table(summary, units));
  if (!summary.chosen.empty()) tables.push_back(chosen_table(summary, units));
  return tables;
}

std::vector<Column> value_columns() {
  std::vector<Column> columns = {number_column("x")};
  for (Quantity q : kQuantities) columns.push_back(number_column(quantity_name(q)));
  return columns;
}

ValueRows start_value_rows(const CompletePass& pass) {
  return {.walk = start_walk(pass, false),
          .sections = start_sections(pass.record.elements),
          .last = {},
          .held = {}};
}

bool next_value_row(ValueRows& rows, ValueRow& row) {
  if (rows.holds_row) {
    row.row = rows.held;
    rows.holds_row = false;
  } else {
    if (!next_row(rows.walk, row.row)) return false;
    if (enter_row(rows.sections, rows.walk.element)) {
      // The joint once more, with the new diameter; the row waits.
      rows.held = row.row;
      rows.holds_row = true;
      row.row = rows.last;
    }
  }
  rows.last = row.row;
  row.has_stress = stress_in_section(rows.sections, row.row.at.M, row.stress);
  return true;
}

Table value_table(const CompletePass& pass, const BeamSummary& summary, const UnitNames& units) {
  bool with_stress = has_shaft(pass.record.elements);
  Table table{.heading = "Wertetabelle (" + std::to_string(pass.pieces) +
                         " Teile je Abschnitt, an Spruengen links und rechts)",
              .columns = {number_column(titled("x", unit_of(units, Dimension::length)))}};
  for (Quantity q : kQuantities)
    table.columns.push_back(number_column(titled(quantity_name(q), unit_of(units, dimension_of(q)))));
  std::vector<RowRange> ranges = {{summary.x_min, summary.x_max}};
  ranges.insert(ranges.end(), std::begin(summary.rows), std::end(summary.rows));
  if (with_stress) {
    std::string sigma = stress_name(units);
    const char* modulus = units.form == UnitForm::page ? "W = \u03c0 d\u00b3 / 32" : "W = pi d^3 / 32";
    table.heading.insert(table.heading.size() - 1, "; " + sigma + " = M / W, " + modulus);
    table.columns.push_back(number_column(titled(sigma, unit_of(units, Dimension::force_per_area))));
    ranges.push_back(summary.stress_rows);
  }
  table.widest_rows = widest_of(ranges);
  table.known_rows = value_rows(pass);
  table.next_row = [rows = start_value_rows(pass), with_stress](std::vector<Cell>& cells) mutable {
    ValueRow row;
    if (!next_value_row(rows, row)) return false;
    cells.clear();
    cells.push_back(number_cell(row.row.x));
    for (Quantity q : kQuantities) cells.push_back(number_cell(value_of(row.row.at, q)));
    if (with_stress) stress_cell(row, cells);
    return true;
  };
  return table;
}

const std::string& reaction_unit(const Reaction& reaction, const UnitNames& units) {
  return unit_of(units, reaction.kind == ReactionKind::force ? Dimension::force : Dimension::moment);
}

std::string reaction_text(const BeamRecord& record, const Reaction& reaction) {
  std::string name(support_name(record.elements[reaction.element]));
  name.append(reaction_kind(reaction.kind));
  return name;
}

std::string load_text(const Element& segment, const UnitNames& units, NumberForm form) {
  return "Streckenlast (" + value_text("q", segment.q, unit_of(units, Dimension::force_per_length), form) +
         ", " + value_text("qs", segment.qs, unit_of(units, Dimension::force_per_area), form) + ")";
}

Cell ratio_cell(double length, double f) {
  Cell cell = blank_number();
  cell.text = sag_ratio_text(length, f);
  return cell;
}

Cell element_cell(const Element& element, const UnitNames& units) {
  return words_cell(element_text(element, units), element_text(element, units, NumberForm::reading));
}

Cell load_cell(const Element& segment, const UnitNames& units) {
  return words_cell(load_text(segment, units), load_text(segment, units, NumberForm::reading));
}

std::string element_text(const Element& e, const UnitNames& units, NumberForm form) {
  auto named = [&units, form](std::string_view name, double value, Dimension d) {
    return value_text(name, value, unit_of(units, d), form);
  };
  const Dimension length = Dimension::length;
  switch (e.kind) {
    case ElementKind::left_end:
      return end_text("linkes Traegerende", left_end_kind(e)) + " (unbekannt " + code_text("S1", e.S1) +
             ", " + code_text("S2", e.S2) + ")";
    case ElementKind::beam_segment:
      return "Traegerabschnitt (" + named("Laenge", e.length, length) + ", " +
             named("EI", e.EI, Dimension::bending_stiffness) + ")";
    case ElementKind::shaft_segment:
      return "Wellenabschnitt (" + named("Laenge", e.length, length) + ", " +
             named("E-Modul", e.E, Dimension::force_per_area) + ", " + named("Durchm.", e.diameter, length) +
             ")";
    case ElementKind::point_action:
      return std::string(point_action_kind(e.S1)) + " (" + code_text("S1", e.S1) + ", " +
             named(point_action_value_name(e.S1), e.load, dimension_of(e.S1)) + ")";
    case ElementKind::spring:
      return "elastisches Lager (" + named("c", e.c, Dimension::force_per_length) + ")";
    case ElementKind::condition:
      return std::string(condition_kind(e.S1)) + " (" + code_text("S1", e.S1) + ", " +
             named("W1", e.W1, dimension_of(e.S1)) + ")";
    case ElementKind::right_end:
      return end_text("rechtes Traegerende", right_end_kind(e)) + " (" + code_text("S1", e.S1) + ", " +
             named("W1", e.W1, dimension_of(e.S1)) + ", " + code_text("S2", e.S2) + ", " +
             named("W2", e.W2, dimension_of(e.S2)) + ")";
  }
  return "";
}

}  // namespace dlt
