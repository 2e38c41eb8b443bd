#include "tallyview/reading_statistics.h"

#include <cmath>
#include <limits>

namespace zel {
namespace {
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
}

void RunningStatistics::Add(double x) {
  ++count_;
  const double delta = x - mean_;
  mean_ += delta / double(count_);
  squares_ += delta * (x - mean_);
  if (count_ == 1 || x < min_) min_ = x;
  if (count_ == 1 || x > max_) max_ = x;
}

double RunningStatistics::mean() const { return count_ ? mean_ : kNone; }
double RunningStatistics::minimum() const { return count_ ? min_ : kNone; }
double RunningStatistics::maximum() const { return count_ ? max_ : kNone; }

double RunningStatistics::standardDeviation() const {
  return count_ >= 2 ? std::sqrt(squares_ / double(count_ - 1)) : kNone;
}

double RunningStatistics::largestDeviation() const {
  if (!count_) return kNone;
  const double above = max_ - mean_, below = mean_ - min_;
  return above >= below ? above : -below;
}

RunningStatistics Summarise(const std::vector<Reading>& readings, const std::vector<uint32_t>& rows) {
  RunningStatistics s;
  for (uint32_t row : rows) s.Add(readings[row].value);
  return s;
}

}  // namespace zel
