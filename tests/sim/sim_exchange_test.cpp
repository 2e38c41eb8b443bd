// The simulated device on the in-process line, driven through the program's ExchangeFrame on
// virtual time.

#include <gtest/gtest.h>

#include "device/identification.h"
#include "link/crc16.h"
#include "link/exchange.h"
#include "link/pipe_line.h"
#include "shell/settings.h"
#include "sim/device_protocol.h"
#include "sim/memory_map.h"
#include "sim/sim_peer.h"
#include "sim_frames.h"
#include "support/hex.h"

namespace zel::sim {
namespace {

using zel::test::ToHex;

constexpr int64_t kSecond = 1'000'000'000;

// A program's line to a simulated device of one profile.
struct SimLine {
  explicit SimLine(const char* profile, uint64_t key = 1)
      : peer_(*FindProfile(profile), key), line_(clock_, &peer_), link_{line_, clock_, settings_} {
    settings_.Kol_povt = 1;
    line_.Open("/dev/ttyS0");
    line_.Apply({peer_.device().profile().baud, Parity::None});
  }
  LinkStatus Probe() { return ExchangeFrame(link_, buffer_, {false, 6, kProbeLink, kProbeMode, true, 1, 1}); }
  LinkStatus Short(uint8_t command) { return ExchangeFrame(link_, buffer_, {false, 6, command, 1, true, 1, 1}); }
  LinkStatus Long(uint8_t command, const std::vector<uint8_t>& data) {
    for (size_t i = 0; i < data.size(); ++i) buffer_.Q(int(i)) = data[i];
    return ExchangeFrame(link_, buffer_, {true, uint8_t(6 + data.size()), command, 1, false, 0, 1});
  }
  std::vector<uint8_t> Response() const {
    return {buffer_.response(), buffer_.response() + buffer_.responseLength()};
  }
  bool Refused() { return buffer_.responseEcho() == buffer_.request()[3]; }
  const ByteOrder& order() { return peer_.device().order(); }
  std::vector<uint8_t> ReadMemory(uint16_t address, uint8_t count) {
    std::vector<uint8_t> q(3);
    order().PutU16(q.data(), address);
    q[2] = count;
    EXPECT_EQ(Long(kReadMemory, q), LinkStatus::LinkOk);
    EXPECT_FALSE(Refused());
    return {buffer_.response() + 4, buffer_.response() + buffer_.responseLength() - 2};
  }

