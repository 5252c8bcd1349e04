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
#include "report/envelope/walk.h"
#include "report/format/files.h"
#include "report/format/labels.h"
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

// Why a report is not written, where the file is not to blame: memory ran
// out, or the report would ask for more work than any beam needs (a bound
// on the work a report may ask for, however long the script).
// Where a right end follows a refused left end. A refused left end leaves the
// columns cleared, so every condition after it is refused as undetermined
// and this is not expected to happen; should it, no beam was entered.
inline constexpr char kNoLeftEndReason[] = "kein linkes Traegerende in diesem Durchgang";
inline constexpr std::uint64_t kMaxTableRows = 100000000;
inline constexpr char kTooManyRowsReason[] = "mehr als 100000000 Tabellenzeilen";

// Whether a right end has any report to make.
bool wants_reports(const ReportOptions& options);

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
