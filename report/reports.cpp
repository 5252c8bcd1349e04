#include "report/reports.h"

#include <cctype>
#include <cstddef>
#include <iterator>

#include "console/console.h"
#include "report/csv_report.h"
#include "report/html_report.h"
#include "report/report_file.h"
#include "report/statics.h"
#include "report/text_report.h"

namespace dlt {

// Where a right end follows a refused left end. A refused left end leaves the
// columns cleared, so every condition after it is refused as undetermined
// and this is not expected to happen; should it, no beam was entered.
constexpr char kNoLeftEndReason[] = "kein linkes Traegerende in diesem Durchgang";

bool wants_reports(const ReportOptions& options) { return options.in_memory || !options.files.empty(); }

// Whether path ends in suffix (lower case), in any case.
static bool ends_in(std::string_view path, std::string_view suffix) {
  if (path.size() < suffix.size()) return false;
  std::string_view end = path.substr(path.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(end[i])) != suffix[i]) return false;
  return true;
}

ReportFormat report_format(std::string_view path) {
  if (ends_in(path, ".csv")) return ReportFormat::csv;
  if (ends_in(path, ".html") || ends_in(path, ".htm")) return ReportFormat::page;
  return ReportFormat::text;
}

static void notice(std::string_view text, const std::string& path, std::string_view reason) {
  std::string line(text);
  line.append(path);
  if (!reason.empty()) {
    line.append(": ");
    line.append(reason);
  }
  line.push_back('\n');
  print(line);
}

bool write_reports(const ReportOptions& options, const BeamRecord& record, const RegisterFile& R) {
  if (!is_complete(record)) {
    for (const std::string& path : options.files)
      notice("Bericht nicht geschrieben: ", path, kNoLeftEndReason);
    return options.files.empty();
  }
  CompletePass pass{record, R, options.pieces};
  BeamSummary summary = summarize_beam(pass);
  Statics statics = beam_statics(record, summary);
  auto make = [&](ReportFormat format) {
    switch (format) {
      case ReportFormat::text:
        return text_report(pass, summary, statics);
      case ReportFormat::csv:
        return csv_report(pass);
      case ReportFormat::page:
        return html_report(pass, summary, statics);
    }
    return std::string();
  };
  constexpr ReportFormat kFormats[] = {ReportFormat::text, ReportFormat::csv, ReportFormat::page};
  if (options.in_memory) {
    for (ReportFormat format : kFormats) make(format);
    return true;
  }
  // Each format is made once, however many files take it.
  std::string made[std::size(kFormats)];
  bool all_written = true;
  for (const std::string& path : options.files) {
    ReportFormat format = report_format(path);
    std::string& contents = made[static_cast<std::size_t>(format)];
    if (contents.empty()) contents = make(format);
    std::string reason;
    if (write_file_atomically(path, contents, reason)) {
      notice("Bericht geschrieben: ", path, "");
    } else {
      notice("Bericht nicht geschrieben: ", path, reason);
      all_written = false;
    }
  }
  return all_written;
}

}  // namespace dlt
