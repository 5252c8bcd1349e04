// The root finder of the replay: the zeros of a polynomial strictly inside
// an interval, where an extreme of w, p, M or Q may lie inside a piece.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "report/pass/piece_roots.h"

using namespace dlt;

TEST(PieceRoots, FindsEveryZeroInsideTheInterval) {
  // (t - 1)(t - 2)(t - 3) = t^3 - 6t^2 + 11t - 6: all three inside (0, 4),
  // to the last bit.
  std::vector<double> roots = roots_between({-6, 11, -6, 1}, 0, 4);
  ASSERT_EQ(roots.size(), 3U);
  EXPECT_EQ(roots[0], 1.0);
  EXPECT_EQ(roots[1], 2.0);
  EXPECT_EQ(roots[2], 3.0);
  // Only those strictly between the ends.
  EXPECT_EQ(roots_between({-6, 11, -6, 1}, 1, 3), std::vector<double>{2.0});
  // A negative interval, as a segment of negative length gives.
  EXPECT_EQ(roots_between({2, 1}, -4, 0), std::vector<double>{-2.0});
}

TEST(PieceRoots, DoubleRootsIrrationalRootsAndNothingWhereNothingIs) {
  // (t - 1)^2 touches zero without a sign change and is found as the turn;
  // sqrt(2), from t^2 - 2, to within one unit in the last place.
  EXPECT_EQ(roots_between({1, -2, 1}, 0, 3), std::vector<double>{1.0});
  std::vector<double> root = roots_between({-2, 0, 1}, 0, 2);
  ASSERT_EQ(root.size(), 1U);
  EXPECT_NEAR(root[0], std::sqrt(2.0), 4.5e-16);
  EXPECT_TRUE(roots_between({0, 0, 0}, 0, 1).empty());
  EXPECT_TRUE(roots_between({3}, 0, 1).empty());
  EXPECT_TRUE(roots_between({1, NAN, 1}, 0, 1).empty());
  EXPECT_TRUE(roots_between({1, INFINITY}, 0, 1).empty());
  EXPECT_TRUE(roots_between({-1, 1}, 2, 2).empty());
  EXPECT_TRUE(roots_between({-1, 1}, NAN, 2).empty());
}
