// Report files under attack, end to end in a scratch directory: targets that
// are not regular files, permissions and links, signals in the middle of a
// large report, full disks and memory limits, and names no one expected.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/transcript.h"

namespace {

std::string example(const char* name) {
  return read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + name);
}

// A continuous beam of n equal spans under a uniform load, then q.
std::string spans_script(int n) {
  std::string script = "a 2 4\n";
  for (int i = 1; i < n; ++i) script += "c 6 2e4 1 12 0\nf 1 0 0\n";
  return script + "c 6 2e4 1 12 0\nf 1 0 1 3 0\nq\n";
}

bool write_text(const std::string& path, const std::string& text) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && written;
}

mode_t type_of(const std::string& path) {
  struct stat info = {};
  return lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// What the run printed, less the menu and prompts: the notices.
bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string notices(const PipedRun& run) {
  std::string found;
  std::size_t at = 0;
  while ((at = run.output.find("Bericht ", at)) != std::string::npos) {
    std::size_t end = run.output.find('\n', at);
    found += run.output.substr(at, end + 1 - at);
    at = end;
  }
  return found;
}

}  // namespace

TEST(ReportSafety, OnlyRegularFilesAreReplaced) {
  ScratchDirectory dir;
  std::string fifo = dir.file("f.txt");
  std::string device = dir.file("null");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  std::vector<std::string> arguments = {"--bericht",    fifo,        "--bericht",
                                        dir.path + "/", "--bericht", dir.path};
  std::string expected = "Bericht nicht geschrieben: " + fifo + ": keine gewoehnliche Datei\n" +
                         "Bericht nicht geschrieben: " + dir.path + "/: ist ein Verzeichnis\n" +
                         "Bericht nicht geschrieben: " + dir.path + ": ist ein Verzeichnis\n";
  // A device of its own, never the real /dev/null: only root may make one.
  bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0) << std::strerror(errno);
    arguments.insert(arguments.end(), {"--bericht", device});
    expected += "Bericht nicht geschrieben: " + device + ": keine gewoehnliche Datei\n";
  }
  PipedRun run = run_piped(example("einfeldtraeger.txt"), arguments);
  EXPECT_TRUE(run.ending.exited);
  EXPECT_EQ(run.ending.status, 1);
  EXPECT_EQ(notices(run), expected);
  EXPECT_EQ(run.errors, expected);
  EXPECT_EQ(type_of(fifo), static_cast<mode_t>(S_IFIFO));
  if (root) {
    EXPECT_EQ(type_of(device), static_cast<mode_t>(S_IFCHR));
  }
  EXPECT_EQ(dir.entries(), root ? 2 : 1);
  if (!root) GTEST_SKIP() << "the device part needs root, to make a device in the scratch directory";
}

TEST(ReportSafety, ReplacedFileKeepsItsModeOwnerAndLinks) {
  ScratchDirectory dir;
  std::string kept = dir.file("privat.txt");
  std::string target = dir.file("ziel.txt");
  std::string link = dir.file("link.txt");
  ASSERT_TRUE(write_text(kept, "alt\n"));
  ASSERT_EQ(chmod(kept.c_str(), 0600), 0);
  ASSERT_TRUE(write_text(target, "alt\n"));
  ASSERT_EQ(symlink("ziel.txt", link.c_str()), 0);
  // Root may give the file to another owner, and the report keeps that one.
  bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(kept.c_str(), 12345, 23456), 0);
  }

  PipedRun run = run_piped(example("einfeldtraeger.txt"), {"--bericht", kept, "--bericht", link});
  EXPECT_EQ(run.ending.status, 0) << run.output;
  struct stat info = {};
  ASSERT_EQ(stat(kept.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600U);
  if (root) {
    EXPECT_EQ(info.st_uid, 12345U);
    EXPECT_EQ(info.st_gid, 23456U);
  }
  EXPECT_EQ(read_file(kept).rfind("Durchlauftraeger - Bericht\n", 0), 0U);
  EXPECT_EQ(type_of(link), static_cast<mode_t>(S_IFLNK));
  EXPECT_EQ(read_file(target), read_file(kept));
  EXPECT_EQ(dir.entries(), 3);
}

