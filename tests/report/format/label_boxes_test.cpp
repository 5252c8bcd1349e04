// The boxes of the drawings' labels: the grid that finds a free place finds
// what a scan of every box taken finds.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "report/format/label_boxes.h"

using namespace dlt;

namespace {

// Boxes that look random and are the same every run, now and then turned
// inside out, reaching to infinity or without a position.
Box random_box(std::uint64_t& state) {
  auto draw = [&](double lo, double hi) {
    state = (state * 6364136223846793005U) + 1442695040888963407U;
    return lo + ((hi - lo) * static_cast<double>(state >> 11) / 9007199254740992.0);
  };
  double left = draw(-100, 900);
  double top = draw(-50, 300);
  Box box{left, top, left + draw(0, 120), top + draw(0, 30)};
  double kind = draw(0, 1);
  if (kind < 0.05) std::swap(box.left, box.right);
  if (kind > 0.05 && kind < 0.1) std::swap(box.top, box.bottom);
  if (kind > 0.1 && kind < 0.12) box.right = std::numeric_limits<double>::infinity();
  if (kind > 0.12 && kind < 0.14) box.top = -std::numeric_limits<double>::infinity();
  if (kind > 0.14 && kind < 0.15) box.left = std::numeric_limits<double>::quiet_NaN();
  return box;
}

}  // namespace

TEST(TakenBoxes, TheGridFindsWhatAScanOfEveryBoxFinds) {
  std::uint64_t state = 12345;
  TakenBoxes taken;
  std::vector<Box> all;
  EXPECT_TRUE(is_free(taken, {0, 0, 10, 10}));
  for (int i = 0; i < 80; ++i) {
    all.push_back(random_box(state));
    take(taken, all.back());
  }
  int free = 0;
  for (int i = 0; i < 5000; ++i) {
    Box probe = random_box(state);
    bool by_scan =
        std::none_of(all.begin(), all.end(), [&](const Box& other) { return overlaps(probe, other); });
    EXPECT_EQ(is_free(taken, probe), by_scan) << i;
    free += by_scan ? 1 : 0;
  }
  // Both answers are well tried.
  EXPECT_GT(free, 1000);
  EXPECT_LT(free, 4000);
}
