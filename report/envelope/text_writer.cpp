#include "report/envelope/text_writer.h"

#include "report/envelope/tables.h"
#include "report/format/text_table.h"

namespace dlt {

void write_envelope_text(ReportOutput& out, const LoadCases& cases, const EnvelopeSummary& summary,
                         const Factors& factors, int pieces, const ReportLabels& labels) {
  UnitNames units = unit_names(labels.units, UnitForm::text);
  write_text_document(out, kEnvelopeTitle, labels.title,
                      envelope_summary_tables(cases, summary, factors, units),
                      envelope_table(cases, summary, factors, pieces, units));
}

}  // namespace dlt
