#include "tests/support/program.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
// Shared CI machines are slow at times; no wait should come near this.
constexpr auto kTimeout = std::chrono::seconds(20);

// No core file of a program the tests end by SIGQUIT, SIGABRT or a fault.
void no_core_file() {
  struct rlimit none = {0, 0};
  setrlimit(RLIMIT_CORE, &none);
}

[[noreturn]] void exec_program(const std::vector<std::string>& arguments = {},
                               const std::string& binary = DURCHLAUFTRAEGER_BINARY) {
  no_core_file();
  std::vector<char*> argv;
  std::string program = binary;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

// As an interactive shell starts a program, even where the tests run in
// the background with SIGINT and SIGQUIT ignored, or have ignored SIGPIPE
// for their own pipes.
void default_signals() {
  for (int signal_number : {SIGINT, SIGQUIT, SIGPIPE}) signal(signal_number, SIG_DFL);
}

// Where the tests run with a standard stream closed, the pipes and terminals
// made here would take its number and be lost in the dup2 calls of the child.
void keep_standard_streams_open() {
  int fd = open("/dev/null", O_RDWR);
  while (fd >= 0 && fd <= STDERR_FILENO) fd = open("/dev/null", O_RDWR);
  if (fd >= 0) close(fd);
}

Ending ending_of(int wait_status) {
  Ending ending;
  if (WIFEXITED(wait_status)) {
    ending.exited = true;
    ending.status = WEXITSTATUS(wait_status);
  } else if (WIFSIGNALED(wait_status)) {
    ending.signal_number = WTERMSIG(wait_status);
  }
  return ending;
}

int remaining_ms(Clock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for pid to end within the deadline, killing it after.
Ending reap(pid_t pid, Clock::time_point deadline) {
  int wait_status = 0;
  while (waitpid(pid, &wait_status, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &wait_status, 0);
      Ending ending;
      ending.timed_out = true;
      return ending;
    }
    poll(nullptr, 0, 10);
  }
  return ending_of(wait_status);
}

}  // namespace

PipedRun run_piped(std::string_view script, const std::vector<std::string>& arguments, bool (*in_child)()) {
  return run_piped_binary(DURCHLAUFTRAEGER_BINARY, script, arguments, in_child);
}

PipedRun run_piped_binary(const std::string& binary, std::string_view script,
                          const std::vector<std::string>& arguments, bool (*in_child)()) {
  signal(SIGPIPE, SIG_IGN);
  keep_standard_streams_open();
  int to_program[2], from_program[2], errors_from_program[2];
  PipedRun run;
  if (pipe(to_program) != 0 || pipe(from_program) != 0 || pipe(errors_from_program) != 0) return run;
  pid_t pid = fork();
  if (pid == 0) {
    dup2(to_program[0], STDIN_FILENO);
    dup2(from_program[1], STDOUT_FILENO);
    dup2(errors_from_program[1], STDERR_FILENO);
    for (int fd : {to_program[0], to_program[1], from_program[0], from_program[1], errors_from_program[0],
                   errors_from_program[1]})
      close(fd);
    if (in_child != nullptr && !in_child()) _exit(127);
    exec_program(arguments, binary);
  }
  close(to_program[0]);
  close(from_program[1]);
  close(errors_from_program[1]);
  int errors = errors_from_program[0];
  int input = to_program[1];
  fcntl(input, F_SETFL, O_NONBLOCK);
  auto deadline = Clock::now() + kTimeout;
  std::size_t written = 0;
  if (script.empty()) {
    close(input);
    input = -1;
  }
  for (;;) {
    // A descriptor of -1 is left out of the poll.
    pollfd fds[3] = {{from_program[0], POLLIN, 0}, {errors, POLLIN, 0}, {input, POLLOUT, 0}};
    int ready = poll(fds, 3, remaining_ms(deadline));
    if (ready <= 0) break;
    if (fds[0].revents != 0) {
      char block[4096];
      ssize_t n = read(from_program[0], block, sizeof block);
      if (n <= 0) break;
      run.output.append(block, static_cast<std::size_t>(n));
    }
    if (errors >= 0 && fds[1].revents != 0) {
      char block[4096];
      ssize_t n = read(errors, block, sizeof block);
      if (n > 0) {
        run.errors.append(block, static_cast<std::size_t>(n));
      } else {
        close(errors);
        errors = -1;
      }
    }
    if (input >= 0 && fds[2].revents != 0) {
      ssize_t n = write(input, script.data() + written, script.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 || written == script.size()) {
        close(input);
        input = -1;
      }
    }
  }
  if (input >= 0) close(input);
  close(from_program[0]);
  // What is left on standard error once standard output has ended.
  while (errors >= 0) {
    pollfd fd = {errors, POLLIN, 0};
    char block[4096];
    ssize_t n = poll(&fd, 1, remaining_ms(deadline)) > 0 ? read(errors, block, sizeof block) : 0;
    if (n <= 0) break;
    run.errors.append(block, static_cast<std::size_t>(n));
  }
  if (errors >= 0) close(errors);
  run.ending = reap(pid, deadline);
  return run;
}

