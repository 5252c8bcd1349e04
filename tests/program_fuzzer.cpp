// A libFuzzer target: the whole program, menu loop and every command, run on
// arbitrary bytes as its input script, without a terminal.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/menu.h"
#include "console/stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dlt::console_open_script(std::string_view(reinterpret_cast<const char*>(data), size));
  dlt::run_menu();
  dlt::console_take_output();
  return 0;
}
