// Keys d and b: point loads and springs change the state at a point, and
// nothing but the registers they name.
#include <string>

#include <gtest/gtest.h>

#include "dialogue.h"
#include "engine/point_loads.h"
#include "register_states.h"
#include "transcript.h"

using namespace dlt;

TEST(PointLoad, ChangesOnlyTheLoadEntryOfItsQuantity) {
  for (int S1 = 1; S1 <= 4; ++S1) {
    RegisterFile R = numbered_registers();
    RegisterFile before = R;
    InputValues in;
    EXPECT_EQ(dialogue(cmd_point_load, R, in, std::to_string(S1) + " 5"), kPointLoadDialogue);
    EXPECT_EQ(R[S1], before[S1] - 5) << S1;
    expect_unchanged_except(R, before, {S1});
  }
}

TEST(PointLoad, CodesOutsideOneToFourChangeNoRegister) {
  for (const char* bad : {"0", "5", "13", "-1"}) {
    RegisterFile R = numbered_registers();
    RegisterFile before = R;
    InputValues in;
    EXPECT_EQ(dialogue(cmd_point_load, R, in, std::string(bad) + " 5"),
              kPointLoadDialogue + kPointLoadCodeNotice)
        << bad;
    expect_unchanged_except(R, before, {});
  }
}

TEST(ElasticSupport, ShearGrowsByCTimesDeflectionInEveryColumn) {
  RegisterFile R = numbered_registers();
  RegisterFile before = R;
  InputValues in;
  EXPECT_EQ(dialogue(cmd_elastic_support, R, in, "2"), kElasticSupportDialogue);
  EXPECT_EQ(R[13], 2);
  EXPECT_EQ(R[4], 1.5 * 2 + 4.5);
  EXPECT_EQ(R[8], 5.5 * 2 + 8.5);
  EXPECT_EQ(R[12], 9.5 * 2 + 12.5);
  expect_unchanged_except(R, before, {4, 8, 12, 13});
}

TEST(ElasticSupport, AtAFreeLeftEndTheSpringCarriesX1) {
  // Free left end: X1 is the deflection there (R5 = 1), so Q = c X1.
  RegisterFile R;
  R[5] = 1;
  R[10] = 1;
  R[15] = 20;
  InputValues in;
  dialogue(cmd_elastic_support, R, in, "40");
  EXPECT_EQ(R[8], 40);
  EXPECT_EQ(R[4], 0);
  EXPECT_EQ(R[12], 0);
}
