// The report files of a pass: the refusal of a table too long to write,
// before any work.
#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "console/stream.h"
#include "engine/register_file.h"
#include "report/beam/beam_files.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;

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

TEST(BeamFiles, TablesOfMoreThanAHundredMillionRowsAreRefusedBeforeAnyWork) {
  ScratchDirectory dir;
  BeamRecord record = record_of_segments(100000);
  EXPECT_EQ(table_rows(record.elements, 1000), 100000001U);
  EXPECT_EQ(table_rows(record_of_segments(99999).elements, 1000), 99999001U);
  ReportSettings settings;
  settings.pieces = 1000;
  console_open_script("");
  RegisterFile R;
  EXPECT_FALSE(write_beam_files({dir.file("r.txt")}, settings, record, R));
  EXPECT_EQ(console_take_output(),
            "Bericht nicht geschrieben: " + dir.file("r.txt") + ": mehr als 100000000 Tabellenzeilen\n");
  EXPECT_EQ(dir.entries(), 0);
}
