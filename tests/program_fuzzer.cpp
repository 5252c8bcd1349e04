// A libFuzzer target: the whole program, menu loop and every command, run on
// arbitrary bytes as its input script, without a terminal. Every pass that
// reaches a right end has its text report, CSV table and page built in
// memory, and joins the load cases of the input's passes so far, whose
// limits are built the same way, so the replay, the drawings and the
// envelope meet arbitrary beams too.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/menu.h"
#include "console/stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dlt::console_open_script(std::string_view(reinterpret_cast<const char*>(data), size));
  dlt::ReportOptions reports;
  reports.in_memory = true;
  dlt::run_menu(reports);
  dlt::console_take_output();
  return 0;
}
