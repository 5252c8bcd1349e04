#include "report/envelope_page.h"

#include "report/envelope_tables.h"
#include "report/html_report.h"

namespace dlt {

void write_envelope_page(ReportOutput& out, const LoadCases& cases, const EnvelopeSummary& summary,
                         const Factors& factors, int pieces, const ReportLabels& labels) {
  out.text.append(page_head(kEnvelopeTitle, labels.title));
  UnitNames units = unit_names(labels.units, UnitForm::page);
  for (const Table& table : envelope_summary_tables(cases, summary, factors, units))
    write_page_table(out, table);
  write_page_table(out, envelope_table(cases, summary, factors, pieces, units));
  append_page_foot(out.text);
}

}  // namespace dlt
