#pragma once
// Choosing the readings the viewer shows: a time span and, for files that mix channels, one
// channel kind.

#include <cstdint>
#include <limits>
#include <vector>

#include "tallyview/data_file.h"

namespace zel {

constexpr int kAnyChannel = -1;

struct ReadingSelection {
  int64_t fromMs = std::numeric_limits<int64_t>::min();  // first included moment
  int64_t toMs = std::numeric_limits<int64_t>::max();    // last included moment
  int channelKind = kAnyChannel;
};

struct TimeBounds {
  int64_t first = 0;
  int64_t last = 0;
  bool empty = true;
};

// Indexes into readings of those the selection takes, in file order.
std::vector<uint32_t> SelectReadings(const std::vector<Reading>& readings, const ReadingSelection& selection);
// The earliest and latest reading time of readings[rows[i]].
TimeBounds TimeBoundsOf(const std::vector<Reading>& readings, const std::vector<uint32_t>& rows);
// The earliest and latest reading time of all readings.
TimeBounds TimeBoundsOf(const std::vector<Reading>& readings);
// The channel kinds present, in ascending order.
std::vector<int> ChannelKindsOf(const std::vector<Reading>& readings);

}  // namespace zel
