#include "report/beam/text_writer.h"

#include <utility>

#include "report/format/text_table.h"

namespace dlt {

void write_text_report(ReportOutput& out, const CompletePass& pass, const BeamSummary& summary,
                       const Statics& statics, const ReportLabels& labels) {
  UnitNames units = unit_names(labels.units, UnitForm::text);
  write_text_document(out, kReportTitle, labels.title, summary_tables(pass.record, summary, statics, units),
                      value_table(pass, summary, units));
}

std::string text_report(const CompletePass& pass, const BeamSummary& summary, const Statics& statics,
                        const ReportLabels& labels) {
  ReportOutput out;
  write_text_report(out, pass, summary, statics, labels);
  return std::move(out.text);
}

}  // namespace dlt
