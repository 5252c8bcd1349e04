// Quiet mode on a script console: the dialogue's texts drop out, results,
// notices and failures print as ever, and the pause takes its key unseen.
#include <string>

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/stream.h"
#include "tests/support/quiet_mode.h"

using namespace dlt;

namespace {

// One of each kind of text the console prints.
std::string every_kind() {
  console_open_script("");
  print("S1= ");
  print_result("w= ");
  print_fixed(-0.0);
  print_result("\n");
  print_notice("Bericht geschrieben: r.txt\n");
  print_failure("Bericht nicht geschrieben: r.txt: Permission denied\n");
  print("\nW2= ");
  return console_take_output();
}

}  // namespace

TEST(QuietConsole, KeepsResultsNoticesAndFailuresAlone) {
  EXPECT_EQ(every_kind(),
            "S1= w= -0.000000\nBericht geschrieben: r.txt\n"
            "Bericht nicht geschrieben: r.txt: Permission denied\n\nW2= ");
  {
    QuietMode quiet;
    EXPECT_TRUE(is_quiet());
    EXPECT_EQ(every_kind(),
              "w= -0.000000\nBericht geschrieben: r.txt\n"
              "Bericht nicht geschrieben: r.txt: Permission denied\n");
  }
  EXPECT_FALSE(is_quiet());
  EXPECT_EQ(every_kind().substr(0, 4), "S1= ");
}

TEST(QuietConsole, PauseShowsNothingAndTakesTheScriptsKey) {
  QuietMode quiet;
  console_open_script("x\n y");
  dlt::pause();
  EXPECT_EQ(console_take_output(), "");
  // The x answered the pause: a script reads on as without quiet mode.
  EXPECT_EQ(read_key(), 'y');
  dlt::pause();
  EXPECT_EQ(read_key(), kEndOfInput);
  EXPECT_EQ(console_take_output(), "");
}
