// What the door to the reports tells the user: file names in its notices,
// and the refusal of a table too long to write.
#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "console/stream.h"
#include "engine/register_file.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"
#include "report/reports.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;

TEST(ReportNotices, FileNamesHaveTheirControlCharactersEscaped) {
  EXPECT_EQ(shown_name("bericht.txt"), "bericht.txt");
  EXPECT_EQ(shown_name("a\nb\tc\r"), "a\\nb\\tc\\r");
  // Escape sequences, DEL and the C1 controls as UTF-8 writes them (CSI
  // here); other UTF-8 letters stay as they are.
  EXPECT_EQ(shown_name("\x1b[2J\x7f\xc2\x9b\xc3\xbc"), "\\x1b[2J\\x7f\\xc2\\x9b\xc3\xbc");
  EXPECT_EQ(shown_name(std::string("a\0b", 3)), "a\\x00b");
}

namespace {

// A record of a left end, n segments and a right end: all a row count and
// the refusal before any work look at.
BeamRecord record_of_segments(std::size_t n) {
  BeamRecord record;
  record.open = true;
  record.elements.push_back({.kind = ElementKind::left_end});
  record.elements.resize(n + 1, {.kind = ElementKind::beam_segment, .length = 1});
  record.elements.push_back({.kind = ElementKind::right_end});
  return record;
}

}  // namespace

TEST(ReportNotices, TablesOfMoreThanAHundredMillionRowsAreRefusedBeforeAnyWork) {
  ScratchDirectory dir;
  BeamRecord record = record_of_segments(100000);
  EXPECT_EQ(table_rows(record.elements, 1000), 100000001U);
  EXPECT_EQ(table_rows(record_of_segments(99999).elements, 1000), 99999001U);
  ReportOptions options;
  options.files = {dir.file("r.txt")};
  options.pieces = 1000;
  console_open_script("");
  RegisterFile R;
  EXPECT_FALSE(write_reports(options, record, R));
  EXPECT_EQ(console_take_output(),
            "Bericht nicht geschrieben: " + dir.file("r.txt") + ": mehr als 100000000 Tabellenzeilen\n");
  EXPECT_EQ(dir.entries(), 0);
}
