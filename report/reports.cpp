#include "report/reports.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <new>

#include "console/console.h"
#include "report/beam/csv_writer.h"
#include "report/beam/page_writer.h"
#include "report/beam/statics.h"
#include "report/beam/text_writer.h"
#include "report/format/safe_file.h"

namespace dlt {

#ifndef DLT_VERSION
#define DLT_VERSION "unbekannt"
#endif

const char kProgramName[] = "durchlauftraeger";
const char kProgramVersion[] = DLT_VERSION;

// Where a right end follows a refused left end. A refused left end leaves the
// columns cleared, so every condition after it is refused as undetermined
// and this is not expected to happen; should it, no beam was entered.

bool wants_reports(const ReportOptions& options) {
  return options.in_memory || !options.files.empty() || !options.envelope_files.empty();
}

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

// The name as the notices print it: control characters, and the C1
// controls as UTF-8 writes them, escaped, so that a name can neither break
// the line nor send the terminal a command.
std::string shown_name(std::string_view path) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown;
  for (std::size_t i = 0; i < path.size(); ++i) {
    auto c = static_cast<unsigned char>(path[i]);
    bool c1 = c == 0xC2 && i + 1 < path.size() && static_cast<unsigned char>(path[i + 1]) < 0xA0 &&
              static_cast<unsigned char>(path[i + 1]) >= 0x80;
    if (c >= 0x20 && c != 0x7F && !c1) {
      shown.push_back(static_cast<char>(c));
    } else if (c == '\n') {
      shown.append("\\n");
    } else if (c == '\t') {
      shown.append("\\t");
    } else if (c == '\r') {
      shown.append("\\r");
    } else {
      for (std::size_t k = i; k <= (c1 ? i + 1 : i); ++k) {
        auto byte = static_cast<unsigned char>(path[k]);
        shown.append("\\x");
        shown.push_back(kHex[byte >> 4]);
        shown.push_back(kHex[byte & 15]);
      }
      if (c1) ++i;
    }
  }
  return shown;
}

namespace {

void notice_not_written(std::string_view what, const std::string& path, std::string_view reason) {
  std::string line(what);
  line.append(" nicht geschrieben: ");
  line.append(shown_name(path));
  line.append(": ");
  line.append(reason);
  line.push_back('\n');
  print_failure(line);
}

// Writes one file; false with the reason where it is not written.
bool write_report_file(const std::string& path, const ReportWriter& write, std::string& reason) {
  ReportFile file;
  if (!open_report_file(path, file, reason)) return false;
  try {
    write(file.out, report_format(path));
  } catch (const std::bad_alloc&) {
    abandon_report_file(file);
    reason = kNoMemoryReason;
    return false;
  }
  return finish_report_file(file, reason);
}

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

bool refuse_report_files(const std::vector<std::string>& files, std::string_view what,
                         std::string_view reason) {
  for (const std::string& path : files) notice_not_written(what, path, reason);
  return files.empty();
}

void write_in_memory(const ReportWriter& write) {
  for (ReportFormat format : {ReportFormat::text, ReportFormat::csv, ReportFormat::page}) {
    ReportOutput out;
    write(out, format);
  }
}

bool write_report_files(const std::vector<std::string>& files, std::string_view what,
                        std::string_view written_note, const ReportWriter& write) {
  bool all_written = true;
  for (const std::string& path : files) {
    std::string reason;
    if (write_report_file(path, write, reason)) {
      std::string line(what);
      line.append(" geschrieben: ");
      line.append(shown_name(path));
      line.append(written_note);
      line.push_back('\n');
      print(line);
    } else {
      notice_not_written(what, path, reason);
      all_written = false;
    }
  }
  return all_written;
}

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
