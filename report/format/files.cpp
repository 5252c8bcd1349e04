#include "report/format/files.h"

#include <cctype>
#include <cstddef>
#include <new>

#include "console/console.h"
#include "console/shown_name.h"
#include "report/format/safe_file.h"

namespace dlt {

namespace {

// Whether path ends in suffix (lower case), in any case.
bool ends_in(std::string_view path, std::string_view suffix) {
  if (path.size() < suffix.size()) return false;
  std::string_view end = path.substr(path.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(end[i])) != suffix[i]) return false;
  return true;
}

void notice_not_written(std::string_view what, const std::string& path, std::string_view reason) {
  std::string line(what);
  line.append(" nicht geschrieben: ");
  line.append(shown_name(path));
  line.append(": ");
  line.append(reason);
  line.push_back('\n');
  print_failure(line);
}

// Writes one file, and where to_console is set its text to standard output
// as well (teed says it was); false with the reason where it is not written.
bool write_report_file(const std::string& path, const ReportWriter& write, bool to_console, bool& teed,
                       std::string& reason) {
  ReportFile file;
  if (!open_report_file(path, file, reason)) return false;
  file.out.to_console = to_console;
  teed = to_console;
  try {
    write(file.out, report_format(path));
  } catch (const std::bad_alloc&) {
    abandon_report_file(file);
    reason = kNoMemoryReason;
    return false;
  }
  return finish_report_file(file, reason);
}

// In place of a text that standard output would have had.
void refuse_standard_output(std::string_view what, std::string_view reason) {
  std::string line(what);
  line.append(" nicht ausgegeben: ");
  line.append(reason);
  line.push_back('\n');
  print_failure(line);
}

}  // namespace

ReportFormat report_format(std::string_view path) {
  if (ends_in(path, ".csv")) return ReportFormat::csv;
  if (ends_in(path, ".html") || ends_in(path, ".htm")) return ReportFormat::page;
  return ReportFormat::text;
}

bool refuse_report_files(const std::vector<std::string>& files, std::string_view what,
                         std::string_view reason, bool standard_output) {
  if (standard_output) refuse_standard_output(what, reason);
  for (const std::string& path : files) notice_not_written(what, path, reason);
  return files.empty() && !standard_output;
}

void write_in_memory(const ReportWriter& write) {
  for (ReportFormat format : {ReportFormat::text, ReportFormat::csv, ReportFormat::page}) {
    ReportOutput out;
    write(out, format);
  }
}

void write_standard_output(const ReportWriter& write) {
  ReportOutput out;
  out.to_console = true;
  write(out, ReportFormat::text);
  write_rest(out);
}

bool write_report_files(const std::vector<std::string>& files, std::string_view what,
                        std::string_view written_note, const ReportWriter& write, bool text_to_console) {
  bool all_written = true;
  bool teed = false;
  for (const std::string& path : files) {
    std::string reason;
    bool tee = text_to_console && !teed && report_format(path) == ReportFormat::text;
    if (write_report_file(path, write, tee, teed, reason)) {
      std::string line(what);
      line.append(" geschrieben: ");
      line.append(shown_name(path));
      line.append(written_note);
      line.push_back('\n');
      print_notice(line);
    } else {
      notice_not_written(what, path, reason);
      all_written = false;
    }
  }
  // The text made once serves a text file and standard output alike.
  if (text_to_console && !teed) write_standard_output(write);
  return all_written;
}

}  // namespace dlt
