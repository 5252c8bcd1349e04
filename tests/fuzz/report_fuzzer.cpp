// A libFuzzer target for the reports and the envelope: the whole program on
// arbitrary bytes as its input script, as dialogue_fuzzer.cpp runs it, but
// every pass that reaches a right end joins the load cases of the input's
// passes so far and is held, as piped input's are, and the last pass of
// each beam has its text report, CSV table and page built in memory, and
// the limits and beam file of its load cases the same way, where a new
// beam begins and at the end; so the replay, the drawings, the envelope
// and the beam file's writer meet arbitrary beams too. Only small beams, so
// that it tries many of them a second.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/menu.h"
#include "console/stream.h"

namespace {

// Every element of a beam, and every pass, starts with a command key: b to f,
// or a function key (an escape sequence, or a console code after 0 or 0xe0).
// Counting every such byte, wherever it stands, bounds the elements of all
// the input's passes together from above.
bool could_start_an_element(std::uint8_t byte) {
  return (byte >= 'b' && byte <= 'f') || byte == 0x1b || byte == 0 || byte == 0xe0;
}

// A completed pass costs the instrumented build some tens of milliseconds for
// each report, and the envelope builds its limits over all passes of a beam. Below these bounds an input
// stays within a fraction of a second even where every element is its own pass, and all the examples but the
// long rows of springs pass whole; beams as long as those are the dialogue fuzzer's, and the tests'.
constexpr std::size_t kMaxInputBytes = 1024;
constexpr int kMaxElementKeys = 32;

bool small_enough(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInputBytes) return false;
  int keys = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (could_start_an_element(data[i])) ++keys;
  }
  return keys <= kMaxElementKeys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // -1 keeps a rejected input out of the corpus.
  if (!small_enough(data, size)) return -1;
  dlt::console_open_script(std::string_view(reinterpret_cast<const char*>(data), size));
  dlt::ReportOptions reports;
  reports.in_memory = true;
  dlt::run_menu(reports);
  dlt::console_take_output();
  return 0;
}