namespace {

// An unprivileged user, as far as the tests run as root.
bool drop_to_nobody() { return setgid(65534) == 0 && setuid(65534) == 0; }

// Why that user could not run the program at path; empty where it can.
std::string why_nobody_cannot_run(const std::string& path) {
  constexpr int kNoDrop = 255;
  pid_t pid = fork();
  if (pid == 0) {
    if (!drop_to_nobody()) _exit(kNoDrop);
    _exit(access(path.c_str(), X_OK) == 0 ? 0 : errno);
  }
  int wait_status = 0;
  if (pid < 0 || waitpid(pid, &wait_status, 0) != pid || !WIFEXITED(wait_status)) {
    return "could not find out: the child testing it failed";
  }
  int code = WEXITSTATUS(wait_status);
  if (code == 0) return "";
  if (code == kNoDrop) return "could not drop to an unprivileged user";
  return std::strerror(code);
}

// A copy of the program that user 65534 may run, in bin: the build itself
// may lie where only root gets in, a checkout under /root (mode 0700), say.
// Empty, with the reason in why, where no such copy can be made.
std::string program_for_nobody(const ScratchDirectory& bin, std::string& why) {
  std::string copy = bin.file("durchlauftraeger");
  std::error_code error;
  std::filesystem::copy_file(DURCHLAUFTRAEGER_BINARY, copy, error);
  if (error) {
    why = "could not copy the program to " + copy + ": " + error.message();
    return "";
  }
  if (chmod(copy.c_str(), 0755) != 0 || chmod(bin.path.c_str(), 0755) != 0) {
    why = "could not open " + copy + " to other users: " + std::strerror(errno);
    return "";
  }
  why = why_nobody_cannot_run(copy);
  if (!why.empty()) {
    why = "user 65534 cannot run " + copy + ": " + why;
    return "";
  }
  return copy;
}

}  // namespace

namespace {

// Standard input from the file the test names, in place of the pipe.
bool input_from_test_file() {
  int fd = open(std::getenv("DURCHLAUFTRAEGER_TEST_INPUT"), O_RDONLY);
  return fd != -1 && dup2(fd, STDIN_FILENO) != -1;
}

}  // namespace

// durchlauftraeger --bericht beam.txt < beam.txt: by its name, a symbolic
// link or another hard link, the script stays and the report is refused.
TEST(ReportSafety, TheProgramsInputIsNeverReplaced) {
  ScratchDirectory dir;
  std::string script = example("einfeldtraeger.txt");
  std::string input = dir.file("beam.txt");
  ASSERT_TRUE(write_text(input, script));
  ASSERT_EQ(symlink("beam.txt", dir.file("link.txt").c_str()), 0);
  ASSERT_EQ(link(input.c_str(), dir.file("hard.txt").c_str()), 0);
  setenv("DURCHLAUFTRAEGER_TEST_INPUT", input.c_str(), 1);
  for (const char* name : {"beam.txt", "link.txt", "hard.txt"}) {
    PipedRun run = run_piped("", {"--bericht", dir.file(name)}, input_from_test_file);
    std::string notice = "Bericht nicht geschrieben: " + dir.file(name) + ": ist die Eingabe des Programms\n";
    EXPECT_EQ(run.ending.status, 1) << name;
    EXPECT_EQ(notices(run), notice) << name;
    EXPECT_EQ(run.errors, notice) << name;
    EXPECT_EQ(read_file(input), script) << name;
    EXPECT_EQ(type_of(dir.file("link.txt")), S_IFLNK);
    EXPECT_EQ(dir.entries(), 3) << name;
  }
  // Any other file takes the report of the same input.
  PipedRun run = run_piped("", {"--bericht", dir.file("bericht.txt")}, input_from_test_file);
  EXPECT_EQ(run.ending.status, 0);
  EXPECT_EQ(notices(run), "Bericht geschrieben: " + dir.file("bericht.txt") + "\n");
}

