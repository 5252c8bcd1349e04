#include "report/envelope/tables.h"

#include <iterator>
#include <string>
#include <utility>

#include "report/beam/tables.h"
#include "report/envelope/walk.h"
#include "report/format/labels.h"

namespace dlt {

namespace {

constexpr std::size_t kNameWidth = 24;
constexpr std::size_t kCasesWidth = 10;

// An extreme's value, x and load cases; blank where there is none.
void append_extreme(std::vector<Cell>& cells, const CaseExtreme& e, bool with_x) {
  if (!e.found) {
    cells.insert(cells.end(), with_x ? 2 : 1, blank_number());
    cells.push_back(words_cell(""));
    return;
  }
  cells.push_back(number_cell(e.value));
  if (with_x) cells.push_back(number_cell(e.x));
  cells.push_back(words_cell(acting_cases(e.arrangement)));
}

// A load case's loads: distributed loads, point actions, and values
// prescribed at supports and the right end other than zero.
Table load_case_table(const LoadCases& cases, const UnitNames& units) {
  auto next_row = [&cases, &units, c = std::size_t{0}, k = std::size_t{0}, x = 0.0,
                   any = false](std::vector<Cell>& cells) mutable {
    while (c < cases.cases.size()) {
      const std::vector<Element>& elements = cases.cases[c].record.elements;
      std::string name = std::to_string(c + 1);
      if (k == elements.size()) {
        bool none = !any;
        c = c + 1;
        k = 0;
        x = 0;
        any = false;
        if (none) {
          cells = {words_cell(name), blank_number(), words_cell("keine Last")};
          return true;
        }
        continue;
      }
      const Element& e = elements[k];
      double at = x;
      k = k + 1;
      Cell text;
      if (is_segment(e)) {
        x = x + e.length;
        if (e.loaded) text = load_cell(e, units);
      } else if (e.kind == ElementKind::point_action || (e.kind == ElementKind::condition && e.W1 != 0) ||
                 (e.kind == ElementKind::right_end && (e.W1 != 0 || e.W2 != 0))) {
        text = element_cell(e, units);
      }
      if (text.text.empty()) continue;
      any = true;
      cells = {words_cell(name), number_cell(at), std::move(text)};
      return true;
    }
    return false;
  };
  return {.heading = "Lastfaelle (1: staendige Last, die weiteren veraenderlich)",
          .columns = {words_column("LF", 4), number_column(titled("x", unit_of(units, Dimension::length))),
                      words_column("Last", 0)},
          .next_row = next_row};
}

Table factor_table(const Factors& factors) {
  std::vector<std::vector<Cell>> rows = {
      {words_cell("staendige Last, unguenstig (GSUP)"), number_cell(factors.g_sup)},
      {words_cell("staendige Last, guenstig (GINF)"), number_cell(factors.g_inf)},
      {words_cell("veraenderliche Lasten (Q)"), number_cell(factors.q)},
  };
  return {.heading =
              "Teilsicherheitsbeiwerte (fuer M, Q und die Auflagerkraefte; w, p charakteristisch, alle "
              "Faktoren 1)",
          .columns = {words_column("", 36), number_column("Faktor")},
          .next_row = rows_of(std::move(rows)),
          .header_in_text = false};
}

Table span_table(const EnvelopeSummary& summary, const UnitNames& units) {
  auto next_row = [&summary, i = std::size_t{0}, fields = 0](std::vector<Cell>& cells) mutable {
    // A spring or support at a free end leaves an arm of no length.
    while (i < summary.spans.size() && summary.spans[i].is_cantilever &&
           summary.spans[i].from == summary.spans[i].to)
      ++i;
    if (i == summary.spans.size()) return false;
    const EnvelopeSpan& span = summary.spans[i++];
    std::string name = span.is_cantilever ? "Kragarm" : "Feld " + std::to_string(++fields);
    cells = {words_cell(std::move(name)), number_cell(span.from), number_cell(span.to)};
    append_extreme(cells, span.largest_M, true);
    append_extreme(cells, span.smallest_M, true);
    append_extreme(cells, span.sag, true);
    cells.push_back(span.sag.found ? ratio_cell(span.to - span.from, span.sag.value) : blank_number());
    return true;
  };
  const std::string& length = unit_of(units, Dimension::length);
  const std::string& moment = unit_of(units, Dimension::moment);
  return {.heading =
              "Groesstes und kleinstes M je Feld (das groesste wo Q der Kombination = 0 ist; f = "
              "charakteristische " +
              std::string(kSagWords) + ")",
          .columns = {words_column("Bereich", 10), number_column(titled("von x", length)),
                      number_column(titled("bis x", length)), number_column(titled("max M", moment)),
                      number_column(titled("bei x", length)), words_column("LF", kCasesWidth),
                      number_column(titled("min M", moment)), number_column(titled("bei x", length)),
                      words_column("LF", kCasesWidth), number_column(titled("f", length)),
                      number_column(titled("bei x", length)), words_column("LF", kCasesWidth),
                      number_column("l/f")},
          .next_row = next_row,
          .none = "keine"};
}

Table support_table(const LoadCases& cases, const EnvelopeSummary& summary, const UnitNames& units) {
  auto next_row = [&cases, &summary, i = std::size_t{0}](std::vector<Cell>& cells) mutable {
    if (i == summary.supports.size()) return false;
    const EnvelopeSupport& support = summary.supports[i++];
    const Element& e = cases.cases.front().record.elements[support.element];
    cells = {words_cell(std::string(support_name(e))), number_cell(support.x)};
    append_extreme(cells, support.smallest_M, false);
    append_extreme(cells, support.largest_M, false);
    return true;
  };
  const std::string& moment = unit_of(units, Dimension::moment);
  return {.heading = "Stuetzmomente",
          .columns = {words_column("Lager", kNameWidth),
                      number_column(titled("x", unit_of(units, Dimension::length))),
                      number_column(titled("min M", moment)), words_column("LF", kCasesWidth),
                      number_column(titled("max M", moment)), words_column("LF", 0)},
          .next_row = next_row,
          .none = "keine"};
}

Table reaction_table(const LoadCases& cases, const EnvelopeSummary& summary, const UnitNames& units) {
  bool with_units = !unit_of(units, Dimension::length).empty();
  auto next_row = [&cases, &summary, &units, with_units,
                   i = std::size_t{0}](std::vector<Cell>& cells) mutable {
    if (i == summary.reactions.size()) return false;
    const EnvelopeReaction& r = summary.reactions[i++];
    cells = {number_cell(r.reaction.x), words_cell(reaction_text(cases.cases.front().record, r.reaction))};
    append_extreme(cells, r.largest, false);
    append_extreme(cells, r.smallest, false);
    if (with_units) cells.push_back(words_cell(reaction_unit(r.reaction, units)));
    return true;
  };
  Table table{.heading = "Auflagerreaktionen (Kraefte positiv entgegen der Lastrichtung)",
              .columns = {number_column(titled("x", unit_of(units, Dimension::length))),
                          words_column("Auflager", 38), number_column("max"), words_column("LF", kCasesWidth),
                          number_column("min"), words_column("LF", with_units ? kCasesWidth : 0)},
              .next_row = next_row,
              .none = "keine"};
  if (with_units) table.columns.push_back(words_column("Einheit", 0));
  return table;
}

Table extreme_table(const EnvelopeSummary& summary, const UnitNames& units) {
  bool with_units = !unit_of(units, Dimension::length).empty();
  std::vector<std::vector<Cell>> rows;
  for (Quantity q : kQuantities) {
    for (bool largest : {true, false}) {
      const CaseExtreme& e =
          largest ? summary.largest[quantity_index(q)] : summary.smallest[quantity_index(q)];
      rows.push_back({words_cell(extreme_name(q, largest))});
      append_extreme(rows.back(), e, true);
      if (with_units) rows.back().push_back(words_cell(unit_of(units, dimension_of(q))));
    }
  }
  Table table{.heading = "Extremwerte (w, p charakteristisch; M, Q mit den Teilsicherheitsbeiwerten)",
              .columns = {words_column("", 10), number_column("Wert"),
                          number_column(titled("x", unit_of(units, Dimension::length))),
                          words_column("LF", with_units ? kCasesWidth : 0)},
              .next_row = rows_of(std::move(rows))};
  if (with_units) table.columns.push_back(words_column("Einheit", 0));
  return table;
}

}  // namespace

std::vector<Table> envelope_summary_tables(const EnvelopeRun& run, const EnvelopeSummary& summary,
                                           const UnitNames& units) {
  const LoadCases& cases = run.cases;
  std::vector<Table> tables;
  tables.push_back(beam_table(cases.cases.front().record, summary.first_case, units));
  tables.back().heading = "Traeger wie eingegeben (Lastfall 1)";
  tables.push_back(load_case_table(cases, units));
  tables.push_back(factor_table(run.factors));
  tables.push_back(span_table(summary, units));
  tables.push_back(support_table(cases, summary, units));
  tables.push_back(reaction_table(cases, summary, units));
  tables.push_back(extreme_table(summary, units));
  return tables;
}

std::vector<Column> envelope_columns() {
  std::vector<Column> columns = {number_column("x")};
  for (Quantity q : kQuantities) {
    columns.push_back(number_column(std::string(quantity_name(q)) + "_max"));
    columns.push_back(number_column(std::string(quantity_name(q)) + "_min"));
  }
  return columns;
}

Table envelope_table(const EnvelopeRun& run, const EnvelopeSummary& summary, const UnitNames& units) {
  Table table{.heading = "Grenzwerte (" + std::to_string(run.pieces) +
                         " Teile je Abschnitt, an Spruengen links und rechts; w, p charakteristisch, alle "
                         "Faktoren 1; M, Q mit den Teilsicherheitsbeiwerten)",
              .columns = {number_column(titled("x", unit_of(units, Dimension::length)))}};
  std::vector<RowRange> ranges = {summary.x_range};
  for (Quantity q : kQuantities) {
    const std::string& unit = unit_of(units, dimension_of(q));
    table.columns.push_back(number_column(titled(std::string(quantity_name(q)) + "_max", unit)));
    table.columns.push_back(number_column(titled(std::string(quantity_name(q)) + "_min", unit)));
    ranges.push_back(summary.largest_rows[quantity_index(q)]);
    ranges.push_back(summary.smallest_rows[quantity_index(q)]);
  }
  table.widest_rows = widest_of(ranges);
  table.known_rows = summary.rows;
  table.next_row = [walk = start_envelope_walk(run.cases, run.pieces), row = EnvelopeRow{},
                    &factors = run.factors](std::vector<Cell>& cells) mutable {
    if (!next_envelope_row(walk, row)) return false;
    EnvelopeValues values = combine_row(factors, row);
    cells.clear();
    cells.push_back(number_cell(values.x));
    for (Quantity q : kQuantities) {
      cells.push_back(number_cell(value_of(values.largest, q)));
      cells.push_back(number_cell(value_of(values.smallest, q)));
    }
    return true;
  };
  return table;
}

}  // namespace dlt
