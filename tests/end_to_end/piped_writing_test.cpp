// Piped input has its files written once: when the input ends, and before a
// new beam takes the place of the old one's load cases. The notices stand
// where the writing happens, the files hold the last right end's beam
// whatever follows it, a signal before the end leaves them as they were,
// and a write that failed on the way still gives status 1.
#include <chrono>
#include <csignal>
#include <cstddef>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/report_text.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/transcript.h"

namespace {

// The three-span beam's four load cases, without their q.
std::string three_spans() {
  std::string script = example("dreifeldtraeger_lastfaelle.txt");
  return script.substr(0, script.rfind("q\n"));
}

const char* const kNames[] = {"r.txt", "g.txt", "t.toml"};

std::vector<std::string> options_in(const ScratchDirectory& dir) {
  return {"--bericht",       dir.file("r.txt"), "--grenzwerte",
          dir.file("g.txt"), "--als-datei",     dir.file("t.toml")};
}

// The notices of the three files, the load cases counted.
std::string notices(const ScratchDirectory& dir, int cases) {
  std::string count = " (" + std::to_string(cases) + " Lastfaelle)\n";
  return "Bericht geschrieben: " + dir.file("r.txt") + "\nGrenzwerte geschrieben: " + dir.file("g.txt") +
         count + "Traegerdatei geschrieben: " + dir.file("t.toml") + count;
}

// Where the n-th right end's dialogue ends (n from 1).
std::size_t after_right_end(const std::string& output, int n) {
  std::size_t at = 0;
  for (int k = 0; k < n; ++k) at = output.find("W2= ", at) + 4;
  return at;
}

}  // namespace

TEST(PipedWriting, TheOldBeamWhereANewOneBeginsAndTheLastAtTheEnd) {
  ScratchDirectory dir;
  ScratchDirectory alone;
  // The single span's second pass walks the beam and has no right end.
  std::string script = three_spans() + example("einfeldtraeger.txt");
  PipedRun run = run_piped(script, options_in(dir));
  EXPECT_EQ(run.ending.status, 0);
  // The three spans' files after the single span's right end, with the
  // notice of the new beam, on standard error too; the single span's after
  // the last menu.
  const std::string new_beam =
      "neuer Traeger (rechtes Ende bei x= 4.000000 statt 15.000000), Lastfaelle beginnen bei 1\n";
  EXPECT_EQ(run.errors, new_beam);
  std::string expected = run_piped(script).output;
  expected.insert(after_right_end(expected, 5), notices(dir, 4) + new_beam);
  EXPECT_EQ(run.output, expected + notices(dir, 1));
  // The single span's first pass alone writes the same files: the pass
  // after its right end changes nothing.
  PipedRun first = run_piped("a 2 4\nc 4 100 1 10 0\nf 1 0 1 3 0\n", options_in(alone));
  EXPECT_EQ(first.output.substr(first.output.rfind("F8 q Exit\n")), "F8 q Exit\n" + notices(alone, 1));
  for (const char* name : kNames) {
    EXPECT_FALSE(read_file(dir.file(name)).empty()) << name;
    EXPECT_EQ(read_file(dir.file(name)), read_file(alone.file(name))) << name;
  }
}

TEST(PipedWriting, ASignalBeforeTheInputEndsLeavesTheFilesAsTheyWere) {
  ScratchDirectory pipe_dir;
  ScratchDirectory dir;
  ScratchDirectory alone;
  std::string fifo = pipe_dir.file("eingabe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  pid_t pid = start_with_input(fifo, options_in(dir));
  ASSERT_GT(pid, 0);
  // Opening the pipe waits for the program to open it too; it stays open,
  // so the input does not end.
  int input = open(fifo.c_str(), O_WRONLY);
  ASSERT_GE(input, 0);
  std::string script = three_spans() + "a 2 4 c 4 100 1 10 0 f 1 0 1 3 0\na 2 4 c 4 100 1 12 0 f 1 0 1 3 0\n";
  ASSERT_EQ(write(input, script.data(), script.size()), static_cast<ssize_t>(script.size()));
  // The three spans' files are written where the single span's first right
  // end takes their place, the beam file last.
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  bool written = false;
  while (!written && std::chrono::steady_clock::now() < deadline) {
    written = access(dir.file("t.toml").c_str(), F_OK) == 0;
    if (!written) usleep(1000);
  }
  kill(pid, SIGTERM);
  Ending ending = wait_end_of(pid);
  close(input);
  ASSERT_TRUE(written) << "the three spans' files did not appear";
  EXPECT_EQ(ending.signal_number, SIGTERM);
  // The three spans' files, as a run of them alone leaves them, and nothing
  // beside them.
  EXPECT_EQ(run_piped(three_spans(), options_in(alone)).ending.status, 0);
  for (const char* name : kNames) EXPECT_EQ(read_file(dir.file(name)), read_file(alone.file(name))) << name;
  EXPECT_EQ(dir.entries(), 3);
}

namespace {

bool limit_file_size() {
  constexpr rlim_t kBytes = rlim_t{100} * 1024;
  struct rlimit limit = {kBytes, kBytes};
  return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

}  // namespace

TEST(PipedWriting, AWriteThatFailedWhereANewBeamBeganGivesStatusOne) {
  ScratchDirectory dir;
  // 2000 spans: their report is larger than the file size limit allows.
  std::string script = "a 2 4\n";
  for (int i = 1; i < 2000; ++i) script += "c 6 2e4 1 12 0\nf 1 0 0\n";
  script += "c 6 2e4 1 12 0\nf 1 0 1 3 0\na 2 4\nc 4 100 1 10 0\nf 1 0 1 3 0\nq\n";
  PipedRun run = run_piped(script, {"--bericht", dir.file("r.txt")}, limit_file_size);
  EXPECT_TRUE(run.ending.exited) << "signal " << run.ending.signal_number;
  EXPECT_EQ(run.ending.status, 1);
  std::string refused = "Bericht nicht geschrieben: " + dir.file("r.txt") + ": File too large\n";
  EXPECT_NE(run.output.find("W2= " + refused + kMenu), std::string::npos);
  std::string last = kMenu + "Bericht geschrieben: " + dir.file("r.txt") + "\n";
  ASSERT_GE(run.output.size(), last.size());
  EXPECT_EQ(run.output.substr(run.output.size() - last.size()), last);
  EXPECT_EQ(run.errors, refused);
  // The single span's report, as a run of it alone writes it.
  ScratchDirectory alone;
  run_piped("a 2 4\nc 4 100 1 10 0\nf 1 0 1 3 0\nq\n", {"--bericht", alone.file("r.txt")});
  EXPECT_EQ(read_file(dir.file("r.txt")), read_file(alone.file("r.txt")));
}