pid_t start_with_input(const std::string& input, const std::vector<std::string>& arguments,
                       bool (*in_child)()) {
  keep_standard_streams_open();
  pid_t pid = fork();
  if (pid == 0) {
    int in = open(input.c_str(), O_RDONLY);
    int out = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0) _exit(127);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    close(in);
    close(out);
    default_signals();
    if (in_child != nullptr && !in_child()) _exit(127);
    exec_program(arguments);
  }
  return pid;
}

Ending wait_end_of(pid_t pid) { return reap(pid, Clock::now() + kTimeout); }

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The child's side of a fresh terminal: it leads a new session with the
// terminal as its controlling terminal and standard streams.
static void take_terminal(int master, int slave) {
  setsid();
  ioctl(slave, TIOCSCTTY, 0);
  dup2(slave, STDIN_FILENO);
  dup2(slave, STDOUT_FILENO);
  dup2(slave, STDERR_FILENO);
  close(master);
  close(slave);
}

// Starts the program with arguments, or runs body where it is given, in a
// child at a fresh terminal.
static pid_t start_at_terminal(int& master, int& slave, struct termios& found_mode, void (*body)(),
                               const std::vector<std::string>& arguments) {
  keep_standard_streams_open();
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return -1;
  tcgetattr(slave, &found_mode);
  pid_t pid = fork();
  if (pid == 0) {
    take_terminal(master, slave);
    default_signals();
    if (body == nullptr) exec_program(arguments);
    no_core_file();
    body();
    _exit(0);
  }
  return pid;
}

PtySession::PtySession() { pid = child = start_at_terminal(master, slave, found_mode, nullptr, {}); }

PtySession::PtySession(const std::vector<std::string>& arguments) {
  pid = child = start_at_terminal(master, slave, found_mode, nullptr, arguments);
}

PtySession::PtySession(void (*body)()) {
  pid = child = start_at_terminal(master, slave, found_mode, body, {});
}

// A shell in miniature: starts the program as a foreground job, tells the
// test its process id, and ends as the program ends.
[[noreturn]] static void run_as_job(int report) {
  pid_t program = fork();
  if (program == 0) {
    setpgid(0, 0);
    // Taking the foreground from the background needs SIGTTOU ignored.
    signal(SIGTTOU, SIG_IGN);
    tcsetpgrp(STDIN_FILENO, getpgrp());
    signal(SIGTTOU, SIG_DFL);
    exec_program();
  }
  setpgid(program, program);
  if (write(report, &program, sizeof program) != sizeof program) _exit(127);
  int wait_status = 0;
  while (waitpid(program, &wait_status, 0) == -1 && errno == EINTR) {
  }
  if (WIFSIGNALED(wait_status)) {
    signal(WTERMSIG(wait_status), SIG_DFL);
    raise(WTERMSIG(wait_status));
  }
  _exit(WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 127);
}

PtySession::PtySession(AsJob /*as_job*/) {
  keep_standard_streams_open();
  int report[2];
  if (pipe(report) != 0) return;
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) == 0) {
    found_mode = mode();
    child = fork();
    if (child == 0) {
      close(report[0]);
      take_terminal(master, slave);
      default_signals();
      run_as_job(report[1]);
    }
    pollfd fd = {report[0], POLLIN, 0};
    pid_t program = -1;
    if (child > 0 && poll(&fd, 1, remaining_ms(Clock::now() + kTimeout)) == 1 &&
        read(report[0], &program, sizeof program) == sizeof program) {
      pid = program;
    }
  }
  close(report[0]);
  close(report[1]);
}

