#include "report/beam/beam_files.h"

#include <new>
#include <string_view>

#include "report/beam/csv_writer.h"
#include "report/beam/page_writer.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/beam/text_writer.h"
#include "report/format/files.h"
#include "report/pass/refusals.h"
#include "report/pass/replay.h"

namespace dlt {

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

bool write_beam_files(const std::vector<std::string>& files, const ReportSettings& settings,
                      const BeamRecord& record, const RegisterFile& R) {
  static constexpr std::string_view kWhat = "Bericht";
  if (files.empty() && !settings.in_memory && !settings.to_standard_output) return true;
  std::string_view reason = record_refusal(record);
  if (reason.empty()) reason = work_refusal(table_rows(record.elements, settings.pieces));
  if (!reason.empty()) return refuse_report_files(files, kWhat, reason, settings.to_standard_output);
  RegisterFile start;
  BeamSummary summary;
  Statics statics;
  CompletePass pass{record, start, settings.pieces};
  // Each file replays the beam again, so that no table is ever held whole.
  ReportWriter write = [&](ReportOutput& out, ReportFormat format) {
    write_report(out, format, pass, summary, statics, settings.labels);
  };
  try {
    // Every walk of the reports starts from this copy.
    start = closed_copy(R);
    summary = summarize_beam(pass);
    summary.chosen = settings.places;
    statics = beam_statics(record, summary);
    if (settings.in_memory) write_in_memory(write);
  } catch (const std::bad_alloc&) {
    return refuse_report_files(files, kWhat, kNoMemoryReason, settings.to_standard_output);
  }
  return write_report_files(files, kWhat, "", write, settings.to_standard_output);
}

}  // namespace dlt
