#pragma once
// Thinning a long series for a line plot without losing its peaks: the time span is cut into
// one bucket per pixel column and each bucket keeps only its lowest and highest reading. The
// plotted line then looks exactly like the full series at that width.

#include <cstdint>
#include <vector>

#include "tallyview/data_file.h"

namespace zel {

struct PlotPoint {
  int64_t timeMs = 0;
  double value = 0;
  bool operator==(const PlotPoint&) const = default;
};

// Points of readings[rows[i]] for a plot columns pixels wide spanning [fromMs, toMs], in time
// order. When there are at most two points per column, every reading is kept.
std::vector<PlotPoint> DecimateMinMax(const std::vector<Reading>& readings,
                                      const std::vector<uint32_t>& rows, int64_t fromMs,
                                      int64_t toMs, int columns);

}  // namespace zel
