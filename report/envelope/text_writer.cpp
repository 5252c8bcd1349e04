#include "report/envelope/text_writer.h"

#include "report/envelope/tables.h"
#include "report/format/text_table.h"

namespace dlt {

void write_envelope_text(ReportOutput& out, const EnvelopeRun& run, const EnvelopeSummary& summary,
                         const ReportLabels& labels) {
  UnitNames units = unit_names(labels.units, UnitForm::text);
  write_text_document(out, kEnvelopeTitle, labels.title, envelope_summary_tables(run, summary, units),
                      envelope_table(run, summary, units));
}

}  // namespace dlt
