#include "report/format/output.h"

#include <cerrno>
#include <cstddef>

#include "console/console.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace dlt {

// Large enough that the writes cost little beside making the rows.
constexpr std::size_t kPieceSize = std::size_t{256} * 1024;

void write_piece(ReportOutput& out) {
  if (out.text.size() >= kPieceSize) write_rest(out);
}

void write_rest(ReportOutput& out) {
  if (out.to_console) print_result(out.text);
  if (out.fd < 0) {
    if (out.to_console) out.text.clear();
    return;
  }
  std::size_t done = 0;
  while (out.error == 0 && done < out.text.size()) {
    std::size_t left = out.text.size() - done;
    unsigned chunk = left > (1U << 30) ? (1U << 30) : static_cast<unsigned>(left);
    auto written = write(out.fd, out.text.data() + done, chunk);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      out.error = written < 0 ? errno : EIO;
      break;
    }
    done += static_cast<std::size_t>(written);
  }
  out.text.clear();
}

}  // namespace dlt
