#include "tallyview/reading_selection.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

// Ten readings one second apart from t = 1000 s, channel kinds 0, 1, 0, 1, ...
std::vector<Reading> Series() {
  std::vector<Reading> readings(10);
  for (size_t i = 0; i < readings.size(); ++i) {
    readings[i].timeMs = 1'000'000 + int64_t(i) * 1000;
    readings[i].channelKind = uint8_t(i % 2);
    readings[i].value = float(i);
  }
  return readings;
}

TEST(ReadingSelectionTest, TakesTheSpanWithBothEndsAndTheChannel) {
  const struct {
    ReadingSelection selection;
    std::vector<uint32_t> rows;
  } cases[] = {
      {{}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {{.fromMs = 1'002'000, .toMs = 1'004'000}, {2, 3, 4}},         // both ends included
      {{.fromMs = 1'002'001, .toMs = 1'003'999}, {3}},               // a millisecond inside
      {{.channelKind = 1}, {1, 3, 5, 7, 9}},                         // one channel
      {{.fromMs = 1'004'000, .toMs = 1'007'500, .channelKind = 0}, {4, 6}},
      {{.fromMs = 1'005'000, .toMs = 1'004'000}, {}},                // end before start
      {{.toMs = 1'000'000 - 1}, {}},                                 // before the file
      {{.channelKind = 7}, {}},                                      // a channel not in the file
  };
  const std::vector<Reading> readings = Series();
  for (const auto& c : cases)
    EXPECT_EQ(SelectReadings(readings, c.selection), c.rows)
        << c.selection.fromMs << ".." << c.selection.toMs << " kind " << c.selection.channelKind;
}

TEST(ReadingSelectionTest, BoundsAndChannelsOfAFileOutOfTimeOrder) {
  std::vector<Reading> readings = Series();
  readings[3].timeMs = 5;  // the PC clock was set back
  readings[6].timeMs = 9'000'000;
  readings[8].channelKind = 2;
  const TimeBounds all = TimeBoundsOf(readings);
  EXPECT_FALSE(all.empty);
  EXPECT_EQ(all.first, 5);
  EXPECT_EQ(all.last, 9'000'000);
  EXPECT_TRUE(TimeBoundsOf({}).empty);
  const TimeBounds some = TimeBoundsOf(readings, {0, 1});
  EXPECT_EQ(some.first, 1'000'000);
  EXPECT_EQ(some.last, 1'001'000);
  EXPECT_TRUE(TimeBoundsOf(readings, {}).empty);
  EXPECT_EQ(ChannelKindsOf(readings), (std::vector<int>{0, 1, 2}));
}

}  // namespace
}  // namespace zel
