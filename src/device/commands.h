#pragma once
// Command numbers of the flow computer's protocol.

#include <cstdint>

namespace zel::command {

constexpr uint8_t ReadDeviceTag = 0x01;
constexpr uint8_t ProbeLink = 0x02;
constexpr uint8_t ReadConfiguration = 0x08;       // short frame
constexpr uint8_t ReadRunParameters = 0x08;       // long frame, Q[0] run
constexpr uint8_t ReadConfigurationPart2 = 0x09;  // short frame
constexpr uint8_t WriteRunParameters = 0x09;      // long frame
constexpr uint8_t ForwardHartCommand = 0x0B;
constexpr uint8_t ReadIdentification = 0x0C;      // short frame
constexpr uint8_t ReadChannelMeasurement = 0x0C;  // long frame
constexpr uint8_t EnterServiceMode = 0x10;
constexpr uint8_t LeaveServiceMode = 0x11;
constexpr uint8_t ReadMemory = 0x13;
constexpr uint8_t WriteMemory = 0x14;
constexpr uint8_t ReadRunValues = 0x1C;     // short frame, software 25 and above
constexpr uint8_t ReadMeasurementCounters = 0x1D;
constexpr uint8_t ReadRunValuesOld = 0x1E;  // long frame, software below 25
constexpr uint8_t ReadConfigurationPart3 = 0x22;

}  // namespace zel::command
