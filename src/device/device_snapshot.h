#pragma once
// What the program knows of the connected flow computer: the identification values, the
// configuration blocks, the run records and values, the tag and the static password. One
// snapshot per connection; a new connection starts from a fresh one.

#include <QString>
#include <array>
#include <optional>
#include <cstdint>

#include "device/passwords.h"
#include "link/exchange.h"

namespace zel {

constexpr int kMaxRuns = 3;

// Identification values, decoded from the ReadIdentification answer.
struct DeviceIdentity {
  int softwareVersion = 0;
  int softwareRevision = 0;
  int identR3 = 0;
  int identR4Low = 0;
  bool identR4Bit2 = false;
  bool littleEndianFloats = false;
  bool identR4Bit4 = false;
  bool longRunRecord = false;
  int identCode3 = 0;
  bool identR5Bit7 = false, identR5Bit6 = false, identR5Bit5 = false, identR5Bit4 = false;
  int identR5Bits23 = 0;
  int deviceKind = 0;
  bool kindOffsetFlag = false;
  int productVariant = 0;
  bool variantFlag = false;
  int variantCode = 0;
  int identR7High = 0;
  int identR31 = 0;
  bool identR32Bit0 = false, identR32Bit1 = false, identR32Bit3 = false, identR32Bit4 = false,
       identR32Bit7 = false;
  int identR33 = 0, identR34 = 0, identR39 = 0;
  std::array<uint8_t, 4> identR35{};
  bool extendedWriteForm = false;
  // Derived.
  bool kindGroupFlag = true;
  bool identSchemeFlag = false;
};

// Byte offsets of the run parameter record.
namespace run_record {
constexpr int kMode = 0;           // low nibble: 0 normal operation, 3 service mode
constexpr int kSubstitution = 1;   // set bit = measured: 0 P, 1 T, 2 (and 3) dP, 4 density
constexpr int kDpConstant = 2;     // floats, host order in the snapshot
constexpr int kPressureConstant = 6;
constexpr int kTemperatureConstant = 10;
constexpr int kParameterByte = 14;
constexpr int kDensityConstant = 15;  // long form only
constexpr int kLongSize = 19;
constexpr int kShortSize = 15;
constexpr int kServiceMode = 3;
}  // namespace run_record

using RunRecord = std::array<uint8_t, run_record::kLongSize>;

struct DeviceSnapshot {
  ExchangeBuffer buffer;  // the exchange buffer every command of this connection uses
  DeviceIdentity id;
  std::array<uint8_t, 58> identificationBlock{};
  Password staticPassword = BlankPassword();
  Password staticPasswordBackup = BlankPassword();
  bool staticPasswordEntered = false;
  QString deviceTag;
  std::array<uint8_t, 110> configurationBlock{};
  std::array<uint8_t, 226> configurationPart2Block{};
  std::array<uint8_t, 31> configurationPart3Block{};
  // Index 1..3 = run number; index 0 unused.
  std::array<RunRecord, kMaxRuns + 1> runRecord{};
  std::array<std::array<uint8_t, 63>, kMaxRuns + 1> runValues{};
  std::array<uint8_t, kMaxRuns + 1> runExtraCode{};
  // The last refusal the device answered with: error code and arguments A and B.
  struct Refusal {
    uint8_t code = 0, a = 0, b = 0;
  };
  std::optional<Refusal> lastRefusal;
  // Two scheme codes per run (primary, secondary), computed when connecting.
  std::array<std::array<int, 2>, kMaxRuns + 1> runScheme{};

  // Values of the configuration block.
  int runCount() const { return configurationBlock[16]; }
  // Runs the program serves: the announced count, at most three.
  int servedRuns() const { return runCount() < kMaxRuns ? runCount() : kMaxRuns; }
  uint8_t runFlags(int run) const { return configurationBlock[17 + run - 1]; }
  uint8_t runOptions(int run) const { return configurationBlock[43 + run - 1]; }
  int dpUnitCode() const { return configurationBlock[36]; }
  int pressureUnitCode() const { return configurationBlock[37]; }
  int modeSwitchSeconds() const { return configurationPart3Block[1]; }
  int runMode(int run) const { return runRecord[run][run_record::kMode] & 0x0F; }
  // The run record is 19 bytes long, or 15 on old software.
  int runRecordSize() const {
    return id.softwareVersion > 8 || id.longRunRecord ? run_record::kLongSize
                                                      : run_record::kShortSize;
  }
  // The density constant of the run record travels as a float on these devices.
  bool extendedRecordFloat() const {
    return id.longRunRecord ||
           (id.softwareVersion > 8 && id.identR4Low == 0 && !id.kindGroupFlag);
  }
  // Writes carry the static password on these devices.
  bool extendedWrites() const { return id.softwareVersion >= 30 && id.extendedWriteForm; }
};

}  // namespace zel
