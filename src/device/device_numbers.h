#pragma once
// Device numbers: IEEE single floats and 16-bit words in the flow computer's byte order, and
// how device values are printed.

#include <QString>
#include <cstdint>

namespace zel {

// Conversion modes of DecodeDeviceFloat: 0 plain reordering (and encoding), 1 quieten NaNs,
// 4 also replace NaNs by 99999.0 (run records).
enum FloatMode : int { kFloatPlain = 0, kFloatQuiet = 1, kFloatRunRecord = 4 };

// Converts the four bytes at `p` in place from device order to host order (little-endian),
// applying the NaN rule of `mode`. Also converts host to device order with mode 0.
void DecodeDeviceFloat(uint8_t* p, int mode, bool littleEndianFloats);
inline void EncodeDeviceFloat(uint8_t* p, bool littleEndianFloats) {
  DecodeDeviceFloat(p, kFloatPlain, littleEndianFloats);
}
uint16_t SwapDeviceWord(uint16_t word, bool littleEndianFloats);

// Host-order (little-endian) float and word access to byte blocks.
float ReadFloat(const uint8_t* p);
void WriteFloat(uint8_t* p, float value);
uint16_t ReadWord(const uint8_t* p);
void WriteWord(uint8_t* p, uint16_t value);

enum class UnitTable { DifferentialPressure, Pressure };
constexpr int kDpUnitColumns = 9;
constexpr int kPressureUnitColumns = 8;
// The factor from device unit `row` (0 or 1) to display unit `column`; 1.0 outside the table.
float UnitFactor(UnitTable table, int row, int column);

// Prints with a precision chosen by the size of the value: 0 decimals from 10000 on, 1 from
// 1000, 2 from 100, 3 from 10, else 4.
QString FormatPlainValue(double value);
// The value times the unit factor (when `convert`), printed as FormatPlainValue does.
QString FormatScaledValue(float value, UnitTable table, bool convert, int deviceUnit,
                          int displayUnit);
// Values whose two lowest mantissa bits are status flags: the flags are cleared before
// printing and, for style 1 or 2, shown as a marker ("*" not measured, "'" on newer software,
// " " for style 2 otherwise).
QString FormatFlaggedValue(float value, int style, int softwareVersion);
// "%.5g" from 1 on, "%.4g" below, with the same marker when `marked`.
QString FormatGeneralValue(float value, bool marked, int softwareVersion);

}  // namespace zel
