#include "tallyview/plot_decimation.h"

#include <algorithm>

namespace zel {

std::vector<PlotPoint> DecimateMinMax(const std::vector<Reading>& readings,
                                      const std::vector<uint32_t>& rows, int64_t fromMs,
                                      int64_t toMs, int columns) {
  std::vector<PlotPoint> points;
  columns = std::max(columns, 1);
  if (rows.size() <= 2 * size_t(columns)) {
    points.reserve(rows.size());
    for (uint32_t row : rows) points.push_back({readings[row].timeMs, readings[row].value});
    // A file written across a clock change is not in time order; a line plot must be.
    std::stable_sort(points.begin(), points.end(),
                     [](const PlotPoint& a, const PlotPoint& b) { return a.timeMs < b.timeMs; });
    return points;
  }
  constexpr uint32_t kEmpty = UINT32_MAX;
  std::vector<uint32_t> low(size_t(columns), kEmpty), high(size_t(columns), kEmpty);
  // Times within a span of plausible dates stay exact in a double; a reading at a column's edge
  // may land in its neighbour, which the eye cannot tell.
  const double columnsPerMs = double(columns) / (double(toMs) - double(fromMs) + 1.0);
  for (uint32_t row : rows) {
    const Reading& r = readings[row];
    const double position = (double(r.timeMs) - double(fromMs)) * columnsPerMs;
    const size_t column = size_t(std::clamp(position, 0.0, double(columns - 1)));
    if (low[column] == kEmpty || r.value < readings[low[column]].value) low[column] = row;
    if (high[column] == kEmpty || r.value > readings[high[column]].value) high[column] = row;
  }
  points.reserve(2 * size_t(columns));
  for (size_t c = 0; c < size_t(columns); ++c) {
    if (low[c] == kEmpty) continue;
    const Reading& a = readings[low[c]];
    const Reading& b = readings[high[c]];
    if (low[c] == high[c]) {
      points.push_back({a.timeMs, a.value});
    } else if (a.timeMs <= b.timeMs) {
      points.push_back({a.timeMs, a.value});
      points.push_back({b.timeMs, b.value});
    } else {
      points.push_back({b.timeMs, b.value});
      points.push_back({a.timeMs, a.value});
    }
  }
  return points;
}

}  // namespace zel
