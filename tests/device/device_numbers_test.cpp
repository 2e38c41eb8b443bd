#include "device/device_numbers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/hex.h"

namespace zel {
namespace {

using test::Hex;

float Decode(const char* hex, int mode, bool little) {
  auto bytes = Hex(hex);
  DecodeDeviceFloat(bytes.data(), mode, little);
  return ReadFloat(bytes.data());
}

TEST(DeviceFloat, BothByteOrders) {
  EXPECT_EQ(Decode("42 C8 00 00", kFloatQuiet, false), 100.0f);
  EXPECT_EQ(Decode("00 00 C8 42", kFloatQuiet, true), 100.0f);
  auto bytes = Hex("00 00 C8 42");  // host order
  EncodeDeviceFloat(bytes.data(), false);
  EXPECT_EQ(bytes, Hex("42 C8 00 00"));
}

TEST(DeviceFloat, NaNRule) {
  // Big-endian device bytes, most significant first as the device sends them.
  EXPECT_EQ(Decode("7F 80 00 01", kFloatRunRecord, false), 99999.0f);
  EXPECT_TRUE(std::isinf(Decode("7F 80 00 00", kFloatRunRecord, false)));
  // Mode 1 keeps a NaN but makes it quiet: the top mantissa bit is set.
  auto bytes = Hex("7F 80 00 01");
  DecodeDeviceFloat(bytes.data(), kFloatQuiet, false);
  EXPECT_EQ(bytes, Hex("01 00 C0 7F"));
  // Mode 0 leaves the bits alone.
  bytes = Hex("7F 80 00 01");
  DecodeDeviceFloat(bytes.data(), kFloatPlain, false);
  EXPECT_EQ(bytes, Hex("01 00 80 7F"));
  EXPECT_EQ(Decode("FF 80 00 01", kFloatRunRecord, false), 99999.0f);  // negative NaN too
}

TEST(DeviceWord, SwapsOnBigEndianDevices) {
  EXPECT_EQ(SwapDeviceWord(0x1F16, false), 0x161F);
  EXPECT_EQ(SwapDeviceWord(0x1F16, true), 0x1F16);
}

TEST(ValueFormat, PrecisionFollowsTheSize) {
  const std::pair<double, const char*> cases[] = {
      {12345.6, "12346"}, {1234.56, "1234.6"}, {123.456, "123.46"}, {12.3456, "12.346"},
      {1.23456, "1.2346"}, {-1234.56, "-1234.6"}, {0.0, "0.0000"}};
  for (auto [value, text] : cases) EXPECT_EQ(FormatPlainValue(value), text) << value;
  EXPECT_EQ(FormatPlainValue(std::nan("")).toLower().remove('-'), "nan");
}

TEST(ValueFormat, UnitConversion) {
  // 1 MPa device unit (row 1) shown in kgf/cm2 (column 0): factor 10.1971617.
  EXPECT_EQ(FormatScaledValue(1.0f, UnitTable::Pressure, true, 1, 0), "10.197");
  EXPECT_EQ(FormatScaledValue(1.0f, UnitTable::Pressure, false, 1, 0), "1.0000");
  EXPECT_EQ(FormatScaledValue(100.0f, UnitTable::DifferentialPressure, true, 0, 1), "0.9807");
  EXPECT_FLOAT_EQ(UnitFactor(UnitTable::DifferentialPressure, 1, 8), 0.0101971617f);
  EXPECT_EQ(UnitFactor(UnitTable::Pressure, 2, 0), 1.0f);  // no row for unit code 2
}

float WithBits(float value, uint32_t low) {
  uint8_t b[4];
  WriteFloat(b, value);
  b[0] = uint8_t((b[0] & ~3u) | low);
  return ReadFloat(b);
}

TEST(ValueFormat, FlaggedValuesCarryTheirMarker) {
  const struct {
    uint32_t bits;
    int style, version;
    const char* marker;
  } cases[] = {
      {0, 1, 19, "*"}, {1, 1, 19, ""},  {1, 2, 19, " "}, {1, 0, 19, ""},
      {1, 1, 25, "'"}, {3, 1, 25, ""},  {3, 2, 25, " "}, {2, 2, 25, "*"},
  };
  for (const auto& c : cases) {
    const QString text = FormatFlaggedValue(WithBits(12.5f, c.bits), c.style, c.version);
    EXPECT_EQ(text, QString("12.500") + c.marker) << c.bits << " " << c.style << " " << c.version;
  }
  EXPECT_EQ(FormatGeneralValue(WithBits(123.456f, 0), true, 19), "123.46*");
  EXPECT_EQ(FormatGeneralValue(WithBits(0.123456f, 1), false, 19), "0.1235");
}

}  // namespace
}  // namespace zel
