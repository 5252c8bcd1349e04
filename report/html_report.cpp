#include "report/html_report.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string_view>

#include "report/beam_sketch.h"
#include "report/diagrams.h"
#include "report/svg.h"
#include "report/text_report.h"

namespace dlt {

namespace {

// Print on A4; the drawings take the width of the page and stay whole.
constexpr std::string_view kHead =
    "<!DOCTYPE html>\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"de\" xml:lang=\"de\">\n"
    "<head>\n"
    "<meta charset=\"UTF-8\"/>\n"
    "<title>Durchlauftraeger - Bericht</title>\n"
    "<style>\n"
    "body { font-family: sans-serif; font-size: 10pt; max-width: 1000px; margin: 1em auto; padding: 0 1em;"
    " color: #000; background: #fff; }\n"
    "h1 { font-size: 15pt; } h2 { font-size: 11pt; margin: 1.4em 0 0.4em; }\n"
    ".abbildung { break-inside: avoid; margin: 0 0 0.6em; }\n"
    "svg.zeichnung { display: block; width: 100%; height: auto; }\n"
    "svg text { font-family: monospace; font-size: 10px; fill: #000; }\n"
    "svg text.titel { font-family: sans-serif; font-size: 11px; font-weight: bold; }\n"
    ".linie { fill: none; stroke: #222; stroke-width: 1; }\n"
    ".duenn { fill: none; stroke: #222; stroke-width: 0.6; }\n"
    ".dick { fill: none; stroke: #222; stroke-width: 1.6; }\n"
    ".voll { fill: #222; stroke: none; }\n"
    ".leer { fill: #fff; stroke: #222; stroke-width: 1; }\n"
    ".traeger { fill: #5f7d95; stroke: #2b3a47; stroke-width: 0.6; }\n"
    ".last { fill: #e4e4e4; stroke: #555; stroke-width: 0.8; }\n"
    ".achse { stroke: #222; stroke-width: 0.5; stroke-dasharray: 10 2 2 2; }\n"
    ".null { stroke: #000; stroke-width: 0.8; }\n"
    ".punkt { fill: #000; }\n"
    "table { border-collapse: collapse; margin: 0.2em 0 0.6em; }\n"
    "th, td { padding: 1px 0.8em; text-align: left; vertical-align: top; }\n"
    "th { border-bottom: 1px solid #000; }\n"
    "th.n, td.n { text-align: right; font-family: monospace; white-space: pre; }\n"
    "thead { display: table-header-group; }\n"
    "tr { break-inside: avoid; }\n"
    "@page { size: A4; margin: 15mm; }\n"
    "@media print { body { max-width: none; margin: 0; padding: 0; } }\n"
    "</style>\n"
    "</head>\n"
    "<body>\n"
    "<h1>Durchlauftraeger - Bericht</h1>\n";

// A cell is a number (right-aligned) or a text; the texts are the
// program's own words and numbers, with nothing to escape.
struct Cell {
  std::string text;
  bool is_number = false;
};

Cell number(double value) { return {fixed_text(value), true}; }
Cell words(std::string text) { return {std::move(text), false}; }

void append_row(std::string& out, std::string_view tag, std::initializer_list<Cell> cells) {
  out.append("<tr>");
  for (const Cell& cell : cells) {
    out.push_back('<');
    out.append(tag);
    out.append(cell.is_number ? " class=\"n\">" : ">");
    out.append(cell.text);
    out.append("</");
    out.append(tag);
    out.push_back('>');
  }
  out.append("</tr>\n");
}

void start_table(std::string& out, std::string_view heading, std::initializer_list<Cell> header) {
  out.append("<h2>");
  out.append(heading);
  out.append("</h2>\n<table>\n<thead>");
  append_row(out, "th", header);
  out.append("</thead>\n<tbody>\n");
}

void end_table(std::string& out) { out.append("</tbody>\n</table>\n"); }

void append_beam(std::string& out, const BeamRecord& record, const BeamCourse& course) {
  start_table(out, "Traeger wie eingegeben", {{"x", true}, words("Element")});
  std::size_t last = record.elements.size() - 1;
  for (std::size_t k = 0; k <= last; ++k) {
    const Element& e = record.elements[k];
    append_row(out, "td", {number(course.elements[k].x), words(element_text(e, k == last))});
    if (is_segment(e) && e.loaded) append_row(out, "td", {words(""), words(load_text(e))});
  }
  end_table(out);
}

void append_reactions(std::string& out, const BeamRecord& record, const Statics& statics) {
  start_table(out, "Auflagerreaktionen (Kraefte positiv entgegen der Lastrichtung)",
              {{"x", true}, words("Auflager"), {"Wert", true}});
  for (const Reaction& r : statics.reactions)
    append_row(out, "td", {number(r.x), words(reaction_text(record, r)), number(r.value)});
  if (statics.reactions.empty()) append_row(out, "td", {words(""), words("keine"), words("")});
  end_table(out);
  start_table(out, "Gleichgewicht der Kraefte", {words(""), {"Wert", true}});
  append_row(out, "td", {words("Summe der Lasten"), number(statics.load_sum)});
  append_row(out, "td", {words("Summe der Auflagerkraefte"), number(statics.reaction_sum)});
  append_row(out, "td", {words("Differenz"), number(statics.difference)});
  end_table(out);
}

void append_extremes(std::string& out, const BeamCourse& course) {
  start_table(out, "Extremwerte", {words(""), {"Wert", true}, {"x", true}});
  for (int q = 0; q < kQuantityCount; ++q) {
    for (bool largest : {true, false}) {
      const Extreme& e = largest ? course.largest[q] : course.smallest[q];
      std::string label = extreme_name(q, largest);
      append_row(out, "td", {words(label), number(e.value), number(e.x)});
    }
  }
  end_table(out);
}

void append_values(std::string& out, const BeamCourse& course, int pieces) {
  std::string heading =
      "Wertetabelle (" + std::to_string(pieces) + " Teile je Abschnitt, an Spruengen links und rechts)";
  start_table(out, heading, {{"x", true}, {"w", true}, {"p", true}, {"M", true}, {"Q", true}});
  for (const TableRow& row : course.rows) {
    append_row(out, "td",
               {number(row.x), number(row.at.w), number(row.at.p), number(row.at.M), number(row.at.Q)});
  }
  end_table(out);
}

// The drawings share one scale, from the leftmost to the rightmost point of
// the beam.
XScale beam_scale(const BeamCourse& course) {
  double x_min = std::numeric_limits<double>::infinity();
  double x_max = -std::numeric_limits<double>::infinity();
  for (const TableRow& row : course.rows) {
    if (!std::isfinite(row.x)) continue;
    x_min = std::min(x_min, row.x);
    x_max = std::max(x_max, row.x);
  }
  if (!(x_min <= x_max)) return x_scale(0, 0);
  return x_scale(x_min, x_max);
}

void append_figure(std::string& out, const std::string& svg) {
  out.append("<div class=\"abbildung\">\n");
  out.append(svg);
  out.append("</div>\n");
}

}  // namespace

std::string html_report(const BeamRecord& record, const BeamCourse& course, const Statics& statics,
                        int pieces) {
  std::string out(kHead);
  XScale scale = beam_scale(course);
  out.append("<h2>Traeger</h2>\n");
  append_figure(out, beam_sketch_svg(record, course, scale));
  out.append("<h2>Zustandslinien</h2>\n");
  for (int q = 0; q < kQuantityCount; ++q) append_figure(out, diagram_svg(record, course, scale, q));
  append_beam(out, record, course);
  append_reactions(out, record, statics);
  append_extremes(out, course);
  append_values(out, course, pieces);
  out.append("</body>\n</html>\n");
  return out;
}

}  // namespace dlt
