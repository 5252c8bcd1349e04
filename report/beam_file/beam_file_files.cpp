#include "report/beam_file/beam_file_files.h"

#include <algorithm>
#include <cstddef>
#include <new>

#include "report/beam_file/beam_file_text.h"
#include "report/format/files.h"
#include "report/format/output.h"

namespace dlt {

namespace {

constexpr std::string_view kWhat = "Traegerdatei";

// Hands the text to the file a piece at a time, as the other writers do.
void write_text(ReportOutput& out, const std::string& text) {
  constexpr std::size_t kPiece = std::size_t{64} * 1024;
  for (std::size_t at = 0; at < text.size(); at += kPiece) {
    out.text.append(text, at, std::min(kPiece, text.size() - at));
    write_piece(out);
  }
}

}  // namespace

bool write_beam_file_files(const std::vector<std::string>& files, const ReportSettings& settings,
                           const LoadCases& cases) {
  if (files.empty() && !settings.in_memory) return true;
  std::string text;
  // Every file is a beam file, whatever its name asks for.
  ReportWriter write = [&text](ReportOutput& out, ReportFormat) { write_text(out, text); };
  try {
    std::string reason;
    if (!beam_file_text(cases, settings.labels, text, reason))
      return refuse_report_files(files, kWhat, reason);
    if (settings.in_memory) write_in_memory(write);
  } catch (const std::bad_alloc&) {
    return refuse_report_files(files, kWhat, kNoMemoryReason);
  }
  return write_report_files(files, kWhat, " (" + std::to_string(cases.cases.size()) + " Lastfaelle)", write);
}

bool refuse_beam_file_files(const std::vector<std::string>& files, std::string_view reason) {
  return refuse_report_files(files, kWhat, reason);
}

}  // namespace dlt
