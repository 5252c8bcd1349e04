#include "report/format/safe_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "console/leaving.h"

namespace dlt {

namespace {

// Component names of up to this many bytes work everywhere the program runs.
constexpr std::size_t kNameMax = 255;
// What the temporary name adds to the target's: a point and this many
// letters or digits.
constexpr int kSuffixLength = 6;

bool is_separator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\';
#else
  return c == '/';
#endif
}

// Where the last component of path starts.
std::size_t name_start(const std::string& path) {
  std::size_t i = path.size();
  while (i > 0 && !is_separator(path[i - 1])) --i;
  return i;
}

// A suffix no other run is likely to pick at the same moment; O_EXCL makes
// sure of it.
void append_suffix(std::string& name) {
  static std::uint64_t state = 0;
  if (state == 0) {
    state = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
            (static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&name)) << 16) ^ 0x9E3779B97F4A7C15U;
  }
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  name.push_back('.');
  for (int i = 0; i < kSuffixLength; ++i) {
    // xorshift64: cheap, and good enough to spread the names.
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    name.push_back(kLetters[state % (sizeof kLetters - 1)]);
  }
}

// The temporary name for target: in its directory, its own name with the
// suffix, cut short where both together would be longer than a name may be.
std::string temporary_name(const std::string& target, std::size_t name_max) {
  std::size_t start = name_start(target);
  std::size_t room = name_max > kSuffixLength + 1 ? name_max - (kSuffixLength + 1) : 1;
  std::size_t length = target.size() - start;
  std::string name = target.substr(0, start + (length < room ? length : room));
  append_suffix(name);
  return name;
}

#ifdef _WIN32

std::string system_reason(DWORD error) {
  char text[256] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.'))
    --length;
  return std::string(text, length);
}

// A device (NUL, CON, COM1) opens, but not as a file on a disk.
bool is_device(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  bool device = GetFileType(handle) != FILE_TYPE_DISK;
  CloseHandle(handle);
  return device;
}

// Whether path names the file a standard stream (STD_INPUT_HANDLE and the
// others) is: the same volume and file index (the C runtime's st_ino is
// always 0 here).
bool is_standard_stream(const std::string& path, DWORD stream) {
  BY_HANDLE_FILE_INFORMATION standard = {};
  if (GetFileInformationByHandle(GetStdHandle(stream), &standard) == 0) return false;
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION target = {};
  bool same = GetFileInformationByHandle(handle, &target) != 0 &&
              target.dwVolumeSerialNumber == standard.dwVolumeSerialNumber &&
              target.nFileIndexHigh == standard.nFileIndexHigh &&
              target.nFileIndexLow == standard.nFileIndexLow;
  CloseHandle(handle);
  return same;
}

// Nothing of the old file carries over to the new one here.
struct TargetMode {};

bool check_target(const std::string& path, ReportFile& file, TargetMode& /*mode*/, std::string& reason) {
  file.target = path;
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    reason = kIsDirectory;
    return false;
  }
  if (is_device(path)) {
    reason = kNotRegularFile;
    return false;
  }
  if (is_standard_stream(path, STD_INPUT_HANDLE)) {
    reason = kIsProgramInput;
    return false;
  }
  if (is_standard_stream(path, STD_OUTPUT_HANDLE) || is_standard_stream(path, STD_ERROR_HANDLE)) {
    reason = kIsProgramOutput;
    return false;
  }
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    reason = std::strerror(EACCES);
    return false;
  }
  return true;
}

// Deletion is shared, so that the handler of Ctrl-C can remove the file
// while it is open.
bool create_temporary(ReportFile& file, const TargetMode& /*mode*/, std::string& reason) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    file.temporary = temporary_name(file.target, kNameMax);
    HANDLE handle = CreateFileA(file.temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      reason = system_reason(error);
      return false;
    }
    file.out.fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), 0);
    if (file.out.fd < 0) {
      CloseHandle(handle);
      DeleteFileA(file.temporary.c_str());
      reason = std::strerror(EMFILE);
      return false;
    }
    note_temporary_file(file.temporary.c_str());
    return true;
  }
  reason = std::strerror(EEXIST);
  return false;
}

bool put_on_disk(int fd) { return _commit(fd) == 0; }

