#include "tallyview/reading_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zel {
namespace {

RunningStatistics Of(const std::vector<double>& values) {
  RunningStatistics s;
  for (double v : values) s.Add(v);
  return s;
}

struct Expected {
  std::vector<double> values;
  double mean, standardDeviation, minimum, maximum, largestDeviation;
};

// Worked by hand: the sample standard deviation is sqrt(sum (x - mean)^2 / (n - 1)).
TEST(RunningStatisticsTest, MatchesHandComputedValues) {
  const Expected cases[] = {
      // mean 5; squares 9+1+1+1+0+0+4+16 = 32; sd = sqrt(32/7); farthest 9 (+4) beats 2 (-3)
      {{2, 4, 4, 4, 5, 5, 7, 9}, 5, std::sqrt(32.0 / 7), 2, 9, +4},
      // mean 7; squares 36+1+4+9 = 50; sd = sqrt(50/3); farthest 1 (-6) beats 10 (+3)
      {{1, 8, 9, 10}, 7, std::sqrt(50.0 / 3), 1, 10, -6},
      // mean -0.5; squares 0.25+0.25; sd = sqrt(0.5); both ends equally far: the upper one counts
      {{-1, 0}, -0.5, std::sqrt(0.5), -1, 0, +0.5},
      // constant: no spread and no deviation
      {{3.25, 3.25, 3.25}, 3.25, 0, 3.25, 3.25, 0},
  };
  for (const Expected& e : cases) {
    const RunningStatistics s = Of(e.values);
    EXPECT_EQ(s.count(), e.values.size());
    EXPECT_DOUBLE_EQ(s.mean(), e.mean);
    EXPECT_NEAR(s.standardDeviation(), e.standardDeviation, 1e-12);
    EXPECT_EQ(s.minimum(), e.minimum);
    EXPECT_EQ(s.maximum(), e.maximum);
    EXPECT_DOUBLE_EQ(s.largestDeviation(), e.largestDeviation);
  }
}

// Readings far from zero with a small spread: a sum of squares loses every digit of the spread
// here (1e18 has a resolution of 128), the running method keeps it.
TEST(RunningStatisticsTest, StaysExactForLargeValuesWithSmallSpread) {
  const double base = 1e9;
  std::vector<double> values;
  for (int i = 0; i < 100000; ++i)
    for (double d : {4.0, 7.0, 13.0, 16.0}) values.push_back(base + d);
  const RunningStatistics s = Of(values);
  EXPECT_NEAR(s.mean(), base + 10, 1e-6);
  // population variance 22.5; sample variance 22.5 * n / (n - 1)
  const double n = double(values.size());
  EXPECT_NEAR(s.standardDeviation(), std::sqrt(22.5 * n / (n - 1)), 1e-6);
  EXPECT_NEAR(s.largestDeviation(), 6, 1e-6);
}

TEST(RunningStatisticsTest, FewValuesGiveNoSpread) {
  const RunningStatistics none;
  EXPECT_EQ(none.count(), 0u);
  EXPECT_TRUE(std::isnan(none.mean()));
  EXPECT_TRUE(std::isnan(none.minimum()));
  EXPECT_TRUE(std::isnan(none.maximum()));
  EXPECT_TRUE(std::isnan(none.standardDeviation()));
  EXPECT_TRUE(std::isnan(none.largestDeviation()));
  const RunningStatistics one = Of({-2.5});
  EXPECT_EQ(one.mean(), -2.5);
  EXPECT_TRUE(std::isnan(one.standardDeviation()));  // a single reading has no sample spread
  EXPECT_EQ(one.largestDeviation(), 0);
}

TEST(RunningStatisticsTest, SummariseTakesOnlyTheChosenRows) {
  std::vector<Reading> readings(5);
  const float values[] = {100, 2, 100, 4, 100};
  for (size_t i = 0; i < readings.size(); ++i) readings[i].value = values[i];
  const RunningStatistics s = Summarise(readings, {1, 3});
  EXPECT_EQ(s.count(), 2u);
  EXPECT_EQ(s.mean(), 3);
  EXPECT_EQ(s.maximum(), 4);
}

}  // namespace
}  // namespace zel
