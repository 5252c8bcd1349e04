#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/register_file.h"

using namespace dlt;

TEST(RoundIndex, HalfUpThroughTheRemainder) {
  struct Case {
    double x;
    int index;
  };
  const Case cases[] = {
      {13.0 - 1.0, 12}, {0.5, 1},   {2.99, 3},  {4.99, 5}, {5.0, 5},  {5.5, 6},
      {5.49, 5},        {20.0, 20}, {30.0, 30}, {0.0, 0},  {0.49, 0}, {0.4999999999999999, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(round_index(c.x), c.index) << "x = " << c.x;
}

TEST(RoundIndex, NegativeValuesTruncateTowardZero) {
  // The remainder of a negative value is negative, never 0.5 or more.
  EXPECT_EQ(round_index(-1.7), -1);
  EXPECT_EQ(round_index(-0.5), 0);
  EXPECT_EQ(round_index(-2.5), -2);
  EXPECT_EQ(round_index(-0.0), 0);
  EXPECT_EQ(round_index(-4.0), -4);
}

TEST(RoundIndex, ValuesNoIntCanHoldGiveNoIndex) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(round_index(std::nan("")), kNoIndex);
  EXPECT_EQ(round_index(inf), kNoIndex);
  EXPECT_EQ(round_index(-inf), kNoIndex);
  EXPECT_EQ(round_index(1e300), kNoIndex);
  EXPECT_EQ(round_index(2147483647.0), kNoIndex);
  EXPECT_EQ(round_index(-2147483648.0), kNoIndex);
  // The largest values that still round into the int range.
  EXPECT_EQ(round_index(2147483646.5), 2147483647);
  EXPECT_EQ(round_index(-2147483647.5), -2147483647);
}

TEST(RegisterFile, StartsAtZero) {
  RegisterFile R;
  for (int k = 0; k < kRegisterCount; ++k) EXPECT_EQ(R[k], 0.0) << "R" << k;
}

TEST(RegisterFile, ClearSetsOnlyTheRangeGiven) {
  RegisterFile R;
  for (int k = 0; k < kRegisterCount; ++k) R[k] = k + 0.25;
  R.clear(1, 12);
  EXPECT_EQ(R[0], 0.25);
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(R[k], 0.0) << "R" << k;
  for (int k = 13; k < kRegisterCount; ++k) EXPECT_EQ(R[k], k + 0.25) << "R" << k;
  R.clear(1, 30);
  EXPECT_EQ(R[0], 0.25);
  EXPECT_EQ(R[30], 0.0);
}

TEST(RegisterFile, FactorSlotsGoOnPastR30) {
  RegisterFile R;
  const RegisterFile& read_only = R;
  // Slots not used yet read zero, and reading them changes nothing.
  EXPECT_EQ(read_only[31], 0.0);
  EXPECT_EQ(read_only[kLastRegister], 0.0);
  EXPECT_TRUE(R.more_slots.empty());
  // A slot written stays; a reference to it stays valid while later slots
  // come into use.
  double& first = R[31];
  first = 1.5;
  R[kLastRegister] = 2.5;
  first += 1;
  EXPECT_EQ(read_only[31], 2.5);
  EXPECT_EQ(read_only[kLastRegister], 2.5);
  EXPECT_EQ(read_only[kLastRegister - 1], 0.0);
}

TEST(RegisterFileDeathTest, AccessOutsideTheFileStopsTheProgram) {
  RegisterFile R;
  EXPECT_DEATH(R[kLastRegister + 1] = 1, "Register R200020 gibt es nicht");
  EXPECT_DEATH(R[-1] = 1, "Register R-1 gibt es nicht");
  EXPECT_DEATH(R[round_index(std::nan(""))] = 1, "gibt es nicht");
  const RegisterFile& read_only = R;
  EXPECT_DEATH((void)read_only[kLastRegister + 1], "Register R200020 gibt es nicht");
  EXPECT_DEATH((void)read_only[-2], "Register R-2 gibt es nicht");
}
