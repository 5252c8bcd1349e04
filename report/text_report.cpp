#include "report/text_report.h"

#include <cstddef>
#include <string_view>

#include "console/console.h"

namespace dlt {

namespace {

constexpr std::size_t kNumberWidth = 12;
constexpr std::size_t kNameWidth = 38;
constexpr std::string_view kIndent = "              ";

std::string fixed(double value) {
  std::string text;
  append_fixed(text, value);
  return text;
}

// text right-aligned in width columns, or as it is where it is longer.
void append_right(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out.append(text);
}

void append_left(std::string& out, std::string_view text, std::size_t width) {
  out.append(text);
  if (text.size() < width) out.append(width - text.size(), ' ');
}

// A number in its column, with at least one blank before it however long it
// is.
void append_number(std::string& out, double value) {
  out.push_back(' ');
  append_right(out, fixed(value), kNumberWidth - 1);
}

// "name= value", as the prompts name the values.
std::string value_text(std::string_view name, double value) {
  std::string text(name);
  text.append("= ");
  append_fixed(text, value);
  return text;
}

std::string code_text(std::string_view name, int code) {
  std::string text(name);
  text.push_back('=');
  text.append(std::to_string(code));
  return text;
}

bool codes_are(const Element& e, int a, int b) {
  return (e.S1 == a && e.S2 == b) || (e.S1 == b && e.S2 == a);
}

// The kinds of end the dialogue offers, by the pair of codes they use.
std::string_view end_kind(const Element& e, bool right) {
  if (codes_are(e, right ? 1 : 2, right ? 3 : 4)) return "gelenkiges Lager";
  if (codes_are(e, right ? 3 : 1, right ? 4 : 2)) return "freies Ende";
  if (codes_are(e, right ? 1 : 3, right ? 2 : 4)) return "Einspannung";
  return "";
}

// Names by state code: 1 = w, 2 = p, 3 = M, 4 = Q.
using CodeNames = std::string_view[4];
constexpr CodeNames kConditionKinds = {"Lager", "Neigungsbedingung", "Gelenk", "Querkraftbedingung"};
constexpr CodeNames kPointLoadKinds = {"Einzellast Absenkung", "Einzellast Winkel", "Einzellast Moment",
                                       "Einzellast Kraft"};
constexpr CodeNames kPointLoadValueNames = {"w", "p", "M", "F"};

// The recorded codes are state codes; any other would be the last name.
std::string_view by_code(const CodeNames& names, int code) {
  return names[code >= 1 && code <= 4 ? code - 1 : 3];
}

std::string end_text(std::string_view which, std::string_view kind) {
  std::string text(which);
  if (!kind.empty()) {
    text.append(", ");
    text.append(kind);
  }
  return text;
}

// The short name of the element a reaction belongs to.
std::string support_name(const Element& e, bool is_right_end) {
  switch (e.kind) {
    case ElementKind::left_end:
      return "linkes Traegerende";
    case ElementKind::spring:
      return "elastisches Lager";
    case ElementKind::condition:
      return is_right_end ? "rechtes Traegerende" : std::string(by_code(kConditionKinds, e.S1));
    default:
      return "";
  }
}

std::string_view reaction_kind(ReactionKind kind) {
  switch (kind) {
    case ReactionKind::force:
      return ", Kraft";
    case ReactionKind::end_moment:
      return ", Einspannmoment M";
    default:
      return ", Moment";
  }
}

void append_beam(std::string& out, const BeamRecord& record, const BeamCourse& course) {
  out.append("Traeger wie eingegeben\n");
  append_right(out, "x", kNumberWidth);
  out.append("  Element\n");
  std::size_t last = record.elements.size() - 1;
  for (std::size_t k = 0; k <= last; ++k) {
    const Element& e = record.elements[k];
    append_number(out, course.elements[k].x);
    out.append("  ");
    out.append(element_text(e, k == last));
    out.push_back('\n');
    if (is_segment(e) && e.loaded) {
      out.append(kIndent);
      out.append(load_text(e));
      out.push_back('\n');
    }
  }
}

void append_reactions(std::string& out, const BeamRecord& record, const Statics& statics) {
  out.append("\nAuflagerreaktionen (Kraefte positiv entgegen der Lastrichtung)\n");
  append_right(out, "x", kNumberWidth);
  out.append("  ");
  append_left(out, "Auflager", kNameWidth);
  append_right(out, "Wert", kNumberWidth);
  out.push_back('\n');
  for (const Reaction& r : statics.reactions) {
    append_number(out, r.x);
    out.append("  ");
    append_left(out, reaction_text(record, r), kNameWidth);
    append_number(out, r.value);
    out.push_back('\n');
  }
  if (statics.reactions.empty()) out.append("  keine\n");
  out.append("\nGleichgewicht der Kraefte\n");
  const std::pair<std::string_view, double> lines[] = {
      {"Summe der Lasten", statics.load_sum},
      {"Summe der Auflagerkraefte", statics.reaction_sum},
      {"Differenz", statics.difference},
  };
  for (const auto& [name, value] : lines) {
    out.append("  ");
    append_left(out, name, kNameWidth);
    append_number(out, value);
    out.push_back('\n');
  }
}

void append_extremes(std::string& out, const BeamCourse& course) {
  out.append("\nExtremwerte\n");
  append_right(out, "", kNumberWidth);
  append_right(out, "Wert", kNumberWidth);
  append_right(out, "x", kNumberWidth);
  out.push_back('\n');
  for (int q = 0; q < kQuantityCount; ++q) {
    for (bool largest : {true, false}) {
      const Extreme& e = largest ? course.largest[q] : course.smallest[q];
      std::string label = extreme_name(q, largest);
      out.append("  ");
      append_left(out, label, kNumberWidth - 2);
      append_number(out, e.value);
      append_number(out, e.x);
      out.push_back('\n');
    }
  }
}

void append_table(std::string& out, const BeamCourse& course, int pieces) {
  out.append("\nWertetabelle (");
  out.append(std::to_string(pieces));
  out.append(" Teile je Abschnitt, an Spruengen links und rechts)\n");
  for (std::string_view name : {"x", "w", "p", "M", "Q"}) append_right(out, name, kNumberWidth);
  out.push_back('\n');
  for (const TableRow& row : course.rows) {
    append_number(out, row.x);
    for (int q = 0; q < kQuantityCount; ++q) append_number(out, quantity(row.at, q));
    out.push_back('\n');
  }
}

}  // namespace

std::string reaction_text(const BeamRecord& record, const Reaction& reaction) {
  std::string name =
      support_name(record.elements[reaction.element], reaction.element + 1 == record.elements.size());
  name.append(reaction_kind(reaction.kind));
  return name;
}

std::string load_text(const Element& segment) {
  return "Streckenlast (" + value_text("q", segment.q) + ", " + value_text("qs", segment.qs) + ")";
}

std::string element_text(const Element& e, bool is_right_end) {
  std::string text;
  switch (e.kind) {
    case ElementKind::left_end:
      text = end_text("linkes Traegerende", end_kind(e, false));
      text.append(" (unbekannt " + code_text("S1", e.S1) + ", " + code_text("S2", e.S2) + ")");
      break;
    case ElementKind::beam_segment:
      text = "Traegerabschnitt (" + value_text("Laenge", e.length) + ", " + value_text("EI", e.EI) + ")";
      break;
    case ElementKind::shaft_segment:
      text = "Wellenabschnitt (" + value_text("Laenge", e.length) + ", " + value_text("E-Modul", e.E) + ", " +
             value_text("Durchm.", e.diameter) + ")";
      break;
    case ElementKind::point_load:
      text = std::string(by_code(kPointLoadKinds, e.S1)) + " (" + code_text("S1", e.S1) + ", " +
             value_text(by_code(kPointLoadValueNames, e.S1), e.value) + ")";
      break;
    case ElementKind::spring:
      text = "elastisches Lager (" + value_text("c", e.value) + ")";
      break;
    case ElementKind::condition:
      if (is_right_end) {
        text = end_text("rechtes Traegerende", end_kind(e, true));
        text.append(" (" + code_text("S1", e.S1) + ", " + value_text("W1", e.value) + ", " +
                    code_text("S2", e.S2) + ", " + value_text("W2", e.W2) + ")");
      } else {
        text = std::string(by_code(kConditionKinds, e.S1)) + " (" + code_text("S1", e.S1) + ", " +
               value_text("W1", e.value) + ")";
      }
      break;
  }
  return text;
}

std::string text_report(const BeamRecord& record, const BeamCourse& course, const Statics& statics,
                        int pieces) {
  std::string out = "Durchlauftraeger - Bericht\n\n";
  append_beam(out, record, course);
  append_reactions(out, record, statics);
  append_extremes(out, course);
  append_table(out, course, pieces);
  return out;
}

}  // namespace dlt
