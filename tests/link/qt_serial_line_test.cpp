#include "link/qt_serial_line.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <thread>

#include "link/exchange.h"
#include "link/clock.h"
#include "shell/settings.h"
#include "support/hex.h"
#include "support/pty_pair.h"

namespace zel {
namespace {

using test::Hex;
using test::ToHex;

class QtSerialLineTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty_.ok());
    ASSERT_TRUE(line_.Open(pty_.slavePath())) << line_.errorText().toStdString();
  }
  std::vector<uint8_t> Read(size_t n, ReadTimeouts t) {
    line_.SetReadTimeouts(t);
    std::vector<uint8_t> buf(n);
    size_t got = 0;
    EXPECT_TRUE(line_.Read(buf.data(), n, &got));
    buf.resize(got);
    return buf;
  }
  test::PtyPair pty_;
  QtSerialLine line_;
};

TEST_F(QtSerialLineTest, LineSettingsReachTheOtherSide) {
  for (uint32_t baud : {1200u, 9600u, 115200u, 3200u, 14400u}) {
    ASSERT_TRUE(line_.Apply({baud, Parity::None})) << baud;
    EXPECT_EQ(pty_.Speed(), baud);
    EXPECT_TRUE(pty_.EightDataBits());
  }
}

TEST_F(QtSerialLineTest, BytesPassBothWays) {
  line_.Apply({9600, Parity::None});
  const auto frame = Hex("FF FF AA 01 06 02 F2 5D");
  ASSERT_TRUE(line_.Write(frame.data(), frame.size()));
  EXPECT_EQ(pty_.Receive(frame.size()), frame);
  pty_.Send(Hex("55 01 07 82 2A 79 4E"));
  EXPECT_EQ(ToHex(Read(7, {100, 10, 5000})), "55 01 07 82 2A 79 4E");
}

TEST_F(QtSerialLineTest, PortHeldElsewhereDoesNotOpen) {
  QtSerialLine second;
  EXPECT_FALSE(second.Open(pty_.slavePath()));
  line_.Close();
  // Another program that locks the device keeps us out as well.
  const int fd = ::open(pty_.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(second.Open(pty_.slavePath()));
  ::close(fd);
  EXPECT_TRUE(second.Open(pty_.slavePath()));
}

TEST(QtSerialLine, MissingDeviceDoesNotOpen) {
  QtSerialLine line;
  EXPECT_FALSE(line.Open("/dev/zelmark-no-such-port"));
  EXPECT_FALSE(line.IsOpen());
  line.Close();  // closing a closed line is harmless
}

TEST_F(QtSerialLineTest, TotalTimeoutEndsAnEmptyRead) {
  EXPECT_TRUE(Read(1, {0, 5, 20}).empty());
}

TEST_F(QtSerialLineTest, IntervalTimeoutEndsAReadAfterTheBytesStop) {
  pty_.Send(Hex("01 02 03"));
  // Ten bytes asked, three come, then the line goes quiet: the interval ends the read long
  // before the total of ten seconds.
  EXPECT_EQ(ToHex(Read(10, {30, 0, 10000})), "01 02 03");
}

TEST_F(QtSerialLineTest, PurgeDiscardsWaitingInput) {
  pty_.Send(Hex("01 02 03"));
  ASSERT_EQ(Read(1, {0, 0, 2000}).size(), 1u);  // the bytes are there
  line_.Purge();
  EXPECT_TRUE(Read(1, {0, 0, 20}).empty());
}

TEST_F(QtSerialLineTest, WholeExchangeOverTheRealBackend) {
  Settings settings;
  settings.BaudRate = 9;
  settings.Kol_povt = 1;
  RealClock clock;
  LinkContext link{line_, clock, settings};
  line_.Apply({9600, Parity::None});
  std::vector<uint8_t> request;
  std::thread device([&] {
    request = pty_.Receive(16);
    pty_.Send(Hex("AA 55 01 07 82 2A 79 4E"));  // noise, then the answer
  });
  ExchangeBuffer buffer;
  EXPECT_EQ(ExchangeFrame(link, buffer, {false, 6, 2, kProbeMode, true, 1, 1}),
            LinkStatus::LinkOk);
  device.join();
  EXPECT_EQ(ToHex(request), "FF FF FF FF FF FF FF FF FF FF AA 01 06 02 F2 5D");
  EXPECT_EQ(buffer.R(0), 0x2A);
}

}  // namespace
}  // namespace zel

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