namespace {

// Standard output, or standard error, to the file the test names, and
// standard input from its file: a pipe would see the end of standard
// output before it had taken the script.
bool output_to_test_file() {
  int fd = open(std::getenv("DURCHLAUFTRAEGER_TEST_OUTPUT"), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int stream = std::atoi(std::getenv("DURCHLAUFTRAEGER_TEST_STREAM"));
  return fd != -1 && dup2(fd, stream) != -1 && input_from_test_file();
}

}  // namespace

// durchlauftraeger --bericht o.txt < beam.txt > o.txt: the transcript, or
// the notices on standard error, stay and the file is refused, by any name.
TEST(ReportSafety, TheProgramsOutputIsNeverReplaced) {
  ScratchDirectory dir;
  std::string output = dir.file("o.txt");
  ASSERT_EQ(symlink("o.txt", dir.file("link.txt").c_str()), 0);
  setenv("DURCHLAUFTRAEGER_TEST_OUTPUT", output.c_str(), 1);
  ScratchDirectory inputs;
  ASSERT_TRUE(write_text(inputs.file("beam.txt"), example("einfeldtraeger.txt")));
  setenv("DURCHLAUFTRAEGER_TEST_INPUT", inputs.file("beam.txt").c_str(), 1);
  struct Case {
    int stream;
    const char* option;
    const char* name;
    const char* what;
  };
  for (const Case& c : {Case{STDOUT_FILENO, "--bericht", "o.txt", "Bericht"},
                        Case{STDOUT_FILENO, "--grenzwerte", "link.txt", "Grenzwerte"},
                        Case{STDERR_FILENO, "--bericht", "link.txt", "Bericht"},
                        Case{STDERR_FILENO, "--als-datei", "o.txt", "Traegerdatei"}}) {
    SCOPED_TRACE(std::string(c.option) + " " + c.name + " onto fd " + std::to_string(c.stream));
    setenv("DURCHLAUFTRAEGER_TEST_STREAM", std::to_string(c.stream).c_str(), 1);
    PipedRun run = run_piped("", {c.option, dir.file(c.name)}, output_to_test_file);
    std::string notice =
        std::string(c.what) + " nicht geschrieben: " + dir.file(c.name) + ": ist die Ausgabe des Programms\n";
    EXPECT_EQ(run.ending.status, 1);
    std::string written = read_file(output);
    if (c.stream == STDOUT_FILENO) {
      // The transcript, with the notice in its place at the end of the
      // input; the notice on standard error as well.
      EXPECT_TRUE(ends_with(written, kMenu + notice)) << written;
      EXPECT_EQ(run.errors, notice);
    } else {
      EXPECT_EQ(written, notice);
      EXPECT_TRUE(ends_with(run.output, kMenu + notice)) << run.output;
    }
    EXPECT_EQ(type_of(dir.file("link.txt")), S_IFLNK);
    EXPECT_EQ(dir.entries(), 2);
  }
}

TEST(ReportSafety, ReadOnlyFileIsRefusedAsOpeningItWouldBe) {
  ScratchDirectory dir;
  std::string path = dir.file("nur-lesen.txt");
  ASSERT_TRUE(write_text(path, "alt\n"));
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  // The directory allows the rename; only the file's own mode refuses.
  ASSERT_EQ(chmod(dir.path.c_str(), 0777), 0);
  // Root writes anything: as root the program runs as user 65534, from a
  // copy that user can reach.
  bool root = geteuid() == 0;
  std::string program = DURCHLAUFTRAEGER_BINARY;
  ScratchDirectory bin;
  if (root) {
    std::string why;
    program = program_for_nobody(bin, why);
    if (program.empty()) GTEST_SKIP() << why;
  }
  PipedRun run = run_piped_binary(program, example("einfeldtraeger.txt"), {"--bericht", path},
                                  root ? drop_to_nobody : nullptr);
  ASSERT_FALSE(run.ending.exited && run.ending.status == 127)
      << "could not drop to an unprivileged user, or start " << program << " as one";
  EXPECT_EQ(run.ending.status, 1);
  EXPECT_EQ(notices(run), "Bericht nicht geschrieben: " + path + ": Permission denied\n");
  EXPECT_EQ(read_file(path), "alt\n");
  EXPECT_EQ(dir.entries(), 1);
}

namespace {

// The size of the one file in dir that is not the script or the report,
// the temporary file; -1 where there is none.
long long temporary_size(const ScratchDirectory& dir, const std::string& report) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path, error)) {
    std::string path = entry.path();
    if (path == report || path == dir.file("traeger.skript")) continue;
    struct stat info = {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
  }
  return -1;
}

// Waits until the program has made the temporary file for report, and where
// written_to is set, has written to it.
bool wait_for_temporary_file(const ScratchDirectory& dir, const std::string& report, bool written_to) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    if (temporary_size(dir, report) > (written_to ? 0 : -1)) return true;
    usleep(500);
  }
  return false;
}

bool is_fault(int signal_number) {
  return signal_number == SIGSEGV || signal_number == SIGBUS || signal_number == SIGFPE ||
         signal_number == SIGILL;
}

bool ignore_sigusr1() { return signal(SIGUSR1, SIG_IGN) != SIG_ERR; }

}  // namespace

