// HART devices on the line at 1200 bit/s with odd parity: the reference transmitter, shared with
// the flow computer or on its own port, and the own sensors of a kind 9 computer.

#include "sim/hart_bus.h"

#include <gtest/gtest.h>

#include <bit>

#include "link/pipe_line.h"
#include "sim/device_protocol.h"
#include "sim/hart_sensor.h"
#include "sim/sim_peer.h"
#include "sim_frames.h"

namespace zel::sim {
namespace {

// A HART answer without its preambles, checked and split.
struct HartAnswer {
  std::vector<uint8_t> frame;
  size_t header = 0;
  uint8_t command() const { return frame[header - 2]; }
  uint8_t code() const { return frame[header]; }
  uint8_t status() const { return frame[header + 1]; }
  std::vector<uint8_t> data() const { return {frame.begin() + header + 2, frame.end() - 1}; }
  float Float(size_t at) const {
    const std::vector<uint8_t> d = data();
    return std::bit_cast<float>(uint32_t(d[at]) << 24 | uint32_t(d[at + 1]) << 16 |
                                uint32_t(d[at + 2]) << 8 | d[at + 3]);
  }
};

class HartLine {
 public:
  HartLine(LinePeer* peer, LineSettings settings) : line_(clock_, peer) {
    line_.Open("/dev/ttyS1");
    line_.Apply(settings);
    line_.SetReadTimeouts({100, 0, 1000});
  }
  // Sends a request with ten preambles and returns the answer (empty when nobody answered).
  std::optional<HartAnswer> Ask(std::vector<uint8_t> frame) {
    frame.push_back(hart::CheckByte(frame.data(), frame.size()));
    std::vector<uint8_t> wire(10 + frame.size(), 0xFF);
    std::copy(frame.begin(), frame.end(), wire.begin() + 10);
    line_.Write(wire.data(), wire.size());
    uint8_t buf[256];
    size_t got = 0;
    line_.Read(buf, sizeof buf, &got);
    size_t i = 0;
    while (i < got && buf[i] == 0xFF) ++i;
    if (i == got) return std::nullopt;
    HartAnswer a;
    a.frame.assign(buf + i, buf + got);
    EXPECT_EQ(hart::CheckByte(a.frame.data(), a.frame.size()), 0);
    a.header = a.frame[0] == hart::kLongAnswer ? 8 : 4;  // delimiter, address, command, count
    EXPECT_EQ(a.frame.size(), a.header + a.frame[a.header - 1] + 1);
    return a;
  }
  PipeLine& line() { return line_; }

