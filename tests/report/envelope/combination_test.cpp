// The combination of the load cases' values at one point: the permanent
// load's factor by its sign, the variable loads where they raise (or lower)
// the value, the arrangement that gives it, and its cases as the tables
// name them.
#include <cmath>
#include <cstddef>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/quantity.h"
#include "engine/results.h"
#include "report/envelope/combination.h"

using namespace dlt;

namespace {

const Factors kCodeFactors{1.35, 1.0, 1.5};

}  // namespace

TEST(Combination, ThePermanentLoadsFactorGoesByItsSign) {
  Arrangement arrangement;
  // Positive: g_sup makes it larger, g_inf smaller.
  EXPECT_EQ(combine(kCodeFactors, {10}, true, &arrangement), 1.35 * 10);
  EXPECT_EQ(arrangement, Arrangement{1.35});
  EXPECT_EQ(combine(kCodeFactors, {10}, false, &arrangement), 1.0 * 10);
  EXPECT_EQ(arrangement, Arrangement{1.0});
  // Negative: the other way round.
  EXPECT_EQ(combine(kCodeFactors, {-10}, true, &arrangement), 1.0 * -10);
  EXPECT_EQ(arrangement, Arrangement{1.0});
  EXPECT_EQ(combine(kCodeFactors, {-10}, false, &arrangement), 1.35 * -10);
  EXPECT_EQ(arrangement, Arrangement{1.35});
  // Zero raises nothing either way: g_inf.
  EXPECT_EQ(combine(kCodeFactors, {0}, true, &arrangement), 0.0);
  EXPECT_EQ(arrangement, Arrangement{1.0});
  EXPECT_EQ(combine(kCodeFactors, {0}, false, &arrangement), 0.0);
  EXPECT_EQ(arrangement, Arrangement{1.0});
}

TEST(Combination, VariableLoadsActOnlyWhereTheyRaiseOrLowerTheValue) {
  const std::vector<double> values = {2, 3, -4, 0, 5};
  Arrangement largest;
  Arrangement smallest;
  double high = combine(kCodeFactors, values, true, &largest);
  double low = combine(kCodeFactors, values, false, &smallest);
  EXPECT_EQ(largest, (Arrangement{1.35, 1.5, 0, 0, 1.5}));
  EXPECT_EQ(smallest, (Arrangement{1.0, 0, 1.5, 0, 0}));
  // In order: the permanent load's product, then each acting term.
  EXPECT_EQ(high, ((1.35 * 2) + (1.5 * 3)) + (1.5 * 5));
  EXPECT_EQ(low, (1.0 * 2) + (1.5 * -4));
  // A case of zero never acts, nor does any where the variable loads'
  // factor is zero.
  Arrangement none;
  EXPECT_EQ(combine({1.35, 1.0, 0}, values, true, &none), 1.35 * 2);
  EXPECT_EQ(none, (Arrangement{1.35, 0, 0, 0, 0}));
  // Without an arrangement asked for, the same value.
  EXPECT_EQ(combine(kCodeFactors, values, true, nullptr), high);
  EXPECT_EQ(combine(kCodeFactors, values, false, nullptr), low);
  EXPECT_EQ(arranged_value(largest, values), high);
  EXPECT_EQ(arranged_value(smallest, values), low);
}

TEST(Combination, IsTheLargestAndSmallestOfEveryArrangementToTheLastBit) {
  // Rounding is monotonic, so no arrangement's sum in order exceeds the
  // one that takes every raising term: the combination is the maximum (and
  // minimum) over all arrangements exactly, where g_sup >= g_inf.
  std::mt19937 random(4711);
  std::uniform_real_distribution<double> value(-100, 100);
  for (const Factors& factors : {kCodeFactors, Factors{1.0, 1.0, 1.0}, Factors{1.5, 0.8, 1.3}}) {
    for (int trial = 0; trial < 200; ++trial) {
      std::size_t cases = 1 + static_cast<std::size_t>(trial % 6);
      std::vector<double> values;
      for (std::size_t k = 0; k < cases; ++k) values.push_back(trial % 7 == 0 && k == 1 ? 0 : value(random));
      Arrangement largest;
      Arrangement smallest;
      double high = combine(factors, values, true, &largest);
      double low = combine(factors, values, false, &smallest);
      EXPECT_EQ(arranged_value(largest, values), high) << trial;
      EXPECT_EQ(arranged_value(smallest, values), low) << trial;
      double most = -std::numeric_limits<double>::infinity();
      double least = std::numeric_limits<double>::infinity();
      for (std::size_t acting = 0; acting < (std::size_t{1} << cases); ++acting) {
        Arrangement any = {acting % 2 == 0 ? factors.g_sup : factors.g_inf};
        for (std::size_t k = 1; k < cases; ++k) any.push_back(((acting >> k) & 1U) != 0 ? factors.q : 0);
        double v = arranged_value(any, values);
        most = v > most ? v : most;
        least = v < least ? v : least;
      }
      EXPECT_EQ(high, most) << trial;
      EXPECT_EQ(low, least) << trial;
    }
  }
}

