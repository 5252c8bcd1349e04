// A libFuzzer target for beam files: arbitrary bytes as the TOML text, read,
// checked and built into passes, and where that succeeds and the beam is
// small, reported as the program would, every format made in memory and
// the text collected instead of printed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/beam_file_run.h"
#include "console/stream.h"
#include "model/beam_file.h"
#include "model/passes.h"
#include "report/reports.h"

namespace {

// Text of this size reads in microseconds; the reports of a beam as long
// as these bounds allow cost the instrumented build a few milliseconds.
constexpr std::size_t kMaxInputBytes = 4096;
constexpr std::size_t kMaxElements = 96;
constexpr std::size_t kMaxLoadCases = 6;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInputBytes) return -1;
  std::string text(reinterpret_cast<const char*>(data), size);
  dlt::BeamFile file;
  dlt::FileFault fault;
  dlt::BeamPasses passes;
  if (!dlt::read_beam_file(text, file, fault) || !dlt::build_passes(file, {}, passes, fault)) return 0;
  if (passes.together.elements.size() > kMaxElements || passes.cases.size() > kMaxLoadCases) return 0;
  dlt::console_open_script("");
  dlt::ReportOptions options;
  options.in_memory = true;
  dlt::report_beam_file(options, dlt::reports_of(passes));
  dlt::console_take_output();
  return 0;
}
