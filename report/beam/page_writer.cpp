#include "report/beam/page_writer.h"

#include <string>
#include <utility>

#include "report/beam/curves.h"
#include "report/beam/diagrams.h"
#include "report/beam/sketch.h"
#include "report/beam/stress_diagram.h"
#include "report/beam/tables.h"
#include "report/format/page.h"
#include "report/format/svg.h"

namespace dlt {

namespace {

// The drawings share one scale, from the leftmost to the rightmost point of
// the beam.
XScale beam_scale(const BeamSummary& summary) {
  if (!(summary.x_min <= summary.x_max)) return x_scale(0, 0);
  return x_scale(summary.x_min, summary.x_max);
}

}  // namespace

void write_html_report(ReportOutput& out, const CompletePass& pass, const BeamSummary& summary,
                       const Statics& statics, const ReportLabels& labels) {
  out.text.append(page_head(kReportTitle, labels.title));
  UnitNames units = unit_names(labels.units, UnitForm::page);
  XScale scale = beam_scale(summary);
  out.text.append("<h2>Träger</h2>\n");
  append_figure(out.text, beam_sketch_svg(pass.record, statics, scale, units));
  write_piece(out);
  out.text.append("<h2>Zustandslinien</h2>\n");
  Curves curves = trace_curves(pass, summary, scale);
  for (Quantity q : kQuantities) {
    append_figure(out.text, diagram_svg(curves.of[quantity_index(q)], pass.record, summary, scale, q, units));
    write_piece(out);
  }
  std::string stress = stress_diagram_svg(pass, scale, units);
  if (!stress.empty()) append_figure(out.text, stress);
  for (const Table& table : summary_tables(pass.record, summary, statics, units))
    write_page_table(out, table);
  write_page_table(out, value_table(pass, summary, units));
  append_page_foot(out.text);
}

std::string html_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics,
                        const ReportLabels& labels) {
  ReportOutput out;
  write_html_report(out, pass, summary, statics, labels);
  return std::move(out.text);
}

}  // namespace dlt
