#include <gtest/gtest.h>

#include "device/codepage.h"
#include "device/passwords.h"
#include "device/run_state.h"
#include "support/hex.h"

namespace zel {
namespace {

using test::Hex;

TEST(DeviceTag, CodePage866BecomesText) {
  const auto bytes = Hex("8F E0 A8 A2 A5 E2 00 41");
  EXPECT_EQ(DecodeDeviceTag(bytes.data(), int(bytes.size())), QString::fromUtf8("Привет"));
  // The byte rule itself: 866 to 1251 for the letters А..п and р..я.
  EXPECT_EQ(Cp866ToCp1251(0x8F), 0xCF);
  EXPECT_EQ(Cp866ToCp1251(0xE0), 0xF0);
  EXPECT_EQ(Cp866ToCp1251(0x41), 0x41);
  const auto full = Hex("41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52");
  EXPECT_EQ(DecodeDeviceTag(full.data(), int(full.size())), "ABCDEFGHIJKLMNOP");  // 16 at most
}

Password Bytes(const char* hex) {
  Password p{};
  const auto v = Hex(hex);
  std::copy(v.begin(), v.end(), p.begin());
  return p;
}

TEST(PasswordBytes, CyrillicMovesToCodePage866AndBlanksPad) {
  // А (C0) -> 80, п (EF) -> AF, р (F0) -> E0, я (FF) -> EF; Latin and digits unchanged.
  EXPECT_EQ(PasswordBytes(QString::fromUtf8("АпряZ9")),
            Bytes("80 AF E0 EF 5A 39 20 20 20 20 20 20 20 20 20 20"));
  EXPECT_EQ(PasswordBytes(QString()), BlankPassword());
  EXPECT_EQ(PasswordBytes("0123456789abcdefXYZ"), Bytes("30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66"));
  // Letters outside А..я keep their code page 1251 byte, as older tools stored them.
  EXPECT_EQ(PasswordBytes(QString::fromUtf8("ёі"))[0], 0xB8);
  EXPECT_EQ(PasswordBytes(QString::fromUtf8("ёі"))[1], 0xB3);
}

TEST(CodePage1251, RoundTripsTheUkrainianAndRussianAlphabets) {
  const QString text = QString::fromUtf8("АБВгдеЁёЄєІіЇїҐґ№ Zelmark");
  EXPECT_EQ(FromCp1251(ToCp1251(text)), text);
  EXPECT_EQ(ToCp1251(QString::fromUtf8("漢")), "?");
}

}  // namespace
}  // namespace zel
