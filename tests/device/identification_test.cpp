#include "device/identification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "link/crc16.h"

namespace zel {
namespace {

// An identification answer frame with the given data bytes R[0..].
std::vector<uint8_t> Answer(std::vector<uint8_t> data) {
  std::vector<uint8_t> f(data.size() + 6, 0);
  f[0] = 0x55;
  f[1] = 0x01;
  f[2] = uint8_t(f.size());
  f[3] = 0x8C;
  std::copy(data.begin(), data.end(), f.begin() + 4);
  AppendCrc16(f.data(), f.size() - 2);
  return f;
}

// A full answer: version v, kind k, R[4] and R[7] as given, 45 data bytes in all.
std::vector<uint8_t> Full(int v, int k, uint8_t r4 = 0, uint8_t r7 = 0, uint8_t r5 = 0) {
  std::vector<uint8_t> d(45, 0);
  d[0] = uint8_t(v);
  d[1] = 7;
  d[4] = r4;
  d[5] = r5;
  d[6] = uint8_t(k);
  d[7] = r7;
  return Answer(d);
}

DeviceIdentity Decode(const std::vector<uint8_t>& f) {
  return DecodeIdentification(f.data(), int(f.size()));
}

TEST(Identification, OldestGenerationAnswersWithOneByte) {
  const auto id = Decode(Answer({0x33}));
  EXPECT_EQ(id.softwareVersion, 1);
  EXPECT_EQ(id.softwareRevision, 0);
  EXPECT_EQ(id.deviceKind, 0);
  EXPECT_FALSE(id.kindGroupFlag);
  EXPECT_FALSE(id.longRunRecord);
  EXPECT_EQ(AcceptDevice(id), Acceptance::Served);
}

TEST(Identification, DecodesTheBitsOfTheAnswer) {
  std::vector<uint8_t> d(45, 0);
  d[0] = 19;
  d[1] = 4;
  d[3] = 9;
  d[4] = 0b1011'1110;  // low 2, bit 2, little-endian, bit 4, long record, bit 7
  d[5] = 0b1001'0110;  // bit 7, bit 4, bits 2-3 = 1, bits 0-1 = 2
  d[6] = 16;
  d[7] = 0x53;
  d[31] = 3;
  d[40] = 0x80;
  const auto id = Decode(Answer(d));
  EXPECT_EQ(id.softwareVersion, 19);
  EXPECT_EQ(id.softwareRevision, 4);
  EXPECT_EQ(id.identR3, 10);
  EXPECT_EQ(id.identR4Low, 2);
  EXPECT_TRUE(id.identR4Bit2);
  EXPECT_TRUE(id.littleEndianFloats);
  EXPECT_TRUE(id.identR4Bit4);
  EXPECT_TRUE(id.longRunRecord);
  EXPECT_EQ(id.identCode3, 0b101);
  EXPECT_TRUE(id.identR5Bit7);
  EXPECT_TRUE(id.identR5Bit4);
  EXPECT_FALSE(id.identR5Bit6);
  EXPECT_EQ(id.identR5Bits23, 1);
  EXPECT_EQ(id.deviceKind, 16);
  EXPECT_EQ(id.productVariant, 1);  // 3 -> 1
  EXPECT_EQ(id.identR7High, 5);
  EXPECT_TRUE(id.extendedWriteForm);
  EXPECT_TRUE(id.kindGroupFlag);
  EXPECT_TRUE(id.identSchemeFlag);  // R[4] low bits 2 and R[31] 3
}

TEST(Identification, KindsTenToFourteenAreRemapped) {
  for (int k = 10; k <= 14; ++k) {
    const auto id = Decode(Full(9, k));
    EXPECT_EQ(id.deviceKind, k - 6);
    EXPECT_TRUE(id.kindOffsetFlag);
  }
  EXPECT_FALSE(Decode(Full(9, 9)).kindOffsetFlag);
  EXPECT_TRUE(Decode(Full(9, 13)).kindGroupFlag);  // 13 -> 7
}

TEST(Identification, VariantRemap) {
  const struct {
    int nibble, variant;
    bool flag;
    int code;
  } cases[] = {{2, 0, false, 0}, {3, 1, false, 0}, {4, 0, true, 0},
               {5, 1, false, 5}, {6, 0, true, 6},  {9, 9, false, 0}};
  for (const auto& c : cases) {
    const auto id = Decode(Full(9, 7, 0, uint8_t(0x70 | c.nibble)));
    EXPECT_EQ(id.productVariant, c.variant) << c.nibble;
    EXPECT_EQ(id.variantFlag, c.flag) << c.nibble;
    EXPECT_EQ(id.variantCode, c.code) << c.nibble;
  }
}

TEST(Identification, AcceptanceByKindAndVersion) {
  const struct {
    int version, kind;
    Acceptance result;
  } cases[] = {
      {19, 16, Acceptance::Served},        {20, 16, Acceptance::TooNew},
      {40, 9, Acceptance::Served},         {5, 3, Acceptance::Served},
      {19, 7, Acceptance::Served},         {19, 8, Acceptance::Served},
      {5, 18, Acceptance::KindEighteen},   {30, 20, Acceptance::KindTwenty},
      {25, 4, Acceptance::TooNew},         {12, 4, Acceptance::Served},
      {12, 0, Acceptance::Served},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AcceptDevice(Decode(Full(c.version, c.kind))), c.result)
        << "version " << c.version << " kind " << c.kind;
}

TEST(Identification, ShortAnswerDoesNotReadBeyondItsData) {
  // Only R[0..6]: the later values read as 0, not as whatever the buffer held before.
  auto f = Answer({12, 1, 0, 0, 0x08, 0, 7});
  f.resize(64, 0xEE);
  const auto id = DecodeIdentification(f.data(), 13);
  EXPECT_EQ(id.deviceKind, 7);
  EXPECT_EQ(id.identR31, 0);
  EXPECT_FALSE(id.extendedWriteForm);
}

}  // namespace
}  // namespace zel