// A report, or a file of the limits, in the middle of being written.
TEST(ReportSafety, SignalsInTheMiddleOfAReportLeaveNoTemporaryFile) {
  ScratchDirectory dir;
  std::string script = dir.file("traeger.skript");
  ASSERT_TRUE(write_text(script, spans_script(1000)));
  bool envelope = false;
  for (int signal_number : ending_signals()) {
    envelope = !envelope;
    std::string report = dir.file(envelope ? "g.csv" : "r.txt");
    SCOPED_TRACE(std::string(strsignal(signal_number)) + (envelope ? ", --grenzwerte" : ", --bericht"));
    ASSERT_TRUE(write_text(report, "alt\n"));
    pid_t pid =
        start_with_input(script, {"--punkte", "100", envelope ? "--grenzwerte" : "--bericht", report});
    ASSERT_GT(pid, 0);
    // A hundred thousand rows take the release build a tenth of a second.
    // The signals sent to end the program wait while the temporary file is
    // made and noted; the faults cannot wait, and the program's own come
    // only while it writes.
    bool writing = wait_for_temporary_file(dir, report, is_fault(signal_number));
    if (writing) kill(pid, signal_number);
    Ending ending = wait_end_of(pid);
    ASSERT_TRUE(writing) << "no temporary file appeared";
    EXPECT_EQ(ending.signal_number, signal_number);
    EXPECT_EQ(dir.entries(), 2);
    EXPECT_EQ(read_file(report), "alt\n");
    std::remove(report.c_str());
  }
}

// nohup and a script's background jobs leave signals ignored: so they stay.
TEST(ReportSafety, SignalIgnoredAtStartStaysIgnored) {
  ScratchDirectory dir;
  std::string script = dir.file("traeger.skript");
  ASSERT_TRUE(write_text(script, spans_script(1000)));
  std::string report = dir.file("r.txt");
  ASSERT_TRUE(write_text(report, "alt\n"));
  pid_t pid = start_with_input(script, {"--punkte", "100", "--bericht", report}, ignore_sigusr1);
  ASSERT_GT(pid, 0);
  bool writing = wait_for_temporary_file(dir, report, false);
  if (writing) kill(pid, SIGUSR1);
  Ending ending = wait_end_of(pid);
  ASSERT_TRUE(writing) << "no temporary file appeared";
  EXPECT_TRUE(ending.exited) << "signal " << ending.signal_number;
  EXPECT_EQ(ending.status, 0);
  EXPECT_EQ(read_file(report).rfind("Durchlauftraeger - Bericht\n", 0), 0U);
  EXPECT_EQ(dir.entries(), 2);
}

