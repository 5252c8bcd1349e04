// The values of options read from their text: the factors of --faktoren.
#include <string>

#include <gtest/gtest.h>

#include "app/option_values.h"

using namespace dlt;

TEST(OptionValues, FactorsAreTwoOrThreeNumbersFromZeroToAHundred) {
  Factors f;
  ASSERT_TRUE(read_factors("1,35/1/1,5", f));
  EXPECT_EQ(f.g_sup, 1.35);
  EXPECT_EQ(f.g_inf, 1.0);
  EXPECT_EQ(f.q, 1.5);
  ASSERT_TRUE(read_factors("1.2/0", f));
  EXPECT_EQ(f.g_sup, 1.2);
  EXPECT_EQ(f.g_inf, 1.2);
  EXPECT_EQ(f.q, 0.0);
  for (const char* bad : {"", "1", "1/2/3/4", "-1/1", "1//1", "1/1/", "inf/1", "nan/1", "1e3/1", "1.2.3/1",
                          "1,5,/1", "./1", " 1/1", "0x1/1", "1/+1", "1/1 ", "100.000001/1", "1/1/101"})
    EXPECT_FALSE(read_factors(bad, f)) << bad;
  ASSERT_TRUE(read_factors("100/0/100,0", f));
  EXPECT_EQ(f.g_sup, 100.0);
  EXPECT_EQ(f.q, 100.0);
  // 1e308 in digits is finite, but would carry every limit to infinity.
  EXPECT_FALSE(read_factors(("1" + std::string(308, '0') + "/1/1").c_str(), f));
  EXPECT_FALSE(read_factors(("1/1/" + std::string(400, '9')).c_str(), f));
}
