#include "sim/sensor_model.h"

#include <algorithm>
#include <cmath>

namespace zel::sim {

namespace {
constexpr double kZeroCode = 1'000'000.0;
constexpr double kSpanCode = 14'000'000.0;
constexpr double kBow = 0.01;          // non-linearity at mid-span, fraction of span
constexpr double kGainDrift = 4e-4;    // per °C
constexpr double kZeroDrift = 800.0;   // codes per °C
constexpr double kTocMid = 30000.0;
constexpr double kTocSlope = 350.0;    // codes per °C at 20 °C
constexpr double kTocCurve = 0.8;      // codes per °C²
}  // namespace

double SensorCode(double value, SensorSpan span, double ambient) {
  const double x = (value - span.lower) / (span.upper - span.lower);
  const double dt = ambient - 20.0;
  return kZeroCode + kSpanCode * (x + kBow * x * (1.0 - x)) * (1.0 + kGainDrift * dt) +
         kZeroDrift * dt;
}

double TocCode(double ambient) {
  const double dt = ambient - 20.0;
  return kTocMid + kTocSlope * dt + kTocCurve * dt * dt;
}

double AmbientOfTocCode(double code) {
  // kTocCurve dt² + kTocSlope dt + (kTocMid - code) = 0, the root near 20 °C.
  const double c = kTocMid - code;
  const double disc = kTocSlope * kTocSlope - 4.0 * kTocCurve * c;
  if (disc < 0) return -200.0;
  return 20.0 + (-kTocSlope + std::sqrt(disc)) / (2.0 * kTocCurve);
}

uint32_t ClampCode(double code, uint32_t limit) {
  if (!(code > 0)) return 0;
  if (code >= double(limit)) return limit;
  return static_cast<uint32_t>(std::lround(code));
}

}  // namespace zel::sim
