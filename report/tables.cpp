#include "report/tables.h"

#include <string_view>
#include <utility>

#include "report/numbers.h"

namespace dlt {

namespace {

// The width of the columns of names in the text report: the supports and
// the sums of the balance, and the names of the extremes.
constexpr std::size_t kNameWidth = 38;
constexpr std::size_t kExtremeNameWidth = 10;

Cell number(double value) { return {fixed_text(value), true}; }
Cell words(std::string text) { return {std::move(text), false}; }
Column number_column(std::string title) { return {std::move(title), true, 0}; }
Column words_column(std::string title, std::size_t text_width) {
  return {std::move(title), false, text_width};
}

// The rows of a short table, made in advance.
std::function<bool(std::vector<Cell>&)> rows_of(std::vector<std::vector<Cell>> rows) {
  return [rows = std::move(rows), next = std::size_t{0}](std::vector<Cell>& cells) mutable {
    if (next == rows.size()) return false;
    cells = rows[next++];
    return true;
  };
}

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

// A condition by the quantity it prescribes.
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

// The short name of the element a reaction belongs to.
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

// A row per element, and one more under a loaded segment for its load.
Table beam_table(const BeamRecord& record, const BeamSummary& summary) {
  auto next_row = [&record, &summary, k = std::size_t{0},
                   load_next = false](std::vector<Cell>& cells) mutable {
    if (k == record.elements.size()) return false;
    const Element& e = record.elements[k];
    if (load_next) {
      cells = {words(""), words(load_text(e))};
      load_next = false;
      ++k;
    } else {
      cells = {number(summary.elements[k].x), words(element_text(e))};
      load_next = is_segment(e) && e.loaded;
      if (!load_next) ++k;
    }
    return true;
  };
  return {.heading = "Traeger wie eingegeben",
          .columns = {number_column("x"), words_column("Element", 0)},
          .next_row = next_row};
}

Table reaction_table(const BeamRecord& record, const Statics& statics) {
  auto next_row = [&record, &statics, k = std::size_t{0}](std::vector<Cell>& cells) mutable {
    if (k == statics.reactions.size()) return false;
    const Reaction& r = statics.reactions[k++];
    cells = {number(r.x), words(reaction_text(record, r)), number(r.value)};
    return true;
  };
  return {.heading = "Auflagerreaktionen (Kraefte positiv entgegen der Lastrichtung)",
          .columns = {number_column("x"), words_column("Auflager", kNameWidth), number_column("Wert")},
          .next_row = next_row,
          .none = "keine"};
}

Table balance_table(const Statics& statics) {
  return {.heading = "Gleichgewicht der Kraefte",
          .columns = {words_column("", kNameWidth), number_column("Wert")},
          .next_row = rows_of({{words("Summe der Lasten"), number(statics.load_sum)},
                               {words("Summe der Auflagerkraefte"), number(statics.reaction_sum)},
                               {words("Differenz"), number(statics.difference)}}),
          .header_in_text = false};
}

Table extreme_table(const BeamSummary& summary) {
  std::vector<std::vector<Cell>> rows;
  for (Quantity q : kQuantities) {
    for (bool largest : {true, false}) {
      const Extreme& e = extreme_of(summary, q, largest);
      rows.push_back({words(extreme_name(q, largest)), number(e.value), number(e.x)});
    }
  }
  return {.heading = "Extremwerte",
          .columns = {words_column("", kExtremeNameWidth), number_column("Wert"), number_column("x")},
          .next_row = rows_of(std::move(rows))};
}

}  // namespace

std::vector<Table> summary_tables(const BeamRecord& record, const BeamSummary& summary,
                                  const Statics& statics) {
  std::vector<Table> tables;
  tables.push_back(beam_table(record, summary));
  tables.push_back(reaction_table(record, statics));
  tables.push_back(balance_table(statics));
  tables.push_back(extreme_table(summary));
  return tables;
}

Table value_table(int pieces) {
  Table table{.heading = "Wertetabelle (" + std::to_string(pieces) +
                         " Teile je Abschnitt, an Spruengen links und rechts)",
              .columns = {number_column("x")}};
  for (Quantity q : kQuantities) table.columns.push_back(number_column(quantity_name(q)));
  return table;
}

void value_cells(const TableRow& row, std::vector<Cell>& cells) {
  cells.clear();
  cells.push_back(number(row.x));
  for (Quantity q : kQuantities) cells.push_back(number(value_of(row.at, q)));
}

std::string reaction_text(const BeamRecord& record, const Reaction& reaction) {
  std::string name(support_name(record.elements[reaction.element]));
  name.append(reaction_kind(reaction.kind));
  return name;
}

std::string load_text(const Element& segment) {
  return "Streckenlast (" + value_text("q", segment.q) + ", " + value_text("qs", segment.qs) + ")";
}

std::string element_text(const Element& e) {
  switch (e.kind) {
    case ElementKind::left_end:
      return end_text("linkes Traegerende", left_end_kind(e)) + " (unbekannt " + code_text("S1", e.S1) +
             ", " + code_text("S2", e.S2) + ")";
    case ElementKind::beam_segment:
      return "Traegerabschnitt (" + value_text("Laenge", e.length) + ", " + value_text("EI", e.EI) + ")";
    case ElementKind::shaft_segment:
      return "Wellenabschnitt (" + value_text("Laenge", e.length) + ", " + value_text("E-Modul", e.E) + ", " +
             value_text("Durchm.", e.diameter) + ")";
    case ElementKind::point_action:
      return std::string(point_action_kind(e.S1)) + " (" + code_text("S1", e.S1) + ", " +
             value_text(point_action_value_name(e.S1), e.load) + ")";
    case ElementKind::spring:
      return "elastisches Lager (" + value_text("c", e.c) + ")";
    case ElementKind::condition:
      return std::string(condition_kind(e.S1)) + " (" + code_text("S1", e.S1) + ", " +
             value_text("W1", e.W1) + ")";
    case ElementKind::right_end:
      return end_text("rechtes Traegerende", right_end_kind(e)) + " (" + code_text("S1", e.S1) + ", " +
             value_text("W1", e.W1) + ", " + code_text("S2", e.S2) + ", " + value_text("W2", e.W2) + ")";
  }
  return "";
}

}  // namespace dlt
