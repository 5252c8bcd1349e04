// A libFuzzer target for the dialogue and the engine: the menu loop and every
// command run on arbitrary bytes as the input script, without a terminal and
// without reports, so that it runs as fast as the program itself and reaches
// the number input, the prompts and the transfer matrices on any beam.
// report_fuzzer.cpp covers the reports and the envelope.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/menu.h"
#include "console/console.h"
#include "console/stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Inputs of odd length run quiet (--ruhig), so that both ways are fuzzed.
  dlt::set_quiet(size % 2 == 1);
  dlt::console_open_script(std::string_view(reinterpret_cast<const char*>(data), size));
  dlt::run_menu();
  dlt::console_take_output();
  return 0;
}
