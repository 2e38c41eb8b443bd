#include "link/crc16.h"

#include <gtest/gtest.h>

#include "support/hex.h"

namespace zel {
namespace {

using test::Hex;

TEST(Crc16, CheckValueOfTheDigits) {
  const char* digits = "123456789";
  EXPECT_EQ(Crc16(reinterpret_cast<const uint8_t*>(digits), 9), 0x4B37);
}

// Whole frames: the last two bytes are the CRC of the rest, low byte first.
class Crc16Frames : public testing::TestWithParam<const char*> {};

TEST_P(Crc16Frames, ClosesTheFrame) {
  auto frame = Hex(GetParam());
  EXPECT_TRUE(CheckCrc16(frame.data(), frame.size() - 2));
  auto rebuilt = frame;
  rebuilt[rebuilt.size() - 1] = rebuilt[rebuilt.size() - 2] = 0;
  AppendCrc16(rebuilt.data(), rebuilt.size() - 2);
  EXPECT_EQ(rebuilt, frame);
  frame[frame.size() - 1] ^= 0x01;
  EXPECT_FALSE(CheckCrc16(frame.data(), frame.size() - 2));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Crc16Frames,
                         testing::Values("AA 01 06 02 F2 5D",          // the connection probe
                                         "55 01 07 82 2A 79 4E",       // its answer
                                         "BB 01 08 0C 05 00 E7 A3"));  // a long request

}  // namespace
}  // namespace zel
