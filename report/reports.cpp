#include "report/reports.h"

#include <cctype>
#include <cstddef>

#include "console/console.h"
#include "report/csv_report.h"
#include "report/report_file.h"
#include "report/statics.h"
#include "report/text_report.h"

namespace dlt {

// Where a right end follows a refused left end. A refused left end leaves the
// columns cleared, so every condition after it is refused as undetermined
// and this is not expected to happen; should it, no beam was entered.
constexpr char kNoLeftEndReason[] = "kein linkes Traegerende in diesem Durchgang";

bool wants_reports(const ReportOptions& options) { return options.in_memory || !options.files.empty(); }

bool is_csv_name(std::string_view path) {
  constexpr std::string_view kSuffix = ".csv";
  if (path.size() < kSuffix.size()) return false;
  std::string_view end = path.substr(path.size() - kSuffix.size());
  for (std::size_t i = 0; i < kSuffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(end[i])) != kSuffix[i]) return false;
  return true;
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
  BeamCourse course = replay_beam(record, R, options.pieces);
  auto make = [&](bool as_csv) {
    return as_csv ? csv_report(course)
                  : text_report(record, course, beam_statics(record, course), options.pieces);
  };
  if (options.in_memory) {
    make(false);
    make(true);
    return true;
  }
  // Each format is made once, however many files take it.
  std::string text;
  std::string csv;
  bool all_written = true;
  for (const std::string& path : options.files) {
    bool as_csv = is_csv_name(path);
    std::string& contents = as_csv ? csv : text;
    if (contents.empty()) contents = make(as_csv);
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