 private:
  VirtualClock clock_;
  PipeLine line_;
};

std::vector<uint8_t> LongFrame(const std::vector<uint8_t>& address, uint8_t command,
                               std::vector<uint8_t> data = {}) {
  std::vector<uint8_t> f(8 + data.size());
  f[0] = hart::kLongRequest;
  std::copy(address.begin(), address.end(), f.begin() + 1);
  f[6] = command;
  f[7] = static_cast<uint8_t>(data.size());
  std::copy(data.begin(), data.end(), f.begin() + 8);
  return f;
}

TEST(HartBusTest, AReferenceOnTheSharedLineAnswersAt1200OddParityOnly) {
  SimPeer peer(*FindProfile("demo"));
  ASSERT_EQ(peer.hartBus().AddReference({3051, 3, 1, Quantity::Pressure}), "");
  HartLine hart(&peer, HartBus::kLine);
  // Command 0 by poll address: the unique identifier for the long frames.
  const std::optional<HartAnswer> id = hart.Ask({hart::kShortRequest, 3, 0, 0});
  ASSERT_TRUE(id);
  EXPECT_EQ(id->frame[0], hart::kShortAnswer);
  EXPECT_EQ(id->frame[1], 3);
  EXPECT_EQ(id->code(), 0);
  const std::vector<uint8_t> d = id->data();
  ASSERT_EQ(d.size(), 12u);
  const std::vector<uint8_t> uid{d[1], d[2], d[9], d[10], d[11]};
  // Command 1: the primary variable in the device's pressure unit (kgf/cm²).
  const std::optional<HartAnswer> pv = hart.Ask(LongFrame(uid, hart::kReadPrimaryVariable));
  ASSERT_TRUE(pv);
  EXPECT_EQ(pv->frame[0], hart::kLongAnswer);
  EXPECT_EQ(pv->data().at(0), hart::kUnitKgfPerCm2);
  EXPECT_NEAR(pv->Float(1), 25.0, 0.01);
  // Another poll address, or the line without parity: silence.
  EXPECT_FALSE(hart.Ask({hart::kShortRequest, 4, 0, 0}));
  hart.line().Apply({1200, Parity::None});
  EXPECT_FALSE(hart.Ask({hart::kShortRequest, 3, 0, 0}));
  // And the flow computer still answers on its own settings.
  hart.line().Apply({9600, Parity::None});
  const std::vector<uint8_t> probe = test::Short(kProbeLink);
  hart.line().Write(probe.data(), probe.size());
  EXPECT_EQ(peer.stats().answered, 1u);
}

TEST(HartBusTest, The3095ReportsFourVariables) {
  SimPeer peer(*FindProfile("k7-v19-si"));
  ASSERT_EQ(peer.hartBus().AddReference({3095, 1, 1}), "");
  peer.device().SetAmbient(31.0);
  HartLine hart(&peer, HartBus::kLine);
  const HartReference& ref = peer.hartBus().references().front();
  const std::vector<uint8_t> address(ref.longAddress.begin(), ref.longAddress.end());
  const std::optional<HartAnswer> a = hart.Ask(LongFrame(address, hart::kReadMultivariable));
  ASSERT_TRUE(a);
  ASSERT_EQ(a->data().size(), 20u);
  const uint8_t units[] = {hart::kUnitKpa, hart::kUnitMpa, hart::kUnitCelsius, hart::kUnitCelsius};
  const double values[] = {1200 * 0.00980665, 25 * 0.0980665, 15.0, 31.0};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(a->data()[size_t(5 * k)], units[k]) << k;
    EXPECT_NEAR(a->Float(size_t(5 * k + 1)), values[k], 1e-3 * std::abs(values[k])) << k;
  }
  // A 3051 does not know command 110.
  ASSERT_EQ(peer.hartBus().AddReference({3051, 2, 1, Quantity::Dp}), "");
  const std::optional<HartAnswer> id = hart.Ask({hart::kShortRequest, 2, 0, 0});
  ASSERT_TRUE(id);
  const std::vector<uint8_t> d = id->data();
  const std::optional<HartAnswer> no = hart.Ask(LongFrame({d[1], d[2], d[9], d[10], d[11]}, 110));
  ASSERT_TRUE(no);
  EXPECT_EQ(no->code(), hart::kCodeNotImplemented);
}

TEST(HartBusTest, AReferenceOnItsOwnPort) {
  FlowComputer device(*FindProfile("k3-v12"));
  HartPeer peer(device);
  ASSERT_EQ(peer.bus().AddReference({3051, 1, 2, Quantity::Dp}), "");
  HartLine hart(&peer, HartBus::kLine);
  const std::optional<HartAnswer> id = hart.Ask({hart::kShortRequest, 1, 0, 0});
  ASSERT_TRUE(id);
  const std::vector<uint8_t> d = id->data();
  const std::optional<HartAnswer> pv = hart.Ask(LongFrame({d[1], d[2], d[9], d[10], d[11]}, 1));
  ASSERT_TRUE(pv);
  EXPECT_EQ(pv->data().at(0), hart::kUnitMmWater);
  EXPECT_NEAR(pv->Float(1), 900.0, 0.1);  // run 2's differential pressure
  // Badly described references are refused.
  EXPECT_NE(peer.bus().AddReference({3052, 1, 1}), "");
  EXPECT_NE(peer.bus().AddReference({3051, 16, 1}), "");
  EXPECT_NE(peer.bus().AddReference({3051, 1, 3}), "");
}

TEST(HartBusTest, AKind9ComputerKeepsItsSensorsOnTheLineForCommand52) {
  SimPeer peer(*FindProfile("k9-v19"));
  peer.device().SetTrueValue(1, Quantity::Dp, 0.0);
  EXPECT_NEAR(peer.device().Measure(1, kChannelDp, 0)->value, 7.5, 1.0);
  const std::vector<uint8_t> part2 = peer.device().Handle(test::Short(kReadConfigurationPart2), 0);
  const std::vector<uint8_t> address(part2.begin() + 4 + 4, part2.begin() + 4 + 9);
  HartLine hart(&peer, HartBus::kLine);
  const std::optional<HartAnswer> a = hart.Ask(LongFrame(address, hart::kSetVariableZero, {0}));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->code(), 0);
  EXPECT_NE(a->status() & hart::kStatusConfigChanged, 0);
  EXPECT_TRUE(std::equal(address.begin(), address.end(), a->frame.begin() + 1));
  EXPECT_NEAR(peer.device().Measure(1, kChannelDp, 0)->value, 0.0, 1.0);
  // A kind 7 computer has no sensors on its line.
  SimPeer other(*FindProfile("demo"));
  HartLine otherLine(&other, HartBus::kLine);
  EXPECT_FALSE(otherLine.Ask(LongFrame(address, hart::kSetVariableZero, {0})));
}

TEST(HartBusTest, ReferenceTextsOfTheCommandLine) {
  std::string error;
  const std::optional<HartReference> a = ParseHartReference("3051,4,2.dp", &error);
  ASSERT_TRUE(a) << error;
  EXPECT_EQ(a->model, 3051);
  EXPECT_EQ(a->pollAddress, 4);
  EXPECT_EQ(a->run, 2);
  EXPECT_EQ(a->quantity, Quantity::Dp);
  const std::optional<HartReference> b = ParseHartReference("3095", &error);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->pollAddress, 1);
  for (const char* bad : {"3052", "3051,0", "3051,16", "3051,1,1.x", "3051,1,,", "3051,a"})
    EXPECT_FALSE(ParseHartReference(bad, &error)) << bad;
}

}  // namespace
}  // namespace zel::sim
