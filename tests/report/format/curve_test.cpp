// The thinning of the diagrams' curves to the drawing's resolution.
#include <cstddef>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "report/format/curve.h"

using namespace dlt;

TEST(CurveThinning, KeepsWhatDrawsEachUnit) {
  using Points = std::vector<std::pair<double, double>>;
  auto thinned = [](const Points& points, std::size_t keep = 0) {
    CurveThinning thinning;
    for (std::size_t i = 0; i < points.size(); ++i)
      add_point(thinning, {points[i].first, points[i].second}, i + 1 == keep);
    Points kept;
    for (const CurvePoint& p : finish_curve(thinning).points) kept.push_back({p.X, p.Y});
    return kept;
  };
  // Up to four points in a unit are kept as they come.
  Points few = {{10.1, 5}, {10.2, 7}, {10.3, 6}, {10.3, 6.005}, {11.5, 1}};
  EXPECT_EQ(thinned(few), few);

  // Of a thousand, the first, the smallest, the largest and the last, in
  // their order, and one asked to be kept.
  Points many;
  for (int i = 0; i < 1000; ++i) many.push_back({20 + (i / 1024.0), 20.0 + (i * 37 % 61)});
  many[300].second = 10;
  many[700].second = 90;
  EXPECT_EQ(thinned(many, 501), (Points{many[0], many[300], many[500], many[700], many[999]}));

  // A unit's only jump stays a vertical step; of two, the unit is drawn
  // from its smallest to its largest value, as where a step is too small to
  // show in the coordinates.
  EXPECT_EQ(thinned({{30.1, 10}, {30.3, 50}, {30.5, 45}, {30.5, 55}, {30.7, 50}, {30.9, 90}}),
            (Points{{30.1, 10}, {30.5, 45}, {30.5, 55}, {30.9, 90}}));
  EXPECT_EQ(thinned({{31.1, 10}, {31.3, 50}, {31.5, 45}, {31.5, 55}, {31.6, 56}, {31.6, 58}, {31.9, 90}}),
            (Points{{31.1, 10}, {31.9, 90}}));
  EXPECT_EQ(thinned({{32.1, 10}, {32.3, 50}, {32.5, 45}, {32.5, 45.009}, {32.7, 50}, {32.9, 90}}),
            (Points{{32.1, 10}, {32.9, 90}}));
}
