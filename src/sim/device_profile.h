#pragma once
// What distinguishes one simulated flow computer from another: identification, runs and
// their channel sets, line speed, passwords, units and the true process values it starts with.
// Built-in profiles are chosen by name; a profile file (profile_file.h) describes others.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zel::sim {

// Run flag bits (configuration byte 17 + run - 1).
constexpr uint8_t kRunFlagCounter = 0x80;     // counter run: pressure and temperature, no dP
constexpr uint8_t kRunFlagTwoRanges = 0x10;   // with bit 7 clear: upper and lower dP ranges
constexpr uint8_t kRunFlagHartLower = 0x08;   // the lower range comes from a HART sensor
constexpr uint8_t kRunFlagHartMask = 0x64;    // bits 2, 5, 6: a HART sensor on the run

struct RunProfile {
  uint8_t flags = 0;    // run flag byte
  uint8_t options = 0;  // run option byte (bit 5: gauge pressure sensor)
  uint8_t extra = 0;    // configuration byte 71 + run - 1
  // True process values, in the device's units (pressure unit, °C, dP unit).
  double pressure = 25.0;
  double temperature = 15.0;
  double dp = 1200.0;
  double flow = 850.0;  // m³/h, counter runs
  // Measuring ranges.
  double pressureLower = 0.8564;
  double pressureUpper = 60.0;
  double dpUpper = 2500.0;
  double dpLowerRangeUpper = 630.0;  // upper limit of the lower dP range
  double flowUpper = 1600.0;
  // Run record: substitution flags (bit set: measured) and the constants.
  uint8_t substitution = 0x07;
  float dpConstant = 1000.0f;
  float pressureConstant = 20.0f;
  float temperatureConstant = 20.0f;
  uint8_t parameter = 0;
  float densityConstant = 0.68f;
  uint8_t extraCode = 0;  // high nibble of the record's first byte (extended form)
};

struct DeviceProfile {
  std::string name;
  std::string description;
  bool oldestGeneration = false;  // one-byte identification answer
  uint8_t kindCode = 7;           // identification byte 6 (10 to 14 are the offset codes)
  uint8_t version = 19;
  uint8_t revision = 0;
  bool littleEndian = false;
  bool longRunRecord = false;
  bool extendedWriteForm = false;
  std::array<uint8_t, 54> identOverrides{};  // raw identification bytes ...
  std::array<bool, 54> identOverridden{};    // ... where set
  uint32_t baud = 9600;
  uint8_t address = 1;
  uint8_t answerStart = 0x55;
  int answerDelayMs = 5;
  uint8_t modeSwitchSeconds = 3;
  uint8_t pressureUnit = 0;  // 0 kgf/cm², 1 MPa
  uint8_t dpUnit = 0;        // 0 kgf/m², 1 kPa
  std::string writePassword = "1234";
  std::string staticPassword = "5678";
  std::string tag = "ZELMARK-SIM";  // code page 866 on the wire
  uint32_t factoryNumber = 100001;
  int measurePeriodMs = 400;
  double noise = 1e-4;       // relative noise of the measurements (of the range)
  double ambient = 22.0;     // the computer's own temperature, °C
  std::vector<RunProfile> runs{RunProfile{}};

  // The device kind after the offset codes 10..14 are folded to 4..8 (0 for the oldest).
  int Kind() const;
  // True for kinds 3, 7, 8, 9, 16, 18, 20 (they report counters and ADC codes).
  bool KindGroup() const;
  // The run record length on the wire: 19 bytes, or 15 for old versions without the long form.
  int RecordSize() const;
  // True when writes carry the static password (extended write form from version 30).
  bool ExtendedWrites() const { return extendedWriteForm && version >= 30; }
  // Calibration sections the computer has.
  bool HasPressureSection() const;
  bool HasDpSection() const;
  bool HasCorrectionSection() const;
  bool HasDpConfig() const;
  // The pressure or dP of a run comes from an attached HART sensor instead of an ADC.
  bool PressureFromHart() const { return Kind() == 9; }
  bool DpFromHart() const;
  // ReadRunValues is the short-frame 0x1C from version 25 on, else the long-frame 0x1E.
  bool RunValuesShortForm() const { return version >= 25; }
  // The 10-byte ReadMemory form of kind 20 from version 35.
  bool WideMemoryRead() const { return Kind() == 20 && version >= 35; }
  // The identification answer data (54 bytes, or 1 for the oldest generation).
  std::vector<uint8_t> Identification() const;
};

// The built-in profiles, the demonstration profile first.
const std::vector<DeviceProfile>& BuiltInProfiles();
std::optional<DeviceProfile> FindProfile(const std::string& name);
constexpr const char* kDemoProfile = "demo";

// Checks a profile for values no device could have; an empty text when it is sound.
std::string ProfileProblem(const DeviceProfile& profile);

}  // namespace zel::sim
