#include "device/device_numbers.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace zel {

void DecodeDeviceFloat(uint8_t* p, int mode, bool littleEndianFloats) {
  if (!littleEndianFloats) {
    std::swap(p[0], p[3]);
    std::swap(p[1], p[2]);
  }
  // p[3] is now the most significant byte.
  const bool nan = (p[3] & 0x7F) == 0x7F && (p[2] & 0x80) != 0 &&
                   ((p[2] & 0x7F) != 0 || p[1] != 0 || p[0] != 0);
  if (mode == kFloatPlain || !nan) return;
  p[2] |= 0x40;  // a quiet NaN
  if (mode == kFloatRunRecord) WriteFloat(p, 99999.0f);
}

uint16_t SwapDeviceWord(uint16_t word, bool littleEndianFloats) {
  return littleEndianFloats ? word : uint16_t((word >> 8) | (word << 8));
}

float ReadFloat(const uint8_t* p) {
  uint32_t bits = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                  uint32_t(p[3]) << 24;
  float f;
  std::memcpy(&f, &bits, 4);
  return f;
}

void WriteFloat(uint8_t* p, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, 4);
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(bits >> (8 * i));
}

uint16_t ReadWord(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void WriteWord(uint8_t* p, uint16_t value) {
  p[0] = uint8_t(value);
  p[1] = uint8_t(value >> 8);
}

namespace {
constexpr float kDpFactors[2][kDpUnitColumns] = {
    {1.0f, 0.00980665f, 1.0f, 0.1f, 0.0393700786f, 0.00142233376f, 0.0980665f, 0.0000980665f,
     0.0001f},
    {101.971619f, 1.0f, 101.971619f, 10.1971617f, 4.01463079f, 0.145037681f, 10.0f, 0.01f,
     0.0101971617f}};
constexpr float kPressureFactors[2][kPressureUnitColumns] = {
    {1.0f, 0.0980665f, 98.0665f, 10.0f, 14.2233381f, 0.980665f, 735.6f, 980.665f},
    {10.1971617f, 1.0f, 1000.0f, 101.971619f, 145.037674f, 10.0f, 7501.03223f, 10000.0f}};

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, 4);
  return bits;
}
float FromBits(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, 4);
  return f;
}

// The status bits of a flagged value: bit 0 always, bit 1 on software 25 and later.
struct Flagged {
  float value;
  QString marker;
};
Flagged SplitFlags(float value, int style, int softwareVersion) {
  const uint32_t bits = Bits(value);
  const bool newer = softwareVersion >= 25;
  uint32_t cleared = bits & ~uint32_t(1);
  if (newer) cleared &= ~uint32_t(2);
  QString marker;
  if (style == 1 || style == 2) {
    if ((bits & 1) == 0)
      marker = QStringLiteral("*");
    else if (newer && (bits & 2) == 0)
      marker = QStringLiteral("'");
    else if (style == 2)
      marker = QStringLiteral(" ");
  }
  return {FromBits(cleared), marker};
}
}  // namespace

float UnitFactor(UnitTable table, int row, int column) {
  if (row < 0 || row > 1 || column < 0) return 1.0f;
  if (table == UnitTable::DifferentialPressure)
    return column < kDpUnitColumns ? kDpFactors[row][column] : 1.0f;
  return column < kPressureUnitColumns ? kPressureFactors[row][column] : 1.0f;
}

QString FormatPlainValue(double value) {
  const double size = std::fabs(value);
  int decimals = 4;
  if (std::isnan(value))
    decimals = 4;
  else if (size >= 10000)
    decimals = 0;
  else if (size >= 1000)
    decimals = 1;
  else if (size >= 100)
    decimals = 2;
  else if (size >= 10)
    decimals = 3;
  return QString::asprintf("%.*f", decimals, value);
}

QString FormatScaledValue(float value, UnitTable table, bool convert, int deviceUnit,
                          int displayUnit) {
  const float factor = convert ? UnitFactor(table, deviceUnit, displayUnit) : 1.0f;
  return FormatPlainValue(double(value) * double(factor));
}

QString FormatFlaggedValue(float value, int style, int softwareVersion) {
  const Flagged f = SplitFlags(value, style, softwareVersion);
  return FormatPlainValue(f.value) + f.marker;
}

QString FormatGeneralValue(float value, bool marked, int softwareVersion) {
  const Flagged f = SplitFlags(value, marked ? 1 : 0, softwareVersion);
  const QString text = QString::asprintf(f.value >= 1 ? "%.5g" : "%.4g", double(f.value));
  return text + f.marker;
}

}  // namespace zel
