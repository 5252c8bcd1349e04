// Writing a report file safely: through a temporary file beside it that is
// renamed into place, so that a reader finds the old file or the whole new
// one, never half of one. Only a regular file is ever replaced, and the new
// one keeps the old one's permissions; a signal that ends the program while
// the report is written takes the temporary file with it.
#pragma once

#include <string>
#include <string_view>

#include "report/format/output.h"

namespace dlt {

// Why a name cannot take a report, as the notices say it.
inline constexpr char kNotRegularFile[] = "keine gewoehnliche Datei";
inline constexpr char kIsDirectory[] = "ist ein Verzeichnis";
inline constexpr char kIsProgramInput[] = "ist die Eingabe des Programms";
inline constexpr char kIsProgramOutput[] = "ist die Ausgabe des Programms";

struct ReportFile {
  std::string target;     // the file replaced: the name given, symbolic links followed
  std::string temporary;  // beside the target, in the same directory
  ReportOutput out;       // writes to the temporary file
};

// Checks that path can take a report and opens the temporary file for it,
// with the mode the report will have. Refused, with the reason: a name
// ending in "/", a directory, anything else but a regular file (a device, a
// pipe, a socket), the file the program reads its input from (by any name),
// the file its standard output or standard error goes to, and a file the
// user may not write. Nothing is made then.
bool open_report_file(const std::string& path, ReportFile& file, std::string& reason);

// Writes the rest of the report, puts it on the disk and renames it over the
// target. On failure returns false with the system's reason; the temporary
// file is removed and the target stays as it was.
bool finish_report_file(ReportFile& file, std::string& reason);

// Closes and removes the temporary file; the target stays as it was.
void abandon_report_file(ReportFile& file);

// Writes contents to path by the three steps above.
bool write_file_atomically(const std::string& path, std::string_view contents, std::string& reason);

}  // namespace dlt
