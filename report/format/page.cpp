#include "report/format/page.h"

#include <cstdint>
#include <string_view>

#include "report/format/markup.h"
#include "report/format/numbers.h"
#include "report/format/umlauts.h"
#include "report/format/version.h"

namespace dlt {

namespace {

constexpr std::string_view kStart =
    "<!DOCTYPE html>\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"de\" xml:lang=\"de\">\n"
    "<head>\n"
    "<meta charset=\"UTF-8\"/>\n";

// On a screen, a table wider than the page scrolls inside its box; printed
// on A4, tables take a smaller type and wrap their headings so that every
// column is on the paper, and a table of many columns has a landscape page
// of its own. The drawings take the width of the page and stay whole, and
// long titles wrap.
constexpr std::string_view kStyle =
    "<style>\n"
    "body { font-family: sans-serif; font-size: 10pt; max-width: 1000px; margin: 1em auto; padding: 0 1em;"
    " color: #000; background: #fff; }\n"
    "h1 { font-size: 15pt; } h2 { font-size: 11pt; margin: 1.4em 0 0.4em; }\n"
    "h1, h2, p { overflow-wrap: anywhere; }\n"
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
    ".tabelle { max-width: 100%; overflow-x: auto; }\n"
    "p.bildtext { font-size: 9pt; margin: 0.2em 0; }\n"
    "caption { text-align: left; font-weight: bold; padding: 0.2em 0; }\n"
    "table { border-collapse: collapse; margin: 0.2em 0 0.6em; }\n"
    "th, td { padding: 1px 0.8em; text-align: left; vertical-align: top; }\n"
    "th { border-bottom: 1px solid #000; vertical-align: bottom; }\n"
    "th.n { text-align: right; }\n"
    "td.n { text-align: right; font-family: monospace; white-space: nowrap; }\n"
    "thead { display: table-header-group; }\n"
    "tr { break-inside: avoid; }\n"
    "p.titel { font-size: 13pt; font-weight: bold; }\n"
    "p.fuss { margin-top: 2em; font-size: 8pt; color: #444; }\n"
    "@page { size: A4 portrait; margin: 15mm; }\n"
    "@page quer { size: A4 landscape; margin: 15mm; }\n"
    "@media print {\n"
    "  body { max-width: none; margin: 0; padding: 0; }\n"
    "  .tabelle { overflow: visible; }\n"
    "  .quer { page: quer; }\n"
    "  table { font-size: 8pt; }\n"
    "  th, td { padding: 1px 0.4em; }\n"
    "}\n"
    "</style>\n";

}  // namespace

// Cells may hold the user's units. Numbers are written for reading, words
// in German spelling.
void append_page_cell(std::string& out, std::string_view tag, const Cell& cell) {
  out.push_back('<');
  out.append(tag);
  out.append(cell.is_number ? " class=\"n\">" : ">");
  if (cell.has_value) {
    append_escaped(out, reading_text(cell.value));
  } else {
    append_escaped(out, with_umlauts(cell.page_text.empty() ? cell.text : cell.page_text));
  }
  out.append("</");
  out.append(tag);
  out.push_back('>');
}

void append_page_row(std::string& out, const std::vector<Cell>& cells, std::string_view tag) {
  out.append("<tr>");
  for (const Cell& cell : cells) append_page_cell(out, tag, cell);
  out.append("</tr>\n");
}

std::string page_head(const char* heading, const std::string& title) {
  std::string out(kStart);
  out.append("<title>");
  if (!title.empty()) {
    append_escaped(out, title);
    out.append(" - ");
  }
  append_escaped(out, with_umlauts(heading));
  out.append("</title>\n");
  out.append(kStyle);
  out.append("</head>\n<body>\n<h1>");
  append_escaped(out, with_umlauts(heading));
  out.append("</h1>\n");
  if (!title.empty()) {
    out.append("<p class=\"titel\">");
    append_escaped(out, title);
    out.append("</p>\n");
  }
  return out;
}

namespace {

// A table of more columns than a portrait A4 page holds in the print type
// goes on a landscape page, its heading and the word after it with it.
constexpr std::size_t kPortraitColumns = 8;
bool is_wide(const Table& table) { return table.columns.size() > kPortraitColumns; }

void start_table(std::string& out, const Table& table) {
  if (is_wide(table)) out.append("<div class=\"quer\">\n");
  out.append("<h2>");
  append_escaped(out, with_umlauts(table.heading));
  out.append("</h2>\n<div class=\"tabelle\">\n<table>\n<thead><tr>");
  for (const Column& column : table.columns) append_page_cell(out, "th", {column.title, column.is_number});
  out.append("</tr>\n</thead>\n<tbody>\n");
}

void end_table(std::string& out) { out.append("</tbody>\n</table>\n</div>\n"); }

// A table without rows says so in its first column of words.
void append_none(std::string& out, const Table& table) {
  std::vector<Cell> cells;
  bool said = false;
  for (const Column& column : table.columns) {
    bool here = !said && !column.is_number;
    cells.push_back({here ? table.none : std::string(), false});
    said = said || here;
  }
  append_page_row(out, cells, "td");
}

// Where a table has more rows than this, the page shows its first ones and
// says where the rest are: a browser lays out a page of some thousand rows
// in a moment, not one of millions.
constexpr std::uint64_t kMaxPageTableRows = 2000;

// After a table cut short: where all its rows are. Only the value table's
// rows are known in advance (known_rows), and they are in the CSV table
// too; the others' count is not known without making them (0).
void append_cut(std::string& out, std::uint64_t known_rows) {
  out.append("<p>Die Tabelle ist nach ");
  out.append(std::to_string(kMaxPageTableRows));
  if (known_rows == 0) {
    out.append(" Zeilen gekürzt; der Textbericht (--bericht DATEI.txt) enthält alle Zeilen.</p>\n");
    return;
  }
  out.append(" von ");
  out.append(std::to_string(known_rows));
  out.append(
      " Zeilen gekürzt; der Textbericht und die CSV-Tabelle (--bericht DATEI.txt, DATEI.csv)"
      " enthalten alle Zeilen.</p>\n");
}

}  // namespace

void write_page_table(ReportOutput& out, const Table& table) {
  start_table(out.text, table);
  std::vector<Cell> cells;
  std::uint64_t rows = 0;
  bool more = false;
  while (out.error == 0 && table.next_row(cells)) {
    if (rows == kMaxPageTableRows) {
      more = true;
      break;
    }
    append_page_row(out.text, cells, "td");
    write_piece(out);
    rows = rows + 1;
  }
  if (rows == 0 && !table.none.empty()) append_none(out.text, table);
  end_table(out.text);
  if (more) append_cut(out.text, table.known_rows);
  if (is_wide(table)) out.text.append("</div>\n");
}

void append_figure(std::string& out, const std::string& svg) {
  out.append("<div class=\"abbildung\">\n");
  out.append(svg);
  out.append("</div>\n");
}

void append_page_foot(std::string& out) {
  out.append("<p class=\"fuss\">");
  out.append(kProgramName);
  out.push_back(' ');
  append_escaped(out, kProgramVersion);
  out.append("</p>\n</body>\n</html>\n");
}

}  // namespace dlt