// MoveFileEx replaces the target in one step where rename would refuse.
bool replace_target(const ReportFile& file, std::string& reason) {
  if (MoveFileExA(file.temporary.c_str(), file.target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
    forget_temporary_file();
    return true;
  }
  reason = system_reason(GetLastError());
  return false;
}

#else

std::string directory_of(const std::string& path) {
  std::size_t start = name_start(path);
  if (start == 0) return ".";
  if (start == 1) return "/";
  return path.substr(0, start - 1);
}

// Follows symbolic links from path to the file they finally name, which
// need not exist yet. False with errno set where a link cannot be read or
// the links go round.
bool follow_links(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info = {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    char link[4096];
    ssize_t length = readlink(target.c_str(), link, sizeof link);
    if (length < 0) return false;
    if (length == 0 || static_cast<std::size_t>(length) == sizeof link) {
      errno = length == 0 ? ENOENT : ENAMETOOLONG;
      return false;
    }
    std::string next(link, static_cast<std::size_t>(length));
    std::size_t start = name_start(target);
    if (next[0] != '/' && start > 0) next.insert(0, target, 0, start);
    target = next;
  }
  errno = ELOOP;
  return false;
}

// The mode of the report, and the owner and group to give it: an existing
// file's own, otherwise what any new file of the user's gets.
struct TargetMode {
  bool exists = false;
  mode_t mode = 0666;
  uid_t owner = 0;
  gid_t group = 0;
};

// Whether the open file fd is the file of info.
bool is_file_of(int fd, const struct stat& info) {
  struct stat open_file = {};
  return fstat(fd, &open_file) == 0 && open_file.st_dev == info.st_dev && open_file.st_ino == info.st_ino;
}

bool check_target(const std::string& path, ReportFile& file, TargetMode& mode, std::string& reason) {
  if (!follow_links(path, file.target)) {
    reason = std::strerror(errno);
    return false;
  }
  if (!file.target.empty() && file.target.back() == '/') {
    reason = kIsDirectory;
    return false;
  }
  struct stat info = {};
  if (stat(file.target.c_str(), &info) != 0) {
    // A new file: whether its directory takes it, the making will tell.
    if (errno == ENOENT) return true;
    reason = std::strerror(errno);
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    reason = kIsDirectory;
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = kNotRegularFile;
    return false;
  }
  // The script being read would be replaced by its own report, and the
  // transcript being written, or the notices, by a file of the program's.
  if (is_file_of(STDIN_FILENO, info)) {
    reason = kIsProgramInput;
    return false;
  }
  if (is_file_of(STDOUT_FILENO, info) || is_file_of(STDERR_FILENO, info)) {
    reason = kIsProgramOutput;
    return false;
  }
  // The directory may allow the rename, but the file itself must allow the
  // writing, as it would to any program that opened it.
  if (access(file.target.c_str(), W_OK) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  mode = {true, static_cast<mode_t>(info.st_mode & 0777), info.st_uid, info.st_gid};
  return true;
}

std::size_t name_max_in(const std::string& directory) {
  long limit = pathconf(directory.c_str(), _PC_NAME_MAX);
  return limit > 0 && static_cast<unsigned long>(limit) < kNameMax ? static_cast<std::size_t>(limit)
                                                                   : kNameMax;
}

// An existing file's owner and group, where the program may give them; then
// its permissions, which the umask may have cut when the file was made. The
// file is still empty.
void take_over_owner_and_mode(int fd, const TargetMode& mode) {
  if (!mode.exists) return;
  if (mode.owner != geteuid() || mode.group != getegid()) {
    if (fchown(fd, mode.owner, mode.group) != 0) (void)fchown(fd, static_cast<uid_t>(-1), mode.group);
  }
  (void)fchmod(fd, mode.mode);
}

bool create_temporary(ReportFile& file, const TargetMode& mode, std::string& reason) {
  std::size_t name_max = name_max_in(directory_of(file.target));
  for (int attempt = 0; attempt < 100; ++attempt) {
    file.temporary = temporary_name(file.target, name_max);
    hold_leaving_signals();
    int fd = open(file.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode.mode);
    int error = errno;
    bool noted = fd >= 0 && note_temporary_file(file.temporary.c_str());
    if (fd >= 0 && !noted) {
      close(fd);
      unlink(file.temporary.c_str());
      fd = -1;
      error = ENAMETOOLONG;
    }
    release_leaving_signals();
    if (fd >= 0) {
      file.out.fd = fd;
      take_over_owner_and_mode(fd, mode);
      return true;
    }
    if (error != EEXIST) {
      reason = std::strerror(error);
      return false;
    }
  }
  reason = std::strerror(EEXIST);
  return false;
}

bool put_on_disk(int fd) { return fsync(fd) == 0; }

// The rename goes to the disk with the directory; where that cannot be done
// the report is in place all the same.
void sync_directory(const std::string& path) {
  int fd = open(directory_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)fsync(fd);
  close(fd);
}

bool replace_target(const ReportFile& file, std::string& reason) {
  hold_leaving_signals();
  bool renamed = std::rename(file.temporary.c_str(), file.target.c_str()) == 0;
  int error = errno;
  if (renamed) forget_temporary_file();
  release_leaving_signals();
  if (!renamed) {
    reason = std::strerror(error);
    return false;
  }
  sync_directory(file.target);
  return true;
}

#endif

void remove_temporary(ReportFile& file) {
  if (file.out.fd >= 0) close(file.out.fd);
  file.out.fd = -1;
  hold_leaving_signals();
  std::remove(file.temporary.c_str());
  forget_temporary_file();
  release_leaving_signals();
}

}  // namespace

bool open_report_file(const std::string& path, ReportFile& file, std::string& reason) {
  file = ReportFile{};
  if (path.empty()) {
    reason = std::strerror(ENOENT);
    return false;
  }
  if (is_separator(path.back())) {
    reason = kIsDirectory;
    return false;
  }
  TargetMode mode;
  return check_target(path, file, mode, reason) && create_temporary(file, mode, reason);
}

bool finish_report_file(ReportFile& file, std::string& reason) {
  write_rest(file.out);
  int error = file.out.error;
  if (error == 0 && !put_on_disk(file.out.fd)) error = errno;
  if (close(file.out.fd) != 0 && error == 0) error = errno;
  file.out.fd = -1;
  if (error != 0) {
    reason = std::strerror(error);
    remove_temporary(file);
    return false;
  }
  if (!replace_target(file, reason)) {
    remove_temporary(file);
    return false;
  }
  return true;
}

void abandon_report_file(ReportFile& file) { remove_temporary(file); }

bool write_file_atomically(const std::string& path, std::string_view contents, std::string& reason) {
  ReportFile file;
  if (!open_report_file(path, file, reason)) return false;
  file.out.text.assign(contents);
  return finish_report_file(file, reason);
}

}  // namespace dlt
