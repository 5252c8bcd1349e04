#include "report/envelope/envelope_files.h"

#include <cstdint>
#include <new>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "report/envelope/csv_writer.h"
#include "report/envelope/page_writer.h"
#include "report/envelope/text_writer.h"

namespace dlt {

namespace {

constexpr std::string_view kWhat = "Grenzwerte";

void write_envelope(ReportOutput& out, ReportFormat format, const LoadCases& cases,
                    const EnvelopeSummary& summary, const ReportOptions& options) {
  switch (format) {
    case ReportFormat::text:
      write_envelope_text(out, cases, summary, options.factors, options.pieces, options.labels);
      return;
    case ReportFormat::csv:
      write_envelope_csv(out, cases, options.factors, options.pieces);
      return;
    case ReportFormat::page:
      write_envelope_page(out, cases, summary, options.factors, options.pieces, options.labels);
      return;
  }
}

// The work an envelope asks for: its rows times its load cases.
bool too_much_work(const LoadCases& cases, int pieces) {
  std::uint64_t rows = envelope_rows(cases, pieces);
  return rows > kMaxTableRows || rows * cases.cases.size() > kMaxTableRows;
}

}  // namespace

bool wants_envelopes(const ReportOptions& options) {
  return options.in_memory || !options.envelope_files.empty();
}

bool write_envelopes(const ReportOptions& options, LoadCases& cases, const BeamRecord& record,
                     const RegisterFile& R) {
  if (!wants_envelopes(options)) return true;
  const std::vector<std::string>& files = options.envelope_files;
  // No load case can be taken from such a pass; the files keep what they hold.
  if (record.out_of_memory) return refuse_report_files(files, kWhat, kNoMemoryReason);
  if (!is_complete(record)) return refuse_report_files(files, kWhat, kNoLeftEndReason);
  EnvelopeSummary summary;
  ReportWriter write = [&](ReportOutput& out, ReportFormat format) {
    write_envelope(out, format, cases, summary, options);
  };
  try {
    if (add_load_case(cases, record, R) == CaseAdded::new_beam) print(kNewBeamNotice);
    if (too_much_work(cases, options.pieces)) return refuse_report_files(files, kWhat, kTooManyRowsReason);
    summary = summarize_envelope(cases, options.factors, options.pieces);
    if (options.in_memory) write_in_memory(write);
  } catch (const std::bad_alloc&) {
    return refuse_report_files(files, kWhat, kNoMemoryReason);
  }
  return write_report_files(files, kWhat, " (" + std::to_string(cases.cases.size()) + " Lastfaelle)", write);
}

}  // namespace dlt
