// Keyboard and standard streams on POSIX systems, through termios.
//
// Raw mode (no canonical input, no echo, one byte per read) is in force only
// while a key is awaited. Signals stay enabled: the handler of every signal
// that ends the program puts the saved mode back and removes the temporary
// file being written before the program dies by that signal. An escape
// sequence (an F key, an arrow) is read whole as one key.
#include "console/terminal.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "console/keys.h"
#include "console/leaving.h"

namespace dlt {

static bool g_keyboard = false;
static struct termios g_found_mode;
static struct termios g_key_mode;
// Set while the key mode is in force, read by the signal handlers.
static volatile sig_atomic_t g_in_key_mode = 0;

// The temporary file being written, for the signal handlers: the name is
// complete before the flag goes up, and the flag down before the name
// changes. Room for the longest path the system takes and a suffix.
static char g_temporary[4096 + 64];
static volatile sig_atomic_t g_has_temporary = 0;

// The signals whose default ends the program and that a user, a shell, a
// timer or a limit sends. Not the real-time signals, nor SIGTRAP, SIGSYS,
// SIGIO and the like, which are a debugger's or no one's; SIGXFSZ is
// ignored instead.
static constexpr int kSentSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM, SIGALRM, SIGUSR1,
                                       SIGUSR2, SIGPROF, SIGXCPU, SIGPIPE, SIGABRT, SIGVTALRM};

// The program's own faults, as a last resort. They come at the instruction
// that faults and cannot wait, so they are never held back. In a build with
// the sanitizers they are the sanitizers', which report them.
static constexpr int kFaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
#ifdef DLT_SANITIZERS
static constexpr bool kFaultsAreOurs = false;
#else
static constexpr bool kFaultsAreOurs = true;
#endif

// A stack overflow leaves no stack for the handler of its SIGSEGV: the
// fault handlers run on this one.
alignas(16) static char g_fault_stack[64 * 1024];

static bool g_failures_to_errors = false;

static void set_mode(const struct termios& mode) {
  // errno is saved because the signal handlers call this too.
  int saved_errno = errno;
  while (tcsetattr(STDIN_FILENO, TCSANOW, &mode) == -1 && errno == EINTR) {
  }
  errno = saved_errno;
}

static sigset_t sent_signals() {
  sigset_t sent;
  sigemptyset(&sent);
  for (int signal_number : kSentSignals) sigaddset(&sent, signal_number);
  return sent;
}

static void set_handler(int signal_number, void (*handler)(int), const sigset_t& mask, int flags) {
  struct sigaction action = {};
  action.sa_handler = handler;
  action.sa_mask = mask;
  action.sa_flags = flags;
  sigaction(signal_number, &action, nullptr);
}

static void set_handler(int signal_number, void (*handler)(int)) {
  sigset_t none;
  sigemptyset(&none);
  set_handler(signal_number, handler, none, SA_RESTART);
}

// The other sent signals wait while it runs, so that the program ends by
// the first signal that came.
static void on_leaving_signal(int signal_number) {
  if (g_has_temporary != 0) unlink(g_temporary);
  if (g_in_key_mode != 0) set_mode(g_found_mode);
  set_handler(signal_number, SIG_DFL);
  // Blocked inside its own handler: raised, and let through, it ends the
  // program by its default action here. For a fault the kernel sent, the
  // faulting instruction would only fault again on return.
  raise(signal_number);
  sigset_t own;
  sigemptyset(&own);
  sigaddset(&own, signal_number);
  sigprocmask(SIG_UNBLOCK, &own, nullptr);
}

static void on_stop_signal(int /*signal_number*/) {
  int saved_errno = errno;
  if (g_in_key_mode != 0) set_mode(g_found_mode);
  set_handler(SIGTSTP, SIG_DFL);
  sigset_t stop_set;
  sigemptyset(&stop_set);
  sigaddset(&stop_set, SIGTSTP);
  raise(SIGTSTP);
  // SIGTSTP is blocked inside its own handler: unblocking it stops the
  // process here, and it goes on after SIGCONT. Where no shell could continue
  // the process, the kernel drops the stop and the key wait simply goes on.
  sigprocmask(SIG_UNBLOCK, &stop_set, nullptr);
  set_handler(SIGTSTP, on_stop_signal);
  if (g_in_key_mode != 0) set_mode(g_key_mode);
  errno = saved_errno;
}

// Also after a stop the handler above did not see (SIGSTOP), during which a
// shell may have set its own mode.
static void on_continue_signal(int /*signal_number*/) {
  if (g_in_key_mode != 0) set_mode(g_key_mode);
}

static void restore_at_exit() {
  if (g_in_key_mode != 0) set_mode(g_found_mode);
}

// A signal ignored when the program starts (nohup, a background job of a
// script) stays ignored.
static bool ignored_at_start(int signal_number) {
  struct sigaction found = {};
  return sigaction(signal_number, nullptr, &found) == 0 && found.sa_handler == SIG_IGN;
}

