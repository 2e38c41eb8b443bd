#include "tallyview/reading_selection.h"

#include <algorithm>
#include <array>

namespace zel {

std::vector<uint32_t> SelectReadings(const std::vector<Reading>& readings,
                                     const ReadingSelection& selection) {
  std::vector<uint32_t> rows;
  rows.reserve(readings.size());
  for (size_t i = 0; i < readings.size(); ++i) {
    const Reading& r = readings[i];
    if (r.timeMs < selection.fromMs || r.timeMs > selection.toMs) continue;
    if (selection.channelKind != kAnyChannel && r.channelKind != selection.channelKind) continue;
    rows.push_back(uint32_t(i));
  }
  return rows;
}

namespace {
void Include(TimeBounds& b, int64_t t) {
  if (b.empty || t < b.first) b.first = t;
  if (b.empty || t > b.last) b.last = t;
  b.empty = false;
}
}  // namespace

TimeBounds TimeBoundsOf(const std::vector<Reading>& readings, const std::vector<uint32_t>& rows) {
  TimeBounds b;
  for (uint32_t row : rows) Include(b, readings[row].timeMs);
  return b;
}

TimeBounds TimeBoundsOf(const std::vector<Reading>& readings) {
  TimeBounds b;
  for (const Reading& r : readings) Include(b, r.timeMs);
  return b;
}

std::vector<int> ChannelKindsOf(const std::vector<Reading>& readings) {
  std::array<bool, 256> seen{};
  for (const Reading& r : readings) seen[r.channelKind] = true;
  std::vector<int> kinds;
  for (int k = 0; k < 256; ++k)
    if (seen[size_t(k)]) kinds.push_back(k);
  return kinds;
}

}  // namespace zel