namespace {

bool limit_file_size() {
  constexpr rlim_t kBytes = rlim_t{100} * 1024;
  struct rlimit limit = {kBytes, kBytes};
  return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

constexpr char kPassAbandoned[] = "Speicher reicht nicht, Durchgang abgebrochen\n";

template <rlim_t kMiB = 150>
bool limit_memory() {
  constexpr rlim_t kBytes = kMiB * 1024 * 1024;
  struct rlimit limit = {kBytes, kBytes};
  return setrlimit(RLIMIT_AS, &limit) == 0;
}

// Whether the dialogue went on to the end of its script after the pass it
// gave up: the last menu is the end of the transcript.
bool dialogue_ended_at_its_menu(const PipedRun& run) { return ends_with(run.output, kMenu); }

// Whether the dialogue went on after the first notice: the menu follows it.
bool dialogue_went_on(const PipedRun& run) {
  std::size_t notice = run.output.find("Bericht ");
  return notice != std::string::npos && run.output.find(kMenu, notice) != std::string::npos;
}

}  // namespace

TEST(ReportSafety, FileSizeLimitGivesANoticeAndStatusOne) {
  ScratchDirectory dir;
  std::string report = dir.file("r.txt");
  ASSERT_TRUE(write_text(report, "alt\n"));
  // Two beams: the first one's report is written, and fails, where the
  // second begins; the second's when the input ends.
  std::string first = spans_script(2000);
  std::string second = spans_script(2000);
  for (std::size_t at; (at = second.find("c 6 ")) != std::string::npos;) second.replace(at, 4, "c 5 ");
  PipedRun run =
      run_piped(first.substr(0, first.size() - 2) + second, {"--bericht", report}, limit_file_size);
  EXPECT_TRUE(run.ending.exited) << "signal " << run.ending.signal_number;
  EXPECT_EQ(run.ending.status, 1);
  std::string notice = "Bericht nicht geschrieben: " + report + ": File too large\n";
  EXPECT_EQ(notices(run), notice + notice);
  EXPECT_TRUE(dialogue_went_on(run));
  EXPECT_EQ(read_file(report), "alt\n");
  EXPECT_EQ(dir.entries(), 1);
}

#if defined(__SANITIZE_ADDRESS__)
#define SKIP_UNDER_ADDRESS_SANITIZER() \
  GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves"
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKIP_UNDER_ADDRESS_SANITIZER() \
  GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves"
#endif
#endif
#ifndef SKIP_UNDER_ADDRESS_SANITIZER
#define SKIP_UNDER_ADDRESS_SANITIZER() static_cast<void>(0)
#endif

// The record of a pass that outgrows the memory gives the pass up: no report
// comes of it, and the dialogue goes on.
TEST(ReportSafety, MemoryLimitGivesANoticeAndStatusOne) {
  SKIP_UNDER_ADDRESS_SANITIZER();
  ScratchDirectory dir;
  std::string page = dir.file("r.html");
  // The page holds no more than its drawings' width and its tables' first
  // rows, however long the table; a beam of a million segments takes more
  // than the limit for the record and the course of the beam, which every
  // report needs.
  std::string script = "a 2 4\n";
  for (int i = 0; i < 1000000; ++i) script += "c 6 2e4 1 12 0\n";
  PipedRun run = run_piped(script + "f 1 0 1 3 0\nq\n", {"--bericht", page}, limit_memory);
  EXPECT_TRUE(run.ending.exited) << "signal " << run.ending.signal_number;
  EXPECT_EQ(run.ending.status, 1);
  EXPECT_EQ(run.errors, kPassAbandoned);
  EXPECT_EQ(notices(run), "");
  EXPECT_TRUE(dialogue_ended_at_its_menu(run));
  EXPECT_EQ(dir.entries(), 0);
}

// The engine's state of a pass that outgrows the memory, without any report:
// the pass is given up where memory ran out, every element after it refused
// until the next left end, whose pass is computed as ever; no abort.
TEST(ReportSafety, MemoryLimitInTheDialogueGivesUpThePass) {
  SKIP_UNDER_ADDRESS_SANITIZER();
  std::string script = "a 2 4\n";
  // Near the most conditions and springs a pass may have: some 80 MB.
  for (int i = 0; i < 99990; ++i) script += "c 6 2e4 1 12 0\nb 1000\nf 1 0 0\n";
  script += "d 1 5\nf 1 0 1 3 0\ng .\na 2 4\nc 6 2e4 1 12 0\nf 1 0 1 3 0\ng .\nq\n";
  PipedRun run = run_piped(script, {}, limit_memory<48>);
  EXPECT_TRUE(run.ending.exited) << "signal " << run.ending.signal_number;
  EXPECT_EQ(run.ending.status, 1);
  EXPECT_EQ(run.errors, kPassAbandoned);
  std::size_t abandoned = run.output.find(kPassAbandoned);
  ASSERT_NE(abandoned, std::string::npos);
  // The point load and the right end after it are refused, each once, and g
  // has no right end to show.
  std::string refused = "Durchgang abgebrochen (Speicher reicht nicht), erst linkes Traegerende eingeben\n";
  std::size_t load = run.output.find("Einzellast", abandoned);
  ASSERT_NE(load, std::string::npos);
  EXPECT_NE(run.output.find("Last= " + refused, load), std::string::npos);
  EXPECT_NE(run.output.find("W2= " + refused, load), std::string::npos);
  // The one span after the next left end: 6 m under 12, EI 2e4.
  EXPECT_NE(run.output.find("w= 0.000000\np= -0.005400\nM= 0.000000\nQ= -36.000000\n", load),
            std::string::npos);
  EXPECT_TRUE(dialogue_ended_at_its_menu(run));
}

TEST(ReportSafety, NamesAtTheLimitAndNamesWithControlCharacters) {
  ScratchDirectory dir;
  std::string longest = dir.file(std::string(255, 'n'));
  std::string odd = dir.file("a\nb\x1b[2J");
  PipedRun run = run_piped(example("einfeldtraeger.txt"), {"--bericht", longest, "--bericht", odd});
  EXPECT_EQ(run.ending.status, 0);
  EXPECT_EQ(notices(run),
            "Bericht geschrieben: " + longest + "\nBericht geschrieben: " + dir.path + "/a\\nb\\x1b[2J\n");
  EXPECT_EQ(read_file(longest), read_file(odd));
  EXPECT_EQ(dir.entries(), 2);

  PipedRun empty = run_piped("q\n", {"--bericht", ""});
  EXPECT_EQ(empty.ending.status, 2);
  EXPECT_EQ(empty.output, "");
  EXPECT_EQ(empty.errors.rfind("durchlauftraeger: --bericht braucht einen Dateinamen\nAufruf:", 0), 0U)
      << empty.errors;
}
