#include "tallyview/plot_decimation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zel {
namespace {

std::vector<uint32_t> AllRows(size_t n) {
  std::vector<uint32_t> rows(n);
  std::iota(rows.begin(), rows.end(), 0u);
  return rows;
}

bool InTimeOrder(const std::vector<PlotPoint>& points) {
  return std::is_sorted(points.begin(), points.end(),
                        [](const PlotPoint& a, const PlotPoint& b) { return a.timeMs < b.timeMs; });
}

TEST(PlotDecimationTest, KeepsEveryReadingWhenFewAndPutsThemInTimeOrder) {
  std::vector<Reading> readings(5);
  const int64_t times[] = {30, 10, 20, 10, 50};  // a clock set back, and a repeated moment
  for (size_t i = 0; i < readings.size(); ++i) {
    readings[i].timeMs = times[i];
    readings[i].value = float(i);
  }
  const std::vector<PlotPoint> points = DecimateMinMax(readings, AllRows(5), 10, 50, 3);
  EXPECT_EQ(points, (std::vector<PlotPoint>{{10, 1}, {10, 3}, {20, 2}, {30, 0}, {50, 4}}));
}

// A slow wave with three one-sample spikes: the thinned line must still reach every spike, as
// the full line would at that width.
TEST(PlotDecimationTest, KeepsTheExtremesOfEveryColumn) {
  const size_t n = 100'000;
  std::vector<Reading> readings(n);
  for (size_t i = 0; i < n; ++i) {
    readings[i].timeMs = 1'700'000'000'000 + int64_t(i) * 450;
    readings[i].value = float(std::sin(double(i) / 5000.0));
  }
  readings[12'345].value = 7;
  readings[50'000].value = -9;
  readings[99'999].value = 3;
  const int columns = 640;
  const int64_t from = readings.front().timeMs, to = readings.back().timeMs;
  const std::vector<PlotPoint> points = DecimateMinMax(readings, AllRows(n), from, to, columns);
  EXPECT_LE(points.size(), 2u * columns);
  EXPECT_GE(points.size(), size_t(columns));  // every column holds readings
  EXPECT_TRUE(InTimeOrder(points));
  for (size_t spike : {12'345u, 50'000u, 99'999u})
    EXPECT_NE(std::find(points.begin(), points.end(), PlotPoint{readings[spike].timeMs, readings[spike].value}),
              points.end())
        << spike;
  // Every point is a reading, none is invented.
  for (const PlotPoint& p : points) {
    const size_t i = size_t((p.timeMs - from) / 450);
    ASSERT_LT(i, n);
    EXPECT_EQ(p.value, readings[i].value);
  }
}

TEST(PlotDecimationTest, ReadingsAllAtOneMomentGiveTheirRange) {
  std::vector<Reading> readings(50);
  for (size_t i = 0; i < readings.size(); ++i) {
    readings[i].timeMs = 77;
    readings[i].value = float(i % 7);
  }
  const std::vector<PlotPoint> points = DecimateMinMax(readings, AllRows(50), 77, 77, 4);
  EXPECT_EQ(points, (std::vector<PlotPoint>{{77, 0}, {77, 6}}));
}

}  // namespace
}  // namespace zel
