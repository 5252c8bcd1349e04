#include "report/format/left_out.h"

#include <algorithm>
#include <string_view>

#include "report/format/markup.h"
#include "report/format/page.h"
#include "report/format/table.h"
#include "report/format/umlauts.h"

namespace dlt {

std::string left_out_html(const std::vector<Wanted>& left_out, Quantity q, const UnitNames& units) {
  Plotted plot = plotted(q);
  std::string out;
  if (left_out.empty()) return out;
  out.append("<p class=\"bildtext\">");
  append_escaped(out,
                 with_umlauts(diagram_name(plot, units)) + " (nicht alle Werte beschriftet, siehe Tabelle)");
  out.append("</p>\n<table class=\"nicht-beschriftet\">\n<caption>Nicht beschriftete Werte</caption>\n");
  bool cases =
      std::any_of(left_out.begin(), left_out.end(), [](const Wanted& w) { return !w.cases.empty(); });
  std::vector<Cell> cells = {{"Wert", false},
                             {titled("x", unit_of(units, Dimension::length)), true},
                             {titled(quantity_name(q), unit_of(units, dimension_of(q))), true}};
  if (cases) cells.push_back({"LF", false});
  out.append("<thead>");
  append_page_row(out, cells, "th");
  out.append("</thead>\n<tbody>\n");
  std::size_t shown = std::min(left_out.size(), kMostLeftOut);
  for (std::size_t i = 0; i < shown; ++i) {
    const Wanted& label = left_out[i];
    cells = {words_cell(label_name(label, plot)), number_cell(label.x), number_cell(label.value)};
    if (cases) cells.push_back(words_cell(label.cases));
    append_page_row(out, cells, "td");
  }
  out.append("</tbody>\n</table>\n");
  if (shown < left_out.size()) {
    out.append("<p>Die Tabelle nennt die ersten ");
    out.append(std::to_string(shown));
    out.append(" von ");
    out.append(std::to_string(left_out.size()));
    out.append(" nicht beschrifteten Werten; die Tabellen unten nennen alle.</p>\n");
  }
  return out;
}

}  // namespace dlt
