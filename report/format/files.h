// The files the reports are written to: the format a name asks for, the
// writing of each file safely (report/format/safe_file.h) with its notice,
// and the notices of files that are not written.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/format/output.h"

namespace dlt {

// Why a file is not written, where the file is not to blame: memory ran out.
inline constexpr char kNoMemoryReason[] = "Speicher reicht nicht";

// What a report file holds, by the end of its name in any case: the CSV
// table (".csv"), the page with the drawings (".html", ".htm") or else the
// text report.
enum class ReportFormat { text, csv, page };
ReportFormat report_format(std::string_view path);

// Writes a report, or an envelope file, in a format to out.
using ReportWriter = std::function<void(ReportOutput& out, ReportFormat format)>;

// Writes each file by write, in the format its name asks for and safely, and
// prints for each "WHAT geschrieben: FILE" with written_note after it, or
// "WHAT nicht geschrieben: FILE: reason", the latter on standard error too
// where standard output is not a terminal. A file for which memory runs out
// is not written. Where text_to_console is set, the text format goes to
// standard output as well, made once with the first text file. False where
// one or more was not written.
bool write_report_files(const std::vector<std::string>& files, std::string_view what,
                        std::string_view written_note, const ReportWriter& write,
                        bool text_to_console = false);

// Where nothing can be written, each file says why, and where
// standard_output is set, "WHAT nicht ausgegeben: reason" stands for the
// text standard output would have had; true where there is nothing of it.
bool refuse_report_files(const std::vector<std::string>& files, std::string_view what,
                         std::string_view reason, bool standard_output = false);

// Makes every format in memory and writes none: the reports' fuzz target's
// way.
void write_in_memory(const ReportWriter& write);

// Writes the text format to standard output, through the console.
void write_standard_output(const ReportWriter& write);

}  // namespace dlt