static bool same_file(int a, int b) {
  struct stat info_a = {};
  struct stat info_b = {};
  return fstat(a, &info_a) == 0 && fstat(b, &info_b) == 0 && info_a.st_dev == info_b.st_dev &&
         info_a.st_ino == info_b.st_ino;
}

void term_open() {
  g_failures_to_errors = isatty(STDOUT_FILENO) == 0 && !same_file(STDOUT_FILENO, STDERR_FILENO);
  // A write past the file size limit then fails with EFBIG, which a report
  // can tell the user about.
  signal(SIGXFSZ, SIG_IGN);
  sigset_t sent = sent_signals();
  for (int signal_number : kSentSignals) {
    if (!ignored_at_start(signal_number)) set_handler(signal_number, on_leaving_signal, sent, SA_RESTART);
  }
  if (kFaultsAreOurs) {
    stack_t stack = {};
    stack.ss_sp = g_fault_stack;
    stack.ss_size = sizeof g_fault_stack;
    bool own_stack = sigaltstack(&stack, nullptr) == 0;
    for (int signal_number : kFaultSignals) {
      if (!ignored_at_start(signal_number))
        set_handler(signal_number, on_leaving_signal, sent, own_stack ? SA_ONSTACK : 0);
    }
  }
  g_keyboard = isatty(STDIN_FILENO) != 0 && tcgetattr(STDIN_FILENO, &g_found_mode) == 0;
  if (!g_keyboard) return;
  g_key_mode = g_found_mode;
  g_key_mode.c_lflag &= ~(ECHO | ICANON | IEXTEN);
  g_key_mode.c_cc[VMIN] = 1;
  g_key_mode.c_cc[VTIME] = 0;
  std::atexit(restore_at_exit);
  set_handler(SIGTSTP, on_stop_signal);
  set_handler(SIGCONT, on_continue_signal);
}

bool term_is_keyboard() { return g_keyboard; }

// The flag is raised before the mode changes and lowered after it changes
// back, so a signal at any moment finds the terminal restorable.
void term_begin_key() {
  g_in_key_mode = 1;
  set_mode(g_key_mode);
}

// Whether a failed read of standard input is worth trying again. A caller
// may hand the program a non-blocking input: then wait until it is readable.
static bool read_again_after(int error) {
  if (error == EINTR) return true;
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  struct pollfd input = {STDIN_FILENO, POLLIN, 0};
  return poll(&input, 1, -1) >= 0 || errno == EINTR;
}

static int read_code() {
  for (;;) {
    unsigned char code;
    ssize_t n = read(STDIN_FILENO, &code, 1);
    if (n == 1) return code;
    if (n == -1 && read_again_after(errno)) continue;
    return -1;
  }
}

// The codes of one key press arrive together; nothing more within this time
// after an ESC means the Escape key itself.
constexpr int kSequenceWaitMs = 100;

static int read_code_soon() {
  struct pollfd input = {STDIN_FILENO, POLLIN, 0};
  int ready = 0;
  while ((ready = poll(&input, 1, kSequenceWaitMs)) == -1 && errno == EINTR) {
  }
  return ready == 1 ? read_code() : -1;
}

int term_read_key() {
  int code = read_code();
  return code == kEscape ? key_after_escape(read_code_soon) : code;
}

std::size_t term_read_typed_ahead(char* buffer, std::size_t size) {
  std::size_t count = 0;
  while (count < size && term_input_ready()) {
    ssize_t n = read(STDIN_FILENO, buffer + count, size - count);
    if (n > 0) {
      count += static_cast<std::size_t>(n);
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  return count;
}

void term_end_key() {
  set_mode(g_found_mode);
  g_in_key_mode = 0;
}

bool term_input_ready() {
  struct pollfd input = {STDIN_FILENO, POLLIN, 0};
  return poll(&input, 1, 0) == 1;
}

std::size_t term_read_input(char* buffer, std::size_t size) {
  for (;;) {
    ssize_t n = read(STDIN_FILENO, buffer, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (!read_again_after(errno)) return 0;
  }
}

static void write_all(int fd, const char* text, std::size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, text, size);
    if (n == -1 && errno == EINTR) continue;
    if (n <= 0) return;  // the output is gone; nothing left to tell it
    text += n;
    size -= static_cast<std::size_t>(n);
  }
}

void term_write_output(const char* text, std::size_t size) { write_all(STDOUT_FILENO, text, size); }

bool term_failures_to_errors() { return g_failures_to_errors; }

void term_write_errors(const char* text, std::size_t size) { write_all(STDERR_FILENO, text, size); }

static void set_leaving_mask(int how) {
  sigset_t sent = sent_signals();
  sigprocmask(how, &sent, nullptr);
}

void hold_leaving_signals() { set_leaving_mask(SIG_BLOCK); }

void release_leaving_signals() { set_leaving_mask(SIG_UNBLOCK); }

bool note_temporary_file(const char* path) {
  std::size_t length = std::strlen(path);
  if (length >= sizeof g_temporary) return false;
  g_has_temporary = 0;
  std::memcpy(g_temporary, path, length + 1);
  g_has_temporary = 1;
  return true;
}

void forget_temporary_file() { g_has_temporary = 0; }

}  // namespace dlt
