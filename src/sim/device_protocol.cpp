#include "sim/device_protocol.h"

namespace zel::sim {

namespace {

struct Named {
  uint8_t start;
  uint8_t command;
  const char* name;
};

constexpr Named kNames[] = {
    {kShortRequestStart, kReadDeviceTag, "ReadDeviceTag"},
    {kShortRequestStart, kProbeLink, "ProbeLink"},
    {kShortRequestStart, kReadConfiguration, "ReadConfiguration"},
    {kLongRequestStart, kReadConfiguration, "ReadRunParameters"},
    {kShortRequestStart, kReadConfigurationPart2, "ReadConfigurationPart2"},
    {kLongRequestStart, kReadConfigurationPart2, "WriteRunParameters"},
    {kLongRequestStart, kForwardHartCommand, "ForwardHartCommand"},
    {kShortRequestStart, kReadIdentification, "ReadIdentification"},
    {kLongRequestStart, kReadIdentification, "ReadChannelMeasurement"},
    {kLongRequestStart, kEnterServiceMode, "EnterServiceMode"},
    {kLongRequestStart, kLeaveServiceMode, "LeaveServiceMode"},
    {kLongRequestStart, kReadMemory, "ReadMemory"},
    {kLongRequestStart, kWriteMemory, "WriteMemory"},
    {kShortRequestStart, kReadRunValuesShort, "ReadRunValues"},
    {kShortRequestStart, kReadMeasurementCounters, "ReadMeasurementCounters"},
    {kLongRequestStart, kReadRunValuesLong, "ReadRunValues"},
    {kShortRequestStart, kReadConfigurationPart3, "ReadConfigurationPart3"},
};

}  // namespace

std::string CommandName(uint8_t startByte, uint8_t command) {
  for (const Named& n : kNames)
    if (n.start == startByte && n.command == command) return n.name;
  return "?";
}

bool CommandOfName(const std::string& name, uint8_t* command, int* startByte) {
  int found = 0;
  for (const Named& n : kNames) {
    if (name != n.name) continue;
    *command = n.command;
    *startByte = found++ == 0 ? n.start : -1;
  }
  return found > 0;
}

}  // namespace zel::sim
