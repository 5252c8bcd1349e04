#include "report/envelope/envelope_files.h"

#include <cstdint>
#include <new>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "report/envelope/csv_writer.h"
#include "report/envelope/page_writer.h"
#include "report/envelope/tables.h"
#include "report/envelope/text_writer.h"
#include "report/envelope/walk.h"
#include "report/format/files.h"
#include "report/pass/refusals.h"

namespace dlt {

namespace {

constexpr std::string_view kWhat = "Grenzwerte";

void write_envelope(ReportOutput& out, ReportFormat format, const EnvelopeRun& run,
                    const EnvelopeSummary& summary, const ReportLabels& labels) {
  switch (format) {
    case ReportFormat::text:
      write_envelope_text(out, run, summary, labels);
      return;
    case ReportFormat::csv:
      write_envelope_csv(out, run);
      return;
    case ReportFormat::page:
      write_envelope_page(out, run, summary, labels);
      return;
  }
}

// Why an envelope is too much work to write: each of its rows holds every
// load case's values, so its rows times its load cases are what the bound
// on the work counts.
std::string_view envelope_refusal(const LoadCases& cases, int pieces) {
  std::uint64_t count = cases.cases.size();
  if (envelope_rows_at_most(cases, pieces, kMaxTableRows / count)) return {};
  return kTooManyCaseRowsReason;
}

}  // namespace

TakenCase take_load_case(LoadCases& cases, const BeamRecord& record, const RegisterFile& R) {
  TakenCase taken;
  // No load case can be taken from such a pass; the cases stay as they are.
  taken.refusal = record_refusal(record);
  if (!taken.refusal.empty()) return taken;
  try {
    taken.added = add_load_case(cases, record, R);
  } catch (const std::bad_alloc&) {
    taken.refusal = kNoMemoryReason;
  }
  return taken;
}

bool write_envelope_files(const std::vector<std::string>& files, const ReportSettings& settings,
                          const Factors& factors, const LoadCases& cases, const TakenCase& taken) {
  if (files.empty() && !settings.in_memory) return true;
  if (!taken.refusal.empty()) return refuse_report_files(files, kWhat, taken.refusal);
  if (taken.added == CaseAdded::new_beam) print_notice(kNewBeamNotice);
  return write_envelope_of(files, settings, factors, cases);
}

bool write_envelope_of(const std::vector<std::string>& files, const ReportSettings& settings,
                       const Factors& factors, const LoadCases& cases) {
  EnvelopeRun run{cases, factors, settings.pieces};
  EnvelopeSummary summary;
  ReportWriter write = [&](ReportOutput& out, ReportFormat format) {
    write_envelope(out, format, run, summary, settings.labels);
  };
  try {
    std::string_view reason = envelope_refusal(cases, settings.pieces);
    if (!reason.empty()) return refuse_report_files(files, kWhat, reason, settings.to_standard_output);
    summary = summarize_envelope(run);
    if (settings.in_memory) write_in_memory(write);
  } catch (const std::bad_alloc&) {
    return refuse_report_files(files, kWhat, kNoMemoryReason, settings.to_standard_output);
  }
  return write_report_files(files, kWhat, " (" + std::to_string(cases.cases.size()) + " Lastfaelle)", write,
                            settings.to_standard_output);
}

}  // namespace dlt
