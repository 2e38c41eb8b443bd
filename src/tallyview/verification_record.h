#pragma once
// The verification data file (.ctr) as the verification screen writes it: the signature "STAT"
// and then 24-byte records, all numbers little-endian, no header or trailer beyond that.

#include <array>
#include <cstddef>
#include <cstdint>

namespace zel::record_layout {

constexpr std::array<char, 4> kSignature = {'S', 'T', 'A', 'T'};
constexpr size_t kSignatureSize = kSignature.size();
constexpr size_t kRecordSize = 24;

// Offsets inside one record.
constexpr size_t kTimeOffset = 0;           // 64-bit float: local days since 30.12.1899 00:00
constexpr size_t kChannelKindOffset = 8;    // byte: 0 pressure, 1 temperature, 2 differential pressure
constexpr size_t kUnitOffset = 9;           // byte: reference unit index (pressure)
constexpr size_t kSensorCodeOffset = 10;    // 16-bit: sensor-temperature ADC code
constexpr size_t kDeviceNumberOffset = 12;  // 32-bit: the device number it was taken from
constexpr size_t kRawCodeOffset = 16;       // 32-bit: the channel's raw ADC code
constexpr size_t kValueOffset = 20;         // 32-bit float: the reading in device units

}  // namespace zel::record_layout
