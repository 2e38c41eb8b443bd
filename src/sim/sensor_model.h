#pragma once
// The physics behind the ADC codes: how a sensor turns a true value into a 24-bit code at a
// given ambient temperature of the computer, and how the ambient temperature becomes the
// 16-bit Тос code. Slightly non-linear and temperature-dependent, as real sensors are, so
// that the calibration characteristic and its Тос points matter.

#include <cstdint>

namespace zel::sim {

constexpr uint32_t kMaxCode = 16777215;  // 2^24 - 1
constexpr uint32_t kMaxTocCode = 65535;

struct SensorSpan {
  double lower;
  double upper;
};

// The 24-bit code of `value` on a sensor spanning `span` at ambient temperature `ambient`
// (°C), before rounding; outside 0..kMaxCode the converter saturates.
double SensorCode(double value, SensorSpan span, double ambient);
// The Тос code of the computer's own temperature sensor, before rounding.
double TocCode(double ambient);
// The ambient temperature of a Тос code (inverse of TocCode), for computers without a Тос
// characteristic in their calibration memory.
double AmbientOfTocCode(double code);
// Rounds and clamps a code into 0..limit.
uint32_t ClampCode(double code, uint32_t limit);

// Nominal spans of the channels.
constexpr SensorSpan kTemperatureSpan{-50.0, 100.0};

}  // namespace zel::sim
