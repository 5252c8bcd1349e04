// The units of --einheiten: read from "FORCE,LENGTH", and every dimension
// the reports name in ASCII for the text and on the page.
#include <string>

#include <gtest/gtest.h>

#include "report/format/units.h"

using namespace dlt;

TEST(Units, EveryDimensionInAsciiAndOnThePage) {
  Units units;
  ASSERT_TRUE(read_units("kN,m", units));
  UnitNames text = unit_names(units, UnitForm::text);
  UnitNames page = unit_names(units, UnitForm::page);
  EXPECT_EQ(unit_of(text, Dimension::moment), "kN*m");
  EXPECT_EQ(unit_of(page, Dimension::moment), "kN\u00b7m");
  EXPECT_EQ(unit_of(text, Dimension::bending_stiffness), "kN*m^2");
  EXPECT_EQ(unit_of(page, Dimension::bending_stiffness), "kN\u00b7m\u00b2");
  EXPECT_EQ(unit_of(text, Dimension::force_per_area), "kN/m^2");
  EXPECT_EQ(unit_of(text, Dimension::force_per_length), "kN/m");
  EXPECT_EQ(unit_of(text, Dimension::angle), "rad");
  // A compound unit is put in parentheses where it is a factor.
  ASSERT_TRUE(read_units("kg*m/s^2,mm", units));
  EXPECT_EQ(unit_of(unit_names(units, UnitForm::text), Dimension::force_per_area), "(kg*m/s^2)/mm^2");
  // Without units, nothing.
  EXPECT_EQ(unit_of(unit_names({}, UnitForm::page), Dimension::moment), "");
  for (const char* bad : {"kN", "kN,", ",m", "kN,m,s", "k N,m", "kN,m\n", "kN,\xc2\xb5m", ""}) {
    Units kept{"N", "mm"};
    EXPECT_FALSE(read_units(bad, kept)) << bad;
    EXPECT_EQ(kept.force + "," + kept.length, "N,mm") << bad;
  }
}
