#pragma once
// The device's side of the frame protocol: frame offsets, command numbers, the data layouts of
// the answers the flow computer gives, and its refusal codes. Offsets named R are answer data
// offsets (frame byte 4 + R), offsets named Q request data offsets (frame byte 4 + Q).

#include <cstdint>
#include <string>

namespace zel::sim {

// Frame bytes.
constexpr uint8_t kPreambleByte = 0xFF;
constexpr uint8_t kShortRequestStart = 0xAA;
constexpr uint8_t kLongRequestStart = 0xBB;
constexpr uint8_t kAnswerStart = 0x55;
constexpr uint8_t kAnswerStartAlt = 0x66;
constexpr uint8_t kEchoBit = 0x80;
constexpr uint8_t kProbeEchoOldest = 0xFF;  // the oldest generation's answer to the probe
constexpr int kStartOffset = 0;
constexpr int kAddressOffset = 1;
constexpr int kLengthOffset = 2;
constexpr int kCommandOffset = 3;
constexpr int kDataOffset = 4;
constexpr int kFrameOverhead = 6;  // start, address, length, command and two checksum bytes
constexpr int kMaxFrame = 255;

// Command numbers.
enum Command : uint8_t {
  kReadDeviceTag = 0x01,
  kProbeLink = 0x02,
  kReadConfiguration = 0x08,  // short frame; the long frame is ReadRunParameters
  kReadConfigurationPart2 = 0x09,  // short frame; the long frame is WriteRunParameters
  kForwardHartCommand = 0x0B,
  kReadIdentification = 0x0C,  // short frame; the long frame is ReadChannelMeasurement
  kEnterServiceMode = 0x10,
  kLeaveServiceMode = 0x11,
  kReadMemory = 0x13,
  kWriteMemory = 0x14,
  kReadRunValuesShort = 0x1C,
  kReadMeasurementCounters = 0x1D,
  kReadRunValuesLong = 0x1E,
  kReadConfigurationPart3 = 0x22,
};

// The command's name for the traffic log ("?" for numbers the device does not know).
std::string CommandName(uint8_t startByte, uint8_t command);
// The command number and request start byte of a name as the log writes it (ReadMemory, ...);
// false for an unknown name. ReadRunValues has two forms; its start byte is given as -1.
bool CommandOfName(const std::string& name, uint8_t* command, int* startByte);

// Refusal codes of this device (the refusal answer carries code C and arguments A and B).
enum RefusalCode : uint8_t {
  kRefuseUnknownCommand = 1,
  kRefuseWrongLength = 2,
  kRefuseWrongPassword = 3,
  kRefuseWrongStaticPassword = 4,
  kRefuseBlockChecksum = 5,
  kRefuseAddressRange = 6,
  kRefuseNotInServiceMode = 7,
  kRefuseBadBlock = 8,
  kRefuseNoSuchRun = 11,      // A = run number - 1
  kRefuseNoSuchChannel = 13,  // A = channel index, B = run number - 1
  kRefuseHartSilent = 14,     // A = sensor number - 1
  kRefuseAlreadyInService = 59,
};

// Request layouts.
namespace q {
constexpr int kRun = 0;
constexpr int kChannel = 1;
constexpr int kPasswordSize = 16;
// EnterServiceMode: run, channel class, write password, then (short form) the mode byte and a
// float; the extended form puts the static password before them.
constexpr int kServicePassword = 2;
constexpr int kServiceModeByte = 18;
constexpr int kServiceStaticPassword = 18;
constexpr int kServiceModeByteExtended = 34;
constexpr int kEnterServiceLength = 29;
constexpr int kEnterServiceLengthExtended = 46;
// LeaveServiceMode: run, write password.
constexpr int kLeavePassword = 1;
constexpr int kLeaveServiceLength = 23;
// WriteRunParameters: run, write password, record; the extended form has a spare byte after
// the run and the static password before the record.
constexpr int kWriteRunPassword = 1;
constexpr int kWriteRunRecord = 17;
constexpr int kWriteRunPasswordExtended = 2;
constexpr int kWriteRunStaticExtended = 18;
constexpr int kWriteRunRecordExtended = 34;
constexpr int kWriteRunShortLength = 38;
constexpr int kWriteRunLongLength = 42;
constexpr int kWriteRunExtendedLength = 59;
// ForwardHartCommand: write password, then the embedded HART request.
constexpr int kHartPassword = 0;
constexpr int kHartRequest = 16;
constexpr int kForwardHartLength = 31;
// ReadMemory: address (device order), count.
constexpr int kMemoryAddress = 0;
constexpr int kMemoryCount = 2;
constexpr int kReadMemoryLength = 9;
constexpr int kReadMemoryLengthWide = 10;
// WriteMemory: 1, area, write password, address, block code, Тос index, first record, bytes.
constexpr int kWriteMarker = 0;
constexpr int kWriteArea = 1;
constexpr int kWritePassword = 2;
constexpr int kWriteAddress = 18;
constexpr int kWriteBlockCode = 20;
constexpr int kWriteTocIndex = 21;
constexpr int kWriteFirstRecord = 22;
constexpr int kWriteBytes = 23;
constexpr int kWriteMemoryOverhead = 29;  // request length = byte count + 29
// Other fixed request lengths.
constexpr int kPlainLength = 6;
constexpr int kRunRequestLength = 7;
constexpr int kChannelRequestLength = 8;
}  // namespace q

// Answer layouts.
namespace r {
// ReadIdentification.
constexpr int kIdentSize = 54;
constexpr int kIdentVersion = 0;
constexpr int kIdentRevision = 1;
constexpr int kIdentR3 = 3;
constexpr int kIdentFlags4 = 4;  // bits 0-1 layout, 3 little-endian, 4, 5 long run record, 7
constexpr int kIdentFlags5 = 5;
constexpr int kIdentKind = 6;
constexpr int kIdentVariant = 7;
constexpr int kIdentSubCode = 31;
constexpr int kIdentFlags32 = 32;
constexpr int kIdentFlags40 = 40;  // bit 7: extended write form
constexpr uint8_t kLittleEndianBit = 0x08;
constexpr uint8_t kLongRunRecordBit = 0x20;
constexpr uint8_t kExtendedWriteBit = 0x80;
constexpr int kOldestIdentSize = 1;
// ReadConfiguration.
constexpr int kConfigSize = 110;
constexpr int kConfigAddress = 0;
constexpr int kConfigSpeedIndex = 1;
constexpr int kConfigRunCount = 16;
constexpr int kConfigRunFlags = 17;
constexpr int kConfigDpUnit = 36;
constexpr int kConfigPressureUnit = 37;
constexpr int kConfigRunOptions = 43;
constexpr int kConfigRunExtra = 71;
// ReadConfigurationPart2: HART long addresses (5 bytes for sensor b at 5b - 1) and run limits.
constexpr int kPart2Size = 226;
constexpr int kPart2SensorCount = 0;
constexpr int kPart2SensorStride = 5;
constexpr int kPart2FirstSensor = 4;
constexpr int kMaxHartSensors = 6;
constexpr int kPart2FlowUpper = 79;     // + 4 run index, counter runs 1 and 2
constexpr int kPart2CounterDpUpper = 87;  // + 4 run index, counter runs 1 and 2
constexpr int kPart2FlowLower = 95;     // + 4 run index, counter runs 1 and 2
constexpr int kPart2PressureLower = 103;  // + 4 run index
constexpr int kPart2PressureUpper = 115;
constexpr int kPart2TemperatureUpper = 127;
constexpr int kPart2DpUpper = 139;
// ReadConfigurationPart3.
constexpr int kPart3Size = 31;
constexpr int kPart3ModeSwitchSeconds = 1;
// ReadDeviceTag: a byte, then the text and its terminator.
constexpr int kTagText = 1;
constexpr int kTagSize = 18;
// ReadRunParameters: run number, then the run record.
constexpr int kRecordRun = 0;
constexpr int kRecord = 1;
constexpr int kLongRecordSize = 19;
constexpr int kShortRecordSize = 15;
// ReadRunValues: run number, then 63 bytes.
constexpr int kRunValuesSize = 64;
constexpr int kRunValuesFlow = 7;
constexpr int kRunValuesFlowUpper = 11;
constexpr int kRunValuesDpLower = 22;
constexpr int kRunValuesDpUpper = 26;
constexpr int kRunValuesPressureUpper = 34;
constexpr int kRunValuesPressureLower = 38;
constexpr int kRunValuesTemperatureUpper = 42;
constexpr int kRunValuesTemperatureLower = 46;
constexpr int kRunValuesFlowLower = 50;
constexpr int kRunValuesCounterDpUpper = 54;
constexpr int kRunValuesDensity = 58;
// ReadChannelMeasurement.
constexpr int kMeasureSize = 29;
constexpr int kMeasureRun = 0;
constexpr int kMeasureChannel = 1;
constexpr int kMeasureCode = 2;           // ADC code of pressure-like channels
constexpr int kMeasureValid = 6;          // validity of the requested channel
constexpr int kMeasureTemperatureCode = 7;  // ADC code of the temperature channel
constexpr int kMeasurePlainValue = 7;     // the value, for computers outside the kind group
constexpr int kMeasureTemperatureValid = 11;
constexpr int kMeasureTocCode = 12;       // ambient-temperature code in bits 8 to 23
constexpr int kMeasureValue = 17;
constexpr int kMeasureTemperature = 21;
constexpr int kMeasureAmbient = 25;
// ReadMeasurementCounters.
constexpr int kCountersSize = 16;
constexpr int kCountersUptime = 0;
constexpr int kCountersChannel = 6;  // + channel index 0..4
constexpr int kCountersTocA = 11;
constexpr int kCountersTocB = 12;
// ProbeLink.
constexpr uint8_t kProbeAnswerByte = 0x2A;
}  // namespace r

// Channel indices of ReadChannelMeasurement and of the counters.
enum Channel : uint8_t {
  kChannelPressure = 0,
  kChannelTemperature = 1,
  kChannelDp = 2,
  kChannelDpLower = 3,
  kChannelCorrection = 4,
};
constexpr int kChannelCount = 5;

// Run record bytes.
namespace rec {
constexpr int kMode = 0;
constexpr int kSubstitution = 1;
constexpr int kDpConstant = 2;
constexpr int kPressureConstant = 6;
constexpr int kTemperatureConstant = 10;
constexpr int kParameter = 14;
constexpr int kDensityConstant = 15;
constexpr uint8_t kModeNormal = 0;
constexpr uint8_t kModeService = 3;
}  // namespace rec

}  // namespace zel::sim