  VirtualClock clock_;
  SimPeer peer_;
  PipeLine line_;
  Settings settings_;
  LinkContext link_;
  ExchangeBuffer buffer_;
};

class SimExchangeTest : public testing::Test, protected SimLine {
 protected:
  SimExchangeTest() : SimLine("demo") {}
};

TEST_F(SimExchangeTest, WorkedExampleProbe) {
  ASSERT_EQ(Probe(), LinkStatus::LinkOk);
  EXPECT_EQ(ToHex(line_.writes().at(0).bytes), "FF FF FF FF FF FF FF FF FF FF AA 01 06 02 F2 5D");
  EXPECT_EQ(ToHex(Response()), "55 01 07 82 2A 79 4E");
}

TEST_F(SimExchangeTest, WorkedExampleLongRequestIsRefusedForAMissingRun) {
  // BB 01 08 0C 05 00 E7 A3: ReadChannelMeasurement of run 5, which the device lacks.
  ASSERT_EQ(Long(kReadIdentification, {0x05, 0x00}), LinkStatus::LinkOk);
  EXPECT_EQ(ToHex({line_.writes().back().bytes.end() - 8, line_.writes().back().bytes.end()}),
            "BB 01 08 0C 05 00 E7 A3");
  EXPECT_TRUE(Refused());
  EXPECT_EQ(buffer_.R(0), kRefuseNoSuchRun);
  EXPECT_EQ(buffer_.R(1), 4);
}

TEST(SimLineTest, IdentificationOfSeveralProfiles) {
  for (const char* name : {"demo", "k3-v8", "k9-v25", "k16-v19-3runs", "oldest"}) {
    SCOPED_TRACE(name);
    SimLine sim(name);
    ASSERT_EQ(sim.Short(kReadIdentification), LinkStatus::LinkOk);
    const DeviceIdentity id = DecodeIdentification(sim.buffer_.response(), sim.buffer_.responseLength());
    const DeviceProfile& p = sim.peer_.device().profile();
    EXPECT_EQ(id.softwareVersion, p.version);
    EXPECT_EQ(id.deviceKind, p.Kind());
    EXPECT_EQ(id.littleEndianFloats, p.littleEndian);
  }
}

TEST_F(SimExchangeTest, RefusedWriteWithAWrongPassword) {
  std::vector<uint8_t> q{1};
  test::AddPassword(q, "wrong");
  q.resize(q.size() + 19, 0);
  ASSERT_EQ(Long(kReadConfigurationPart2, q), LinkStatus::LinkOk);
  EXPECT_TRUE(Refused());
  EXPECT_EQ(buffer_.R(0), kRefuseWrongPassword);
}

TEST_F(SimExchangeTest, ModeChangeCompletesModeSwitchSecondsAfterTheRequest) {
  std::vector<uint8_t> q{1, 0};
  test::AddPassword(q, "1234");
  q.resize(23, 0);
  ASSERT_EQ(Long(kEnterServiceMode, q), LinkStatus::LinkOk);
  ASSERT_FALSE(Refused());
  const int64_t requestNs = line_.writes().back().ns;
  // Poll the run record every half second, as the service-mode window does.
  int64_t switchedNs = 0;
  for (int i = 0; i < 20 && switchedNs == 0; ++i) {
    clock_.AdvanceNs(kSecond / 2);
    ASSERT_EQ(Long(kReadConfiguration, {1}), LinkStatus::LinkOk);
    if ((buffer_.R(1) & 0x0F) == 3) switchedNs = clock_.NowNs();
  }
  ASSERT_NE(switchedNs, 0);
  EXPECT_GE(switchedNs - requestNs, 3 * kSecond);
  EXPECT_LT(switchedNs - requestNs, 3 * kSecond + kSecond / 2 + kSecond / 10);
}

TEST_F(SimExchangeTest, MemoryReadOfSixteenRecordsInChunksOfAtMost120Bytes) {
  // Pressure, Тос point 0: segment count, code list, then the segment records in chunks.
  const uint8_t n = ReadMemory(map::kPressure.blockBase, 1).at(0);
  ASSERT_GE(n, 13);
  std::vector<uint8_t> list = ReadMemory(map::kPressure.blockBase + 1, uint8_t(3 * n + 2));
  list.insert(list.begin(), n);
  EXPECT_TRUE(CheckCrc16(list.data(), list.size() - 2));
  const size_t before = line_.writes().size();
  std::vector<uint8_t> records;
  for (int first = 0; first < n; first += 12) {
    const int count = std::min(12, n - first);
    const std::vector<uint8_t> chunk = ReadMemory(
        uint16_t(map::kPressure.blockBase + map::kPressure.blockRecords + 10 * first), uint8_t(10 * count));
    EXPECT_LE(chunk.size(), 120u);
    records.insert(records.end(), chunk.begin(), chunk.end());
  }
  EXPECT_EQ(line_.writes().size() - before, 2u);
  ASSERT_EQ(records.size(), 10u * n);
  float previous = -1e9f;
  for (int i = 0; i < n; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(CheckCrc16(&records[10 * i], 8));
    const float start = order().F32(&records[10 * i]);
    EXPECT_GT(start, previous);  // a sensible table: values increase
    EXPECT_GT(order().F32(&records[10 * i + 4]), 0.0f);
    previous = start;
  }
}

TEST_F(SimExchangeTest, WritingTheNshpOffsetShiftsTheMeasuredPressure) {
  auto measured = [&] {
    double sum = 0;
    for (int i = 0; i < 10; ++i) {
      clock_.AdvanceNs(kSecond / 2);
      EXPECT_EQ(Long(kReadIdentification, {1, 0}), LinkStatus::LinkOk);
      sum += order().F32(buffer_.response() + 4 + 17);
    }
    return sum / 10;
  };
  const double before = measured();
  std::vector<uint8_t> block = ReadMemory(map::kNshp, map::kNshpSize);
  order().PutF32(&block[map::kNshpPressureOffset], 1.5f);
  AppendCrc16(block.data(), 24);

  std::vector<uint8_t> enter{1, 0};
  test::AddPassword(enter, "1234");
  enter.resize(23, 0);
  ASSERT_EQ(Long(kEnterServiceMode, enter), LinkStatus::LinkOk);
  clock_.AdvanceNs(4 * kSecond);
  std::vector<uint8_t> write{1, 0};
  test::AddPassword(write, "1234");
  write.resize(write.size() + 2);
  // The newer address of the block, as the slope and offset write uses it.
  order().PutU16(&write[write.size() - 2], map::kNshpAlias);
  write.insert(write.end(), {map::kNshpBlock, 0, 0});
  write.insert(write.end(), block.begin(), block.end());
  ASSERT_EQ(Long(kWriteMemory, write), LinkStatus::LinkOk);
  ASSERT_FALSE(Refused()) << int(buffer_.R(0));
  EXPECT_NEAR(measured(), before + 1.5, 0.02);
}

TEST_F(SimExchangeTest, TheDeviceAnswersOnlyAtItsSpeedWithoutParity) {
  for (LineSettings wrong : {LineSettings{1200, Parity::None}, LineSettings{19200, Parity::None},
                             LineSettings{9600, Parity::Odd}}) {
    line_.Apply(wrong);
    EXPECT_EQ(Probe(), LinkStatus::LinkNoAnswer);
  }
  EXPECT_EQ(peer_.stats().requests, 0u);
  EXPECT_GT(peer_.stats().ignoredLine, 0u);
  line_.Apply({9600, Parity::None});
  EXPECT_EQ(Probe(), LinkStatus::LinkOk);
}

TEST_F(SimExchangeTest, FramesWithAWrongChecksumOrAnotherAddressGoUnanswered) {
  settings_.Preamb = 2;
  std::vector<uint8_t> bad = test::Short(kProbeLink);
  bad.back() ^= 1;
  line_.Write(bad.data(), bad.size());
  const std::vector<uint8_t> other = test::Request(0xAA, kProbeLink, {}, 7);
  line_.Write(other.data(), other.size());
  EXPECT_EQ(peer_.stats().ignoredChecksum, 1u);
  EXPECT_EQ(peer_.stats().ignoredAddress, 1u);
  EXPECT_EQ(peer_.stats().answered, 0u);
  // A request split over two writes is still one frame.
  const std::vector<uint8_t> probe = test::Short(kProbeLink);
  line_.Write(probe.data(), 3);
  line_.Write(probe.data() + 3, probe.size() - 3);
  EXPECT_EQ(peer_.stats().answered, 1u);
}

TEST_F(SimExchangeTest, FaultsGiveTheExpectedStatuses) {
  struct Case {
    const char* fault;
    LinkStatus status;
  };
  const Case cases[] = {
      {"crc", LinkStatus::LinkCrcError},       {"address", LinkStatus::LinkWrongAnswer},
      {"silence", LinkStatus::LinkNoAnswer},   {"lose", LinkStatus::LinkShortAnswer},
      {"noise", LinkStatus::LinkOk},           {"echo", LinkStatus::LinkOk},
      {"crc@ReadDeviceTag", LinkStatus::LinkOk},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    FaultRule rule;
    ASSERT_EQ(FaultPlan::Parse(c.fault, &rule), "");
    peer_.faults().Clear();
    peer_.faults().Add(rule);
    EXPECT_EQ(Probe(), c.status);
  }
  // With more attempts a fault of one answer is overcome.
  settings_.Kol_povt = 2;
  FaultRule once;
  ASSERT_EQ(FaultPlan::Parse("crc#1", &once), "");
  peer_.faults().Clear();
  peer_.faults().Add(once);
  const size_t before = line_.writes().size();
  EXPECT_EQ(Probe(), LinkStatus::LinkOk);
  EXPECT_EQ(line_.writes().size() - before, 2u);
}

TEST_F(SimExchangeTest, ARefusalOnDemandCarriesCodeAndArguments) {
  FaultRule rule;
  ASSERT_EQ(FaultPlan::Parse("refuse@ReadRunParameters:61,2,7", &rule), "");
  peer_.faults().Add(rule);
  ASSERT_EQ(Long(kReadConfiguration, {1}), LinkStatus::LinkOk);
  EXPECT_TRUE(Refused());
  EXPECT_EQ(ToHex({buffer_.response() + 4, buffer_.response() + 7}), "3D 02 07");
  // The short-frame command of the same number is not affected.
  ASSERT_EQ(Short(kReadConfiguration), LinkStatus::LinkOk);
  EXPECT_EQ(buffer_.responseEcho(), 0x88);
}

TEST_F(SimExchangeTest, ALostAnswerToEnterServiceModeMakesTheRepeatARefusal59) {
  FaultRule rule;
  ASSERT_EQ(FaultPlan::Parse("silence@EnterServiceMode#1", &rule), "");
  peer_.faults().Add(rule);
  std::vector<uint8_t> q{1, 0};
  test::AddPassword(q, "1234");
  q.resize(23, 0);
  EXPECT_EQ(Long(kEnterServiceMode, q), LinkStatus::LinkNoAnswer);
  ASSERT_EQ(Long(kEnterServiceMode, q), LinkStatus::LinkOk);
  EXPECT_TRUE(Refused());
  EXPECT_EQ(buffer_.R(0), 59);
}

std::vector<LinkStatus> ProbesWithNoisyChecksums(uint64_t key) {
  SimLine sim("demo", key);
  FaultRule crc, lose;
  FaultPlan::Parse("crc:0.3", &crc);
  FaultPlan::Parse("lose:0.2", &lose);
  sim.peer_.faults().Add(crc);
  sim.peer_.faults().Add(lose);
  std::vector<LinkStatus> statuses;
  for (int i = 0; i < 40; ++i) statuses.push_back(sim.Probe());
  return statuses;
}

TEST(SimFaultsTest, TheSameNoiseKeyRepeatsTheFaults) {
  const std::vector<LinkStatus> first = ProbesWithNoisyChecksums(11);
  EXPECT_EQ(ProbesWithNoisyChecksums(11), first);
  EXPECT_NE(ProbesWithNoisyChecksums(12), first);
  for (LinkStatus s : {LinkStatus::LinkOk, LinkStatus::LinkCrcError, LinkStatus::LinkShortAnswer})
    EXPECT_NE(std::count(first.begin(), first.end(), s), 0) << LinkStatusName(s);
}

}  // namespace
}  // namespace zel::sim
