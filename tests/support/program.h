// Runs the built program as a user would: with a script piped into it, or at
// a pseudo-terminal, key by key. Every wait is bounded by a generous timeout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>
#include <termios.h>

// The spans of the longest beams whose page the tests have the program
// write: under the sanitizers it would not end within the timeout with
// more.
#ifdef DURCHLAUFTRAEGER_SANITIZED
inline constexpr int kLongestBeamSpans = 10000;
#else
inline constexpr int kLongestBeamSpans = 100000;
#endif

// How a run of the program ended.
struct Ending {
  bool exited = false;  // ended by itself, with status
  int status = -1;
  int signal_number = 0;   // or ended by this signal
  bool timed_out = false;  // or still running after the timeout, then killed
};

struct PipedRun {
  std::string output;
  std::string errors;  // what it wrote to standard error
  Ending ending;
};

// Runs the program with script as its standard input through a pipe, and
// with the command-line arguments given. Where given, in_child runs in the
// child process just before the program starts (to set a resource limit, or
// to drop privileges), and the program is not started where it returns false.
PipedRun run_piped(std::string_view script, const std::vector<std::string>& arguments = {},
                   bool (*in_child)() = nullptr);

// The same with another copy of the program: the binary at that path.
PipedRun run_piped_binary(const std::string& binary, std::string_view script,
                          const std::vector<std::string>& arguments = {}, bool (*in_child)() = nullptr);

// Starts the program with the file input as its standard input and its
// output thrown away, with the signals as an interactive shell leaves them
// and then, where given, in_child run as by run_piped; returns its process
// id, or -1.
pid_t start_with_input(const std::string& input, const std::vector<std::string>& arguments,
                       bool (*in_child)() = nullptr);

// Waits, within the timeout, for a program started so to end; kills it after.
Ending wait_end_of(pid_t pid);

// Reads a whole file; empty if it cannot be read.
std::string read_file(const std::string& path);

// The program at a pseudo-terminal. The test keeps the terminal's slave side
// open, so the terminal's mode can be read at any moment.
struct PtySession {
  // The program, and the child process of the test to wait for: the program
  // itself, or the shell that started it as a job.
  pid_t pid = -1;
  pid_t child = -1;
  int master = -1;
  int slave = -1;
  // Everything the program wrote, with the terminal's carriage returns removed.
  std::string screen;
  // The terminal's mode as it was made, before the program could change it:
  // what every way out of the program must leave.
  struct termios found_mode = {};

  // Starts the program at a fresh pseudo-terminal in its default mode, as the
  // leader of the terminal's session.
  PtySession();
  // The same with command-line arguments.
  explicit PtySession(const std::vector<std::string>& arguments);
  // Starts it as a shell with job control does: in a process group of its
  // own in the terminal's foreground, below a waiting parent in the same
  // session. Only so does Ctrl-Z stop it; the kernel drops a stop signal to a
  // process group that nothing in its session could continue.
  struct AsJob {};
  explicit PtySession(AsJob as_job);
  // Runs body in a child process at a fresh pseudo-terminal instead, for
  // driving the console layer itself; the child ends when body returns.
  explicit PtySession(void (*body)());
  // Kills the program if it still runs.
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  // Waits until text appears on the screen at or after position from.
  bool wait_for(std::string_view text, std::size_t from = 0);
  // Types keys, without Enter unless they contain it.
  void type(std::string_view keys) const;
  // Waits for the program to end.
  Ending wait_end();
  // Types keys and waits until the program has woken up to them and sleeps
  // again, as it does once it has dealt with a signal they raise.
  bool type_and_settle(std::string_view keys);
  // Waits until the program is stopped (by Ctrl-Z, say).
  bool wait_stopped();
  // Waits until the terminal's mode satisfies wanted.
  bool wait_mode(bool (*wanted)(const struct termios&));
  struct termios mode() const;

 private:
  // Reads what the program wrote within timeout_ms; false if nothing came.
  bool read_some(int timeout_ms);
  // Keeps reading the screen until done() holds; false if it does not
  // within the timeout.
  template <typename Done>
  bool wait_until(Done done);
};

// Every signal whose default ends the program and that a user, a shell, a
// timer or a limit sends, then the faults as kill sends them (not in the
// sanitizer build, where they are the sanitizers'): each must end the
// program by itself, with no temporary file left and the terminal's mode
// as found.
std::vector<int> ending_signals();

// Whether the terminal is in the program's single-key mode.
bool in_key_mode(const struct termios& mode);

// Whether two terminal modes agree in every flag and control character.
bool same_mode(const struct termios& a, const struct termios& b);
