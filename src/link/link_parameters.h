#pragma once
// The values the link parameters dialog edits, taken from and stored back into the settings.

#include <array>

#include "shell/settings.h"

namespace zel {

struct LinkParameters {
  int numPort = 1;        // 0..7 = COM1..COM8
  int baudRate = 2;       // speed index 0..15
  int weitTime1 = 2;      // first-byte timeout, 1..20 s
  int weitTime2 = 140;    // byte timeout, 55..3000 ms
  int kolPovt = 1;        // attempts, 1..5
  bool uprSign = false;   // key the transmitter with RTS
  bool aoSkor = true;     // search the speed when connecting
  std::array<bool, kPortCount> portPresent{};  // from the port test; absent ports are disabled
  // Device paths of the ports, shown beside their buttons.
  std::array<QString, kPortCount> portPaths{};
};

constexpr int kMinByteTimeoutMs = 55;
constexpr int kMaxByteTimeoutMs = 3000;
constexpr int kByteTimeoutStepMs = 5;
constexpr int kMinAddress = 1;
constexpr int kMaxAddress = 254;
constexpr int kMaxPreambles = 25;

LinkParameters LinkParametersFrom(const Settings& settings);
void StoreLinkParameters(const LinkParameters& params, Settings& settings);

}  // namespace zel
