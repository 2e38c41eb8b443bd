#pragma once
// Statistics of a set of readings: count, mean, standard deviation, minimum, maximum and the
// largest deviation from the mean. The mean and the spread are updated with Welford's method,
// which stays exact for long series of nearly equal values where a sum of squares would not.

#include <cstdint>
#include <vector>

#include "tallyview/data_file.h"

namespace zel {

class RunningStatistics {
 public:
  void Add(double x);

  uint64_t count() const { return count_; }
  // The following are NaN while there is no value.
  double mean() const;
  double minimum() const;
  double maximum() const;
  // The sample standard deviation (divided by n - 1); NaN for fewer than two values.
  double standardDeviation() const;
  // The deviation from the mean of the value farthest from it, with its sign (value − mean).
  double largestDeviation() const;

 private:
  uint64_t count_ = 0;
  double mean_ = 0;
  double squares_ = 0;  // sum of squared differences from the running mean
  double min_ = 0;
  double max_ = 0;
};

// The statistics of readings[rows[i]] over all i.
RunningStatistics Summarise(const std::vector<Reading>& readings, const std::vector<uint32_t>& rows);

}  // namespace zel