TEST(Combination, TwoFactorsTakeTheSamePermanentFactorEitherWay) {
  // "G/Q" makes g_sup and g_inf one, whatever the sign.
  Factors two{1.35, 1.35, 1.5};
  Arrangement arrangement;
  EXPECT_EQ(combine(two, {-10, 4}, true, &arrangement), (1.35 * -10) + (1.5 * 4));
  EXPECT_EQ(arrangement, (Arrangement{1.35, 1.5}));
  EXPECT_EQ(combine(two, {-10, 4}, false, &arrangement), 1.35 * -10);
  EXPECT_EQ(arrangement, (Arrangement{1.35, 0}));
  // "GSUP/GINF/Q": each where it belongs.
  Factors three{1.2, 0.9, 1.4};
  EXPECT_EQ(combine(three, {-10, 4}, true, &arrangement), (0.9 * -10) + (1.4 * 4));
  EXPECT_EQ(arrangement, (Arrangement{0.9, 1.4}));
  EXPECT_EQ(combine(three, {-10, 4}, false, &arrangement), 1.2 * -10);
  EXPECT_EQ(arrangement, (Arrangement{1.2, 0}));
}

TEST(Combination, NoCasesCombineToZero) {
  Arrangement arrangement = {1.35, 1.5};
  EXPECT_EQ(combine(kCodeFactors, {}, true, &arrangement), 0.0);
  EXPECT_TRUE(arrangement.empty());
  EXPECT_EQ(combine(kCodeFactors, {}, false, nullptr), 0.0);
  EXPECT_EQ(arranged_value({}, {}), 0.0);
  EXPECT_EQ(acting_cases({}), "");
}

TEST(Combination, ActingCasesAreNumberedFromOneWithThePermanentLoadAlways) {
  EXPECT_EQ(acting_cases({1.35, 0, 1.5}), "1, 3");
  EXPECT_EQ(acting_cases({1.0}), "1");
  EXPECT_EQ(acting_cases({1.0, 0, 0}), "1");
  EXPECT_EQ(acting_cases({1.35, 1.5, 1.5}), "1, 2, 3");
  // The permanent load acts even with a factor of zero.
  EXPECT_EQ(acting_cases({0, 1.5}), "1, 2");
  Arrangement eleven(11, 0.0);
  eleven[0] = 1;
  eleven[10] = 1.5;
  EXPECT_EQ(acting_cases(eleven), "1, 11");
}

TEST(Combination, ARowCombinesEachQuantityOverItsCases) {
  EnvelopeRow row;
  row.x = 2.5;
  row.cases = {{0.1, -0.2, 30, -4}, {-0.05, 0.3, -12, 6}, {0.02, 0, 7, -1}};
  EnvelopeValues values = combine_row(kCodeFactors, row);
  EXPECT_EQ(values.x, 2.5);
  for (Quantity q : kQuantities) {
    std::vector<double> of_cases = case_values(row.cases, q);
    ASSERT_EQ(of_cases.size(), 3U);
    EXPECT_EQ(of_cases[1], value_of(row.cases[1], q));
    const Factors& factors = factors_for(kCodeFactors, q);
    EXPECT_EQ(value_of(values.largest, q), combine(factors, of_cases, true, nullptr)) << quantity_name(q);
    EXPECT_EQ(value_of(values.smallest, q), combine(factors, of_cases, false, nullptr)) << quantity_name(q);
  }
  // M and Q with the design factors, w and p under the characteristic loads.
  EXPECT_EQ(values.largest.M, (1.35 * 30) + (1.5 * 7));
  EXPECT_EQ(values.smallest.Q, ((1.35 * -4) + (1.5 * -1)));
  EXPECT_EQ(values.largest.w, 0.1 + 0.02);
  EXPECT_EQ(values.smallest.w, 0.1 + -0.05);
  EXPECT_EQ(values.largest.p, -0.2 + 0.3);
  EXPECT_EQ(values.smallest.p, -0.2);
}

TEST(Combination, AValueThatIsNotFiniteMakesTheCombinationNaNWithItsCaseActing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  Arrangement arrangement;
  // A NaN neither raises nor lowers: once it was left out, and the
  // permanent load alone made the limit.
  for (bool largest : {true, false}) {
    EXPECT_TRUE(std::isnan(combine(kCodeFactors, {10, nan}, largest, &arrangement))) << largest;
    EXPECT_EQ(arrangement, (Arrangement{largest ? 1.35 : 1.0, 1.5}));
    EXPECT_EQ(acting_cases(arrangement), "1, 2");
    // An infinity lowers nothing, yet has no place in a smallest value
    // either; nor has a permanent load that is not finite.
    EXPECT_TRUE(std::isnan(combine(kCodeFactors, {10, 2, inf}, largest, &arrangement))) << largest;
    EXPECT_EQ(acting_cases(arrangement), largest ? "1, 2, 3" : "1, 3");
    EXPECT_TRUE(std::isnan(combine(kCodeFactors, {-inf, 2}, largest, nullptr))) << largest;
  }
  // Printed as the C library prints a NaN without its sign.
  EXPECT_FALSE(std::signbit(combine(kCodeFactors, {-nan, 2}, true, nullptr)));
}
