#include "sim/hart_sensor.h"

#include <bit>
#include <cmath>

namespace zel::sim {

uint8_t hart::CheckByte(const uint8_t* data, size_t size) {
  uint8_t x = 0;
  for (size_t i = 0; i < size; ++i) x ^= data[i];
  return x;
}

namespace {

constexpr int kAddress = 1;
constexpr int kCommand = 6;
constexpr int kCount = 7;
constexpr int kData = 8;
constexpr double kZeroLimit = 0.05;  // a zero is refused beyond 5 % of the span

bool SameAddress(const std::array<uint8_t, 5>& a, const uint8_t* b) {
  if ((a[0] & ~hart::kAddressFlagBits) != (b[0] & ~hart::kAddressFlagBits)) return false;
  for (int i = 1; i < 5; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace

void hart::PutFloat(std::vector<uint8_t>& out, float v) {
  const uint32_t bits = std::bit_cast<uint32_t>(v);
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(bits >> shift));
}

std::optional<std::vector<uint8_t>> AnswerHart(std::vector<HartSensor>& sensors,
                                               const uint8_t* req, size_t size,
                                               const std::function<double(size_t)>& truth) {
  if (size < kData + 1 || req[0] != hart::kLongRequest) return std::nullopt;
  const size_t frameSize = size_t(kData) + req[kCount] + 1;
  if (frameSize > size || hart::CheckByte(req, frameSize) != 0) return std::nullopt;
  size_t index = 0;
  while (index < sensors.size() && !SameAddress(sensors[index].longAddress, req + kAddress))
    ++index;
  if (index == sensors.size()) return std::nullopt;
  HartSensor& sensor = sensors[index];

  uint8_t code = 0;
  std::vector<uint8_t> data;
  const double pv = sensor.Read(truth(index));
  switch (req[kCommand]) {
    case hart::kReadUniqueId:
      data = {254, sensor.longAddress[0], sensor.longAddress[1], 5, 5, 1, 1, 0, 0,
              sensor.longAddress[2], sensor.longAddress[3], sensor.longAddress[4]};
      break;
    case hart::kReadPrimaryVariable:
      data.push_back(sensor.unitCode);
      hart::PutFloat(data, static_cast<float>(pv));
      break;
    case hart::kSetPrimaryZero:
    case hart::kSetVariableZero:
      if (req[kCommand] == hart::kSetVariableZero) {
        if (req[kCount] < 1) {
          code = hart::kCodeTooFewBytes;
          break;
        }
        data.push_back(req[kData]);  // the device variable zeroed
      }
      if (std::fabs(pv) > kZeroLimit * sensor.span) {
        code = hart::kCodeProcessTooHigh;
      } else {
        sensor.zeroShift -= pv;
        sensor.configChanged = true;
      }
      break;
    default:
      code = hart::kCodeNotImplemented;
      break;
  }
  std::vector<uint8_t> out{hart::kLongAnswer};
  out.insert(out.end(), req + kAddress, req + kAddress + 5);
  out.push_back(req[kCommand]);
  out.push_back(static_cast<uint8_t>(data.size() + 2));
  out.push_back(code);
  out.push_back(sensor.configChanged ? hart::kStatusConfigChanged : 0);
  out.insert(out.end(), data.begin(), data.end());
  out.push_back(hart::CheckByte(out.data(), out.size()));
  return out;
}

}  // namespace zel::sim
