#include "report/report_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dlt {

namespace {

#ifdef _WIN32
// MoveFileEx replaces the target in one step where rename would refuse.
bool replace_file(const char* from, const char* to, std::string& reason) {
  if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) return true;
  char text[256] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                GetLastError(), 0, text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.'))
    --length;
  reason.assign(text, length);
  return false;
}

bool finish_file(int fd) { return _commit(fd) == 0; }
#else
bool replace_file(const char* from, const char* to, std::string& reason) {
  if (std::rename(from, to) == 0) return true;
  reason = std::strerror(errno);
  return false;
}

// mkstemp makes the file readable by its owner only; a report gets the
// permissions any new file of the user's gets. Then it goes to the disk
// before the rename makes it the report.
bool finish_file(int fd) {
  mode_t mask = umask(0);
  umask(mask);
  return fchmod(fd, static_cast<mode_t>(0666) & ~mask) == 0 && fsync(fd) == 0;
}
#endif

bool write_all(int fd, std::string_view contents) {
  while (!contents.empty()) {
    unsigned chunk = contents.size() > (1U << 30) ? (1U << 30) : static_cast<unsigned>(contents.size());
    auto written = write(fd, contents.data(), chunk);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool write_file_atomically(const std::string& path, std::string_view contents, std::string& reason) {
  std::vector<char> temporary(path.begin(), path.end());
  for (char c : std::string_view(".XXXXXX")) temporary.push_back(c);
  temporary.push_back('\0');
  int fd = mkstemp(temporary.data());
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  bool written = write_all(fd, contents) && finish_file(fd);
  int write_error = errno;
  if (close(fd) != 0 && written) {
    written = false;
    write_error = errno;
  }
  if (!written) {
    reason = std::strerror(write_error);
    std::remove(temporary.data());
    return false;
  }
  if (!replace_file(temporary.data(), path.c_str(), reason)) {
    std::remove(temporary.data());
    return false;
  }
  return true;
}

}  // namespace dlt
