#include "report/envelope/envelope_files.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
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

// The count of the load cases in a file's notice, with those that are not
// finite: the first five by number, and how many more.
std::string counted_cases(const EnvelopeSummary& summary, std::size_t count) {
  constexpr std::size_t kNamed = 5;
  std::string named;
  std::size_t not_finite = 0;
  for (std::size_t c = 0; c < summary.not_finite.size(); ++c) {
    if (!summary.not_finite[c]) continue;
    ++not_finite;
    if (not_finite > kNamed) continue;
    if (!named.empty()) named += ", ";
    named += std::to_string(c + 1);
  }
  std::string text = " (" + std::to_string(count) + " Lastfaelle";
  if (not_finite > 0) {
    text += not_finite == 1 ? "; Lastfall " : "; Lastfaelle ";
    text += named;
    if (not_finite > kNamed) text += " und " + std::to_string(not_finite - kNamed) + " weitere";
    text += " nicht endlich";
  }
  return text + ")";
}

}  // namespace

TakenCase take_load_case(CasesByBeam& beams, const BeamRecord& record, const RegisterFile& R) {
  TakenCase taken;
  // No load case can be taken from such a pass; the cases stay as they are.
  taken.refusal = record_refusal(record);
  if (!taken.refusal.empty()) return taken;
  try {
    taken.joined = join_load_case(beams, record, R);
  } catch (const std::bad_alloc&) {
    taken.refusal = kNoMemoryReason;
  }
  return taken;
}

bool write_envelope_files(const std::vector<std::string>& files, const ReportSettings& settings,
                          const Factors& factors, const CasesByBeam& beams, const TakenCase& taken) {
  if (files.empty() && !settings.in_memory) return true;
  if (!taken.refusal.empty()) return refuse_report_files(files, kWhat, taken.refusal);
  print_beam_change(taken.joined);
  return write_envelope_of(files, settings, factors, last_beam(beams));
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
  return write_report_files(files, kWhat, counted_cases(summary, cases.cases.size()), write,
                            settings.to_standard_output);
}

std::string beam_change_notice(const CaseJoined& joined) {
  switch (joined.change) {
    case BeamChange::same:
      return "";
    case BeamChange::new_beam:
      return "neuer Traeger (" + joined.difference + "), Lastfaelle beginnen bei 1\n";
    case BeamChange::returned: {
      std::size_t n = joined.earlier_cases;
      std::string text = "zurueck zum Traeger ";
      if (n == 1)
        text += "des Lastfalls 1";
      else
        text += "der Lastfaelle 1 " + std::string(n == 2 ? "und " : "bis ") + std::to_string(n);
      if (joined.number > 0) text += ", weiter mit Lastfall " + std::to_string(joined.number);
      return text + "\n";
    }
  }
  return "";
}

void print_beam_change(const CaseJoined& joined) {
  if (joined.change == BeamChange::same) return;
  print_failure(beam_change_notice(joined));
}

}  // namespace dlt
