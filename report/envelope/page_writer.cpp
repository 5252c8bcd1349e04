#include "report/envelope/page_writer.h"

#include <cstddef>
#include <string>
#include <vector>

#include "report/beam/page_writer.h"
#include "report/beam/sketch.h"
#include "report/envelope/diagrams.h"
#include "report/envelope/load_case_sketch.h"
#include "report/envelope/tables.h"
#include "report/format/left_out.h"
#include "report/format/page.h"
#include "report/format/svg.h"

namespace dlt {

namespace {

// The sketch draws a band for each of the first this many load cases: more
// would make it longer than a printed page. The table of the load cases
// lists them all.
constexpr std::size_t kMostSketchedCases = 16;

// The drawings share one scale, from the leftmost to the rightmost x of the
// envelope's rows.
XScale envelope_scale(const EnvelopeSummary& summary) {
  if (summary.rows == 0) return x_scale(0, 0);
  return x_scale(summary.x_range.lo, summary.x_range.hi);
}

}  // namespace

void write_envelope_page(ReportOutput& out, const EnvelopeRun& run, const EnvelopeSummary& summary,
                         const ReportLabels& labels) {
  const LoadCases& cases = run.cases;
  out.text.append(page_head(kEnvelopeTitle, labels.title));
  UnitNames units = unit_names(labels.units, UnitForm::page);
  XScale scale = envelope_scale(summary);
  std::vector<const BeamRecord*> sketched;
  for (const LoadCase& c : cases.cases) {
    if (sketched.size() == kMostSketchedCases) break;
    sketched.push_back(&c.record);
  }
  out.text.append("<h2>Träger</h2>\n");
  append_figure(out.text, load_case_sketch_svg(sketched, scale, units));
  if (sketched.size() < cases.cases.size()) {
    out.text.append("<p>Die Skizze zeigt die Lasten der Lastfälle 1 bis ");
    out.text.append(std::to_string(sketched.size()));
    out.text.append(" von ");
    out.text.append(std::to_string(cases.cases.size()));
    out.text.append("; die Tabelle der Lastfälle nennt alle.</p>\n");
  }
  write_piece(out);
  out.text.append("<h2>Grenzlinien</h2>\n");
  out.text.append("<p>w charakteristisch (alle Faktoren 1), M und Q mit den Teilsicherheitsbeiwerten.</p>\n");
  for (const EnvelopeDiagram& d : envelope_diagrams(run, summary, scale, units)) {
    // What a diagram has no room to label is listed below it, with it.
    append_figure(out.text, d.svg + left_out_html(d.left_out, d.q, units));
    write_piece(out);
  }
  for (const Table& table : envelope_summary_tables(run, summary, units)) write_page_table(out, table);
  write_page_table(out, envelope_table(run, summary, units));
  append_page_foot(out.text);
}

}  // namespace dlt
