#include "report/reports.h"

#include <cstdint>
#include <new>

#include "report/beam/csv_writer.h"
#include "report/beam/page_writer.h"
#include "report/beam/statics.h"
#include "report/beam/text_writer.h"
#include "report/format/files.h"

namespace dlt {

bool wants_reports(const ReportOptions& options) {
  return options.in_memory || !options.files.empty() || !options.envelope_files.empty();
}

namespace {

void write_report(ReportOutput& out, ReportFormat format, const CompletePass& pass,
                  const BeamSummary& summary, const Statics& statics, const ReportLabels& labels) {
  switch (format) {
    case ReportFormat::text:
      write_text_report(out, pass, summary, statics, labels);
      return;
    case ReportFormat::csv:
      write_csv_report(out, pass);
      return;
    case ReportFormat::page:
      write_html_report(out, pass, summary, statics, labels);
      return;
  }
}

}  // namespace

bool write_reports(const ReportOptions& options, const BeamRecord& record, const RegisterFile& R) {
  static constexpr std::string_view kWhat = "Bericht";
  if (options.files.empty() && !options.in_memory) return true;
  if (record.out_of_memory) return refuse_report_files(options.files, kWhat, kNoMemoryReason);
  if (!is_complete(record)) return refuse_report_files(options.files, kWhat, kNoLeftEndReason);
  if (table_rows(record.elements, options.pieces) > kMaxTableRows)
    return refuse_report_files(options.files, kWhat, kTooManyRowsReason);
  RegisterFile start;
  BeamSummary summary;
  Statics statics;
  CompletePass pass{record, start, options.pieces};
  // Each file replays the beam again, so that no table is ever held whole.
  ReportWriter write = [&](ReportOutput& out, ReportFormat format) {
    write_report(out, format, pass, summary, statics, options.labels);
  };
  try {
    // Every walk of the reports starts from this copy.
    start = closed_copy(R);
    summary = summarize_beam(pass);
    statics = beam_statics(record, summary);
    if (options.in_memory) write_in_memory(write);
  } catch (const std::bad_alloc&) {
    return refuse_report_files(options.files, kWhat, kNoMemoryReason);
  }
  return write_report_files(options.files, kWhat, "", write);
}

}  // namespace dlt
