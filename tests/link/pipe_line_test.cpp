#include "link/pipe_line.h"

#include <gtest/gtest.h>

#include "support/hex.h"

namespace zel {
namespace {

using test::Hex;

// The in-process line follows the driver's read-timeout rules on virtual time.
class PipeLineTest : public testing::Test {
 protected:
  PipeLineTest() : line_(clock_, nullptr) {
    line_.Open("pipe");
    line_.Apply({9600, Parity::None});  // 1.0417 ms a character
  }
  size_t Read(size_t n, ReadTimeouts t) {
    line_.SetReadTimeouts(t);
    std::vector<uint8_t> buf(n);
    size_t got = 0;
    EXPECT_TRUE(line_.Read(buf.data(), n, &got));
    return got;
  }
  VirtualClock clock_;
  PipeLine line_;
};

TEST_F(PipeLineTest, TotalTimeoutIsMultiplierPerByteplusConstant) {
  EXPECT_EQ(Read(4, {0, 10, 100}), 0u);
  EXPECT_EQ(clock_.NowNs(), 140'000'000);
}

TEST_F(PipeLineTest, IntervalTimeoutEndsAReadAfterAGap) {
  line_.Deliver(Hex("01 02 03"), 1'000'000);
  line_.Deliver(Hex("04"), 500'000'000);  // a gap of about half a second
  EXPECT_EQ(Read(4, {50, 0, 10'000}), 3u);
  // The read ended 50 ms after the third byte.
  EXPECT_EQ(clock_.NowNs(), 1'000'000 + 2 * line_.CharacterNs() + 50'000'000);
  EXPECT_EQ(Read(1, {50, 0, 10'000}), 1u);
}

TEST_F(PipeLineTest, ReadReturnsAsSoonAsTheBytesAreThere) {
  line_.Deliver(Hex("01 02"), 2'000'000);
  EXPECT_EQ(Read(2, {0, 0, 1000}), 2u);
  EXPECT_EQ(clock_.NowNs(), 2'000'000 + line_.CharacterNs());
}

TEST_F(PipeLineTest, PurgeDropsOnlyWhatHasArrived) {
  line_.Deliver(Hex("01 02 03 04"), 0);
  clock_.AdvanceNs(line_.CharacterNs() + 1);  // two bytes are in, two still on the wire
  line_.Purge();
  EXPECT_EQ(Read(4, {0, 0, 100}), 2u);
}

TEST_F(PipeLineTest, ClosedOrFailingLineFails) {
  uint8_t b = 0;
  size_t got = 0;
  line_.SetReadFails(true);
  EXPECT_FALSE(line_.Read(&b, 1, &got));
  line_.Close();
  EXPECT_FALSE(line_.Write(&b, 1));
  line_.SetMissing(true);
  EXPECT_FALSE(line_.Open("pipe"));
}

}  // namespace
}  // namespace zel
