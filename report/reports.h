// The reports a right end writes: which files, how finely the table divides
// the segments, and the writing of each with its notice.
//
// report/ is what --bericht adds to the program: the record of a pass's
// elements, their replay through the engine one row at a time, the summary
// and statics of the beam, the tables as data, and thin writers for the text
// report, the CSV table and the page. It includes engine/ and console/;
// neither of them, nor anything but app/, includes report/.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/register_file.h"
#include "report/beam/tables.h"
#include "report/envelope/combination.h"
#include "report/format/output.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"

namespace dlt {

struct ReportOptions {
  std::vector<std::string> files;
  int pieces = kDefaultPieces;
  // The title and units of --titel and --einheiten, for the text report
  // and the page.
  ReportLabels labels;
  // The envelope files of --grenzwerte and the factors of --faktoren.
  std::vector<std::string> envelope_files;
  Factors factors;
  // Builds every kind of report of every completed pass without writing or
  // announcing them: the fuzz target feeds the replay arbitrary input so.
  bool in_memory = false;
};

// The program's name and version, as the foot of the page gives them.
extern const char kProgramName[];
extern const char kProgramVersion[];

// Why a report is not written, where the file is not to blame: memory ran
// out, or the report would ask for more work than any beam needs (a bound
// on the work a report may ask for, however long the script).
// Where a right end follows a refused left end. A refused left end leaves the
// columns cleared, so every condition after it is refused as undetermined
// and this is not expected to happen; should it, no beam was entered.
inline constexpr char kNoLeftEndReason[] = "kein linkes Traegerende in diesem Durchgang";
inline constexpr char kNoMemoryReason[] = "Speicher reicht nicht";
inline constexpr std::uint64_t kMaxTableRows = 100000000;
inline constexpr char kTooManyRowsReason[] = "mehr als 100000000 Tabellenzeilen";

// Whether a right end has any report to make.
bool wants_reports(const ReportOptions& options);

// What a report file holds, by the end of its name in any case: the CSV
// table (".csv"), the page with the drawings (".html", ".htm") or else the
// text report.
enum class ReportFormat { text, csv, page };
ReportFormat report_format(std::string_view path);

// A file name as the notices print it: control characters escaped ("\n",
// "\x1b"), so that a name can neither break the line nor command the terminal.
std::string shown_name(std::string_view path);

// Writes a report, or an envelope file, in a format to out.
using ReportWriter = std::function<void(ReportOutput& out, ReportFormat format)>;

// Writes each file by write, in the format its name asks for and safely (see
// report/report_file.h), and prints for each "WHAT geschrieben: FILE" with
// written_note after it, or "WHAT nicht geschrieben: FILE: reason", the
// latter on standard error too where standard output is not a terminal. A
// file for which memory runs out is not written. False where one or more
// was not written.
bool write_report_files(const std::vector<std::string>& files, std::string_view what,
                        std::string_view written_note, const ReportWriter& write);

// Where nothing can be written, each file says why; true where there are
// none.
bool refuse_report_files(const std::vector<std::string>& files, std::string_view what,
                         std::string_view reason);

// Makes every format in memory and writes none: the fuzz target's way.
void write_in_memory(const ReportWriter& write);

// Writes every report file for the pass just completed by a right end, whose
// commands are in record and whose solution is in R, and prints for each
// "Bericht geschrieben: FILE" or "Bericht nicht geschrieben: FILE: reason",
// the latter on standard error too where standard output is not a terminal.
// Nothing is written where the record ran out of memory or the tables would
// have more than 100 million rows; where memory runs out while a file is
// written, that file is not written. False where one or more was not
// written.
bool write_reports(const ReportOptions& options, const BeamRecord& record, const RegisterFile& R);

}  // namespace dlt