PtySession::~PtySession() {
  for (pid_t process : {pid, child}) {
    if (process > 0) kill(process, SIGKILL);
  }
  if (child > 0) waitpid(child, nullptr, 0);
  if (master >= 0) close(master);
  if (slave >= 0) close(slave);
}

bool PtySession::read_some(int timeout_ms) {
  pollfd fd = {master, POLLIN, 0};
  if (poll(&fd, 1, timeout_ms) <= 0) return false;
  char block[4096];
  ssize_t n = read(master, block, sizeof block);
  if (n <= 0) return false;
  for (ssize_t i = 0; i < n; ++i) {
    if (block[i] != '\r') screen.push_back(block[i]);
  }
  return true;
}

template <typename Done>
bool PtySession::wait_until(Done done) {
  auto deadline = Clock::now() + kTimeout;
  while (!done()) {
    if (Clock::now() > deadline) return false;
    read_some(10);
  }
  return true;
}

bool PtySession::wait_for(std::string_view text, std::size_t from) {
  return wait_until([&] { return screen.find(text, from) != std::string::npos; });
}

void PtySession::type(std::string_view keys) const {
  while (!keys.empty()) {
    ssize_t n = write(master, keys.data(), keys.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    keys.remove_prefix(static_cast<std::size_t>(n));
  }
}

Ending PtySession::wait_end() {
  auto deadline = Clock::now() + kTimeout;
  int wait_status = 0;
  while (waitpid(child, &wait_status, WNOHANG) == 0) {
    if (Clock::now() > deadline) return reap(child, deadline);
    read_some(10);
  }
  while (read_some(0)) {
  }
  pid = child = -1;
  return ending_of(wait_status);
}

// The state letter of a process, as /proc shows it: 'T' when stopped.
static char process_state(pid_t process) {
  std::string stat = read_file("/proc/" + std::to_string(process) + "/stat");
  // The state follows the command name, which is in parentheses.
  std::size_t name_end = stat.rfind(')');
  return name_end != std::string::npos && name_end + 2 < stat.size() ? stat[name_end + 2] : '?';
}

// How often a process has gone to sleep of its own accord, from /proc.
static long voluntary_sleeps(pid_t process) {
  std::string status = read_file("/proc/" + std::to_string(process) + "/status");
  const char kField[] = "\nvoluntary_ctxt_switches:";
  std::size_t at = status.find(kField);
  return at == std::string::npos ? -1 : std::strtol(status.c_str() + at + sizeof kField - 1, nullptr, 10);
}

bool PtySession::type_and_settle(std::string_view keys) {
  long before = voluntary_sleeps(pid);
  type(keys);
  return wait_until([&] { return voluntary_sleeps(pid) > before && process_state(pid) == 'S'; });
}

bool PtySession::wait_stopped() {
  return wait_until([&] { return process_state(pid) == 'T'; });
}

bool PtySession::wait_mode(bool (*wanted)(const struct termios&)) {
  return wait_until([&] { return wanted(mode()); });
}

struct termios PtySession::mode() const {
  struct termios mode = {};
  tcgetattr(slave, &mode);
  return mode;
}

std::vector<int> ending_signals() {
  std::vector<int> signals = {SIGINT,  SIGTERM, SIGHUP,    SIGQUIT, SIGALRM, SIGUSR1,
                              SIGUSR2, SIGPROF, SIGVTALRM, SIGXCPU, SIGPIPE, SIGABRT};
#ifndef DURCHLAUFTRAEGER_SANITIZED
  signals.insert(signals.end(), {SIGSEGV, SIGBUS, SIGFPE, SIGILL});
#endif
  return signals;
}

bool in_key_mode(const struct termios& mode) {
  return (mode.c_lflag & (ICANON | ECHO)) == 0 && mode.c_cc[VMIN] == 1;
}

bool same_mode(const struct termios& a, const struct termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}
