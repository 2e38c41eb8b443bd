#pragma once
// HART sensors attached to the flow computer (differential pressure on most kinds, pressure
// on kind 9). The computer forwards HART requests to them (ForwardHartCommand); they answer
// commands 0, 1 and 43 (set primary variable zero) as a HART field device does.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace zel::sim {

namespace hart {
constexpr uint8_t kLongRequest = 0x82;
constexpr uint8_t kLongAnswer = 0x86;
constexpr uint8_t kReadUniqueId = 0;
constexpr uint8_t kReadPrimaryVariable = 1;
constexpr uint8_t kSetPrimaryZero = 43;
constexpr uint8_t kSetVariableZero = 52;
constexpr uint8_t kReadMultivariable = 110;
constexpr uint8_t kShortRequest = 0x02;
constexpr uint8_t kShortAnswer = 0x06;
constexpr uint8_t kStatusConfigChanged = 0x40;
constexpr uint8_t kCodeNotImplemented = 64;
constexpr uint8_t kCodeProcessTooHigh = 9;
constexpr uint8_t kCodeTooFewBytes = 5;
// Long-address byte 0 carries the master and burst bits above the manufacturer code.
constexpr uint8_t kAddressFlagBits = 0xC0;
// XOR of all bytes: the HART check byte.
uint8_t CheckByte(const uint8_t* data, size_t size);
// HART floats go most significant byte first.
void PutFloat(std::vector<uint8_t>& out, float value);
// Unit codes.
constexpr uint8_t kUnitMmWater = 4;
constexpr uint8_t kUnitKgfPerCm2 = 10;
constexpr uint8_t kUnitKpa = 12;
constexpr uint8_t kUnitCelsius = 32;
constexpr uint8_t kUnitMpa = 237;
}  // namespace hart

struct HartSensor {
  std::array<uint8_t, 5> longAddress{};
  uint8_t unitCode = 4;     // HART unit code of the primary variable
  double span = 2500.0;     // upper range value, in the unit
  double zeroError = 0.0;   // what the sensor reads at zero before it is zeroed
  double zeroShift = 0.0;   // set by command 43
  bool configChanged = false;
  // The reading for a true value.
  double Read(double trueValue) const { return trueValue + zeroError + zeroShift; }
};

// Answers a long-frame HART request (delimiter to check byte) addressed to one of `sensors`;
// the true value of sensor i comes from `truth(i)`. Commands 43 and 52 zero the sensor. No
// answer (nullopt) when the frame is malformed or no sensor has its address: a HART device
// stays silent then.
std::optional<std::vector<uint8_t>> AnswerHart(std::vector<HartSensor>& sensors,
                                               const uint8_t* request, size_t size,
                                               const std::function<double(size_t)>& truth);

}  // namespace zel::sim
