// Key a: the columns it sets up, and the codes it refuses.
#include <string>

#include <gtest/gtest.h>

#include "dialogue.h"
#include "engine/left_end.h"
#include "transcript.h"

using namespace dlt;

// A register file as an earlier pass may leave it: every register in use.
static RegisterFile used_registers() {
  RegisterFile R;
  for (int k = 0; k < kRegisterCount; ++k) R[k] = 100 + k;
  return R;
}

TEST(LeftEnd, PinnedEndSetsTheColumnsAndStartsAPass) {
  RegisterFile R = used_registers();
  InputValues in;
  EXPECT_EQ(dialogue(cmd_left_end, R, in, "2\n4\n"), kLeftEndDialogue);
  EXPECT_EQ(in.S1, 2);
  EXPECT_EQ(in.S2, 4);
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], (k == 6 || k == 12) ? 1 : 0) << "R" << k;
  EXPECT_EQ(R[13], 6);
  EXPECT_EQ(R[14], 12);
  EXPECT_EQ(R[15], 20);
  // What the right end and the conditions of the first pass left stays.
  EXPECT_EQ(R[0], 100);
  for (int k = 16; k < kRegisterCount; ++k) EXPECT_EQ(R[k], 100 + k) << "R" << k;

  RegisterFile again = R;
  dialogue(cmd_left_end, again, in, "2 4");
  for (int k = 0; k < kRegisterCount; ++k) EXPECT_EQ(again[k], R[k]) << "R" << k;
}

TEST(LeftEnd, EachSupportTypePutsItsOnesInTheirColumns) {
  struct Case {
    const char* codes;
    int x1_register;
    int x2_register;
  };
  // Free end, clamped end, and a sliding clamp (p and Q zero there).
  for (Case c : {Case{"1 2", 5, 10}, Case{"3 4", 7, 12}, Case{"1 3", 5, 11}}) {
    RegisterFile R = used_registers();
    InputValues in;
    dialogue(cmd_left_end, R, in, c.codes);
    for (int k = 1; k <= 12; ++k)
      EXPECT_EQ(R[k], (k == c.x1_register || k == c.x2_register) ? 1 : 0) << c.codes << " R" << k;
  }
}

TEST(LeftEnd, SameCodeTwiceOnlyClearsTheColumns) {
  // One unknown twice and the other missing: every condition after it would
  // meet two equal columns.
  for (const char* codes : {"2 2", "4 4"}) {
    RegisterFile R = used_registers();
    InputValues in;
    EXPECT_EQ(dialogue(cmd_left_end, R, in, codes),
              kLeftEndDialogue + "S1 gleich S2, linkes Ende nicht gesetzt\n")
        << codes;
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], 0) << codes << " R" << k;
    for (int k = 13; k < kRegisterCount; ++k) EXPECT_EQ(R[k], 100 + k) << codes << " R" << k;
  }
}

TEST(LeftEnd, CodesOutsideOneToFourOnlyClearTheColumns) {
  for (const char* codes : {"0 4", "5 4", "2 9", "-1 2", "2 0", "2147483647 2147483647"}) {
    RegisterFile R = used_registers();
    InputValues in;
    EXPECT_EQ(dialogue(cmd_left_end, R, in, codes),
              kLeftEndDialogue + "S1 und S2 nur 1 bis 4, linkes Ende nicht gesetzt\n")
        << codes;
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], 0) << codes << " R" << k;
    EXPECT_EQ(R[0], 100) << codes;
    for (int k = 13; k < kRegisterCount; ++k) EXPECT_EQ(R[k], 100 + k) << codes << " R" << k;
  }
}
