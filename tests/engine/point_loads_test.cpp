// Keys d and b: point actions and springs change the state at a point, and
// nothing but the registers they name.
#include <string>

#include <gtest/gtest.h>

#include "engine/point_loads.h"
#include "tests/support/dialogue.h"
#include "tests/support/register_states.h"
#include "tests/support/transcript.h"

using namespace dlt;

TEST(PointAction, ChangesOnlyTheLoadEntryOfItsQuantity) {
  for (Quantity q : kQuantities) {
    RegisterFile R = numbered_registers();
    RegisterFile before = R;
    EXPECT_EQ(apply_element(R, {.kind = ElementKind::point_action, .S1 = q, .load = 5}), Refusal::none);
    int entry = state_code(q);
    EXPECT_EQ(R[entry], before[entry] - 5) << entry;
    expect_unchanged_except(R, before, {entry});
  }
}

TEST(PointActionDialogue, BuildsTheActionFromItsCodeAndSize) {
  RegisterFile R = numbered_registers();
  RegisterFile before = R;
  InputValues in;
  console_open_script("3 -2.5");
  CommandEffect effect = cmd_point_load(R, in);
  EXPECT_EQ(console_take_output(), kPointLoadDialogue);
  EXPECT_EQ(effect.effect, Effect::element);
  EXPECT_EQ(effect.element.kind, ElementKind::point_action);
  EXPECT_EQ(effect.element.S1, Quantity::M);
  EXPECT_EQ(effect.element.load, -2.5);
  EXPECT_EQ(R[3], before[3] + 2.5);
  expect_unchanged_except(R, before, {3});
}

TEST(PointActionDialogue, CodesOutsideOneToFourChangeNoRegister) {
  for (const char* bad : {"0", "5", "13", "-1"}) {
    RegisterFile R = numbered_registers();
    RegisterFile before = R;
    InputValues in;
    console_open_script(std::string(bad) + " 5");
    EXPECT_EQ(cmd_point_load(R, in).effect, Effect::none) << bad;
    EXPECT_EQ(console_take_output(), kPointLoadDialogue + kPointLoadCodeNotice) << bad;
    expect_unchanged_except(R, before, {});
  }
}

TEST(Spring, ShearGrowsByCTimesDeflectionInEveryColumn) {
  RegisterFile R = numbered_registers();
  RegisterFile before = R;
  InputValues in;
  console_open_script("2");
  CommandEffect effect = cmd_elastic_support(R, in);
  EXPECT_EQ(console_take_output(), kElasticSupportDialogue);
  EXPECT_EQ(effect.element.kind, ElementKind::spring);
  EXPECT_EQ(effect.element.c, 2);
  EXPECT_EQ(R[4], 1.5 * 2 + 4.5);
  EXPECT_EQ(R[8], 5.5 * 2 + 8.5);
  EXPECT_EQ(R[12], 9.5 * 2 + 12.5);
  // R13 is the spring's scratch register.
  expect_unchanged_except(R, before, {4, 8, 12, 13});
}

TEST(Spring, AtAFreeLeftEndTheSpringCarriesX1) {
  // Free left end: X1 is the deflection there (R5 = 1), so Q = c X1.
  RegisterFile R;
  apply_element(R, {.kind = ElementKind::left_end, .S1 = Quantity::w, .S2 = Quantity::p});
  apply_element(R, {.kind = ElementKind::spring, .c = 40});
  EXPECT_EQ(R[8], 40);
  EXPECT_EQ(R[4], 0);
  EXPECT_EQ(R[12], 0);
}
