// The device's calibration memory and the blocks around it, read and written with frames.

#include <gtest/gtest.h>

#include "link/crc16.h"
#include "sim/device_protocol.h"
#include "sim/flow_computer.h"
#include "sim/memory_map.h"
#include "sim/sensor_model.h"
#include "sim_frames.h"

namespace zel::sim {
namespace {

using test::AddPassword;
using test::IsRefusal;
using test::Long;
using test::R;

constexpr int64_t kSecond = 1'000'000'000;

class DeviceMemoryTest : public testing::Test {
 protected:
  explicit DeviceMemoryTest(const char* profile = "demo") : d_(*FindProfile(profile)) {}

  std::vector<uint8_t> Write(uint8_t area, int address, uint8_t code, const std::vector<uint8_t>& bytes,
                             uint8_t toc = 0, uint8_t first = 0) {
    std::vector<uint8_t> q{1, area};
    AddPassword(q, "1234");
    q.resize(q.size() + 2);
    d_.order().PutU16(&q[q.size() - 2], uint16_t(address));
    q.insert(q.end(), {code, toc, first});
    q.insert(q.end(), bytes.begin(), bytes.end());
    return d_.Handle(Long(kWriteMemory, q), now_);
  }
  std::vector<uint8_t> Read(int address, int count) {
    std::vector<uint8_t> q(3);
    d_.order().PutU16(q.data(), uint16_t(address));
    q[2] = uint8_t(count);
    const std::vector<uint8_t> a = d_.Handle(Long(kReadMemory, q), now_);
    return {a.begin() + 4, a.end() - 2};
  }
  void EnterService() {
    std::vector<uint8_t> q{1, 0};
    AddPassword(q, "1234");
    q.resize(23, 0);
    ASSERT_EQ(d_.Handle(Long(kEnterServiceMode, q), now_).at(3), 0x90);
    now_ += 4 * kSecond;
  }
  double Measured(int channel) {
    double sum = 0;
    for (int i = 0; i < 10; ++i) {
      now_ += kSecond / 2;
      const std::optional<Measurement> m = d_.Measure(1, channel, now_);
      EXPECT_TRUE(m && m->valid);
      sum += m ? m->value : 0;
    }
    return sum / 10;
  }
  // Sends a section as the image writer does: Тос code list, Тос characteristic, then per
  // point its code list and its records in chunks of at most 12.
  void WriteSectionByFrames(const map::SectionLayout& layout, uint8_t section, const MemoryImage& m,
                            int points) {
    auto bytes = [&](int address, int size) {
      return std::vector<uint8_t>(m.begin() + address, m.begin() + address + size);
    };
    ASSERT_FALSE(IsRefusal(Write(section, layout.tocCount, map::kTocCodeList, bytes(layout.tocCount, 3 + 2 * points)),
                           Long(kWriteMemory)));
    const int charSegments = m[layout.tocCharCount];
    Write(section, layout.tocCharCount, map::kTocCharCodeList, bytes(layout.tocCharCount, 3 + 3 * charSegments));
    Write(section, layout.tocCharRecords, map::kTocCharRecords, bytes(layout.tocCharRecords, 10 * charSegments));
    for (int j = 0; j < points; ++j) {
      const int base = layout.blockBase + layout.blockStride * j;
      const int n = m[base];
      EXPECT_EQ(Write(section, base, map::kBlockCodeList, bytes(base, 3 + 3 * n), uint8_t(j)).at(3), 0x94);
      for (int first = 0; first < n; first += 12) {
        const int count = std::min(12, n - first);
        const int at = base + layout.blockRecords + 10 * first;
        EXPECT_EQ(Write(section, at, map::kBlockRecords, bytes(at, 10 * count), uint8_t(j), uint8_t(first)).at(3), 0x94);
      }
    }
  }

  FlowComputer d_;
  int64_t now_ = 0;
};

TEST_F(DeviceMemoryTest, FactoryMemoryHoldsEverySectionOfItsKindWithValidChecksums) {
  struct Case {
    const char* profile;
    bool pressure, dp, correction, dpConfig;
  };
  const Case cases[] = {{"demo", true, true, false, true},
                        {"k3-v8", true, false, false, false},
                        {"k9-v19", false, false, false, false},
                        {"k16-v19-counter", true, false, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    FlowComputer d(*FindProfile(c.profile));
    const ByteOrder& o = d.order();
    const MemoryImage& m = d.memory();
    EXPECT_EQ(ReadSection(m, map::kPressure, o).valid, c.pressure);
    EXPECT_TRUE(ReadSection(m, map::kTemperature, o, std::string(c.profile) == "k9-v19").valid);
    EXPECT_EQ(ReadSection(m, map::kDp, o).valid, c.dp);
    EXPECT_EQ(ReadCorrection(m, o).has_value(), c.correction);
    EXPECT_EQ(BlockValid(m, map::kDpConfig, map::kConfigBlockSize), c.dpConfig);
    EXPECT_TRUE(BlockValid(m, map::kPressureConfig, map::kConfigBlockSize));
    EXPECT_TRUE(BlockValid(m, map::kNshp, map::kNshpSize));
    EXPECT_TRUE(BlockValid(m, map::kMeasureParams, map::kMeasureParamsSize));
    EXPECT_EQ(o.U32(&m[map::kFactoryNumber]), d.profile().factoryNumber);
  }
}

TEST_F(DeviceMemoryTest, TablesReadBackAsSensibleCharacteristics) {
  const SectionCharacteristic p = ReadSection(d_.memory(), map::kPressure, d_.order());
  ASSERT_TRUE(p.valid);
  ASSERT_EQ(p.points.size(), 3u);
  // The Тос characteristic turns the Тос codes back into the temperatures of the points.
  ASSERT_TRUE(p.toc);
  EXPECT_NEAR(p.toc->Eval(p.points[1].tocCode), 20.0, 0.01);
  EXPECT_NEAR(p.toc->Eval(TocCode(30.0)), 30.0, 0.5);
  for (const auto& point : p.points) {
    EXPECT_EQ(point.table.codes.size(), 16u);
    EXPECT_NEAR(point.table.start.front(), 0.0, 1e-6);
    EXPECT_NEAR(point.table.Eval(point.table.codes.back()), 56.25, 1e-3);  // row 15 of 0..60
  }
}

TEST_F(DeviceMemoryTest, CalibrationWritesNeedServiceModeAPasswordAndIntactBlocks) {
  const std::vector<uint8_t> block = Read(map::kNshp, map::kNshpSize);
  EXPECT_EQ(R(Write(0, map::kNshp, map::kNshpBlock, block), 0), kRefuseNotInServiceMode);
  EnterService();
  std::vector<uint8_t> spoiled = block;
  spoiled[3] ^= 1;
  EXPECT_EQ(R(Write(0, map::kNshp, map::kNshpBlock, spoiled), 0), kRefuseBlockChecksum);
  EXPECT_EQ(R(Write(0, map::kNshp, map::kUnitBlock, block), 0), kRefuseBadBlock);
  EXPECT_EQ(R(Write(0, 0x1FF0, map::kNshpBlock, block), 0), kRefuseAddressRange);
  std::vector<uint8_t> records = Read(map::kPressure.blockBase + map::kPressure.blockRecords, 30);
  records[25] ^= 0x40;  // the third record's value
  EXPECT_EQ(R(Write(0, map::kPressure.blockBase + map::kPressure.blockRecords, map::kBlockRecords, records), 0),
            kRefuseBlockChecksum);
  EXPECT_EQ(Write(0, map::kNshp, map::kNshpBlock, block).at(3), 0x94);
}

TEST_F(DeviceMemoryTest, PlainAreaWritesNeedNoServiceMode) {
  std::vector<uint8_t> number(4);
  d_.order().PutU32(number.data(), 424242);
  EXPECT_EQ(Write(map::kAreaPlain, map::kFactoryNumber, 0, number).at(3), 0x94);
  EXPECT_EQ(d_.order().U32(Read(map::kFactoryNumber, 4).data()), 424242u);
  EXPECT_EQ(R(Write(map::kAreaPlain, map::kFactoryNumber, 0, {1, 2, 3}), 0), kRefuseBadBlock);
}

TEST_F(DeviceMemoryTest, AWrittenCalibrationChangesWhatTheDeviceMeasures) {
  const double before = Measured(kChannelPressure);
  ASSERT_NEAR(before, 25.0, 0.05);
  // A calibration that finds the sensor reading 10 % high at every Тос point.
  MemoryImage scratch = d_.memory();
  std::vector<TocPoint> points;
  for (double t : {-10.0, 20.0, 45.0}) {
    TocPoint point{uint16_t(ClampCode(TocCode(t), kMaxTocCode)), t, {}};
    for (int i = 0; i < 9; ++i) {
      const double v = 60.0 * i / 8;
      point.rows.push_back({double(ClampCode(SensorCode(v, {0, 60}, t), kMaxCode)), v * 1.1});
    }
    points.push_back(point);
  }
  WriteSection(scratch, map::kPressure, d_.order(), points);
  EnterService();
  WriteSectionByFrames(map::kPressure, 0, scratch, 3);
  EXPECT_NEAR(Measured(kChannelPressure), 27.5, 0.06);
}

TEST_F(DeviceMemoryTest, ADamagedSectionMakesTheChannelInvalid) {
  d_.mutableMemory()[map::kPressure.blockBase + map::kPressure.blockRecords + 4] ^= 0x01;
  const std::optional<Measurement> m = d_.Measure(1, kChannelPressure, 0);
  ASSERT_TRUE(m);
  EXPECT_FALSE(m->valid);
  EXPECT_TRUE(d_.Measure(1, kChannelTemperature, 0)->valid);
}

TEST_F(DeviceMemoryTest, MoreConversionsMeanLessNoise) {
  auto spread = [&](FlowComputer& d) {
    double lo = 1e9, hi = -1e9;
    for (int k = 0; k < 200; ++k) {
      const double v = d.Measure(1, kChannelPressure, int64_t(k) * 400'000'000)->value;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    return hi - lo;
  };
  FlowComputer one(*FindProfile("demo")), nine(*FindProfile("demo"));
  for (auto [d, n] : {std::pair{&one, 1}, std::pair{&nine, 9}}) {
    MemoryImage& m = d->mutableMemory();
    m[map::kMeasureParams + map::kMeasureParamsConversions] = uint8_t(n);
    SealBlock(m, map::kMeasureParams, map::kMeasureParamsSize);
  }
  EXPECT_GT(spread(one), 2.0 * spread(nine));
}

class HartForwardTest : public testing::Test {
 protected:
  HartForwardTest() : d_(*FindProfile("k3-v8")) {}
  std::vector<uint8_t> Forward(uint8_t command, int sensor = 1, bool spoil = false) {
    const std::vector<uint8_t> part2 = d_.Handle(test::Short(kReadConfigurationPart2), 0);
    std::vector<uint8_t> q;
    AddPassword(q, "1234");
    std::vector<uint8_t> hart{0x82};
    for (int i = 0; i < 5; ++i) hart.push_back(R(part2, 5 * sensor - 1 + i));
    hart.insert(hart.end(), {command, 0});
    uint8_t x = 0;
    for (uint8_t b : hart) x ^= b;
    hart.push_back(spoil ? uint8_t(x ^ 1) : x);
    q.insert(q.end(), hart.begin(), hart.end());
    request_ = Long(kForwardHartCommand, q);
    return d_.Handle(request_, 0);
  }
  FlowComputer d_;
  std::vector<uint8_t> request_;
};

TEST_F(HartForwardTest, Command43ZeroesTheSensorWithAWellFormedReply) {
  ASSERT_TRUE(d_.SetTrueValue(1, Quantity::Dp, 0.0));
  EXPECT_NEAR(d_.Measure(1, kChannelDp, 0)->value, 7.5, 1.0);  // the sensor's zero error
  const std::vector<uint8_t> a = Forward(43);
  ASSERT_EQ(a.at(3), 0x8B);
  const std::vector<uint8_t> reply(a.begin() + 4, a.end() - 2);
  ASSERT_GE(reply.size(), 10u);
  const size_t n = reply[7] + 9u;
  ASSERT_EQ(reply.size(), n);
  uint8_t x = 0;
  for (size_t i = 0; i < n; ++i) x ^= reply[i];
  EXPECT_EQ(x, 0);
  EXPECT_EQ(reply[0], 0x86);
  EXPECT_EQ(reply[6], 43);
  EXPECT_TRUE(std::equal(reply.begin() + 1, reply.begin() + 6, request_.begin() + 4 + 17));
  EXPECT_EQ(reply[8], 0);
  EXPECT_NE(reply[9] & 0x40, 0);
  EXPECT_NEAR(d_.Measure(1, kChannelDp, 0)->value, 0.0, 1.0);
}

TEST_F(HartForwardTest, TheSensorRefusesAZeroUnderPressureAndIgnoresBadFrames) {
  const std::vector<uint8_t> a = Forward(43);  // 1500 kgf/m² on the sensor
  EXPECT_EQ(a.at(3 + 1 + 8), 9);  // response code: applied process too high
  EXPECT_EQ(R(Forward(43, 1, true), 0), kRefuseHartSilent);
  EXPECT_EQ(R(Forward(43, 2), 0), kRefuseHartSilent);  // no second sensor; its address is zeros
  EXPECT_EQ(Forward(1).at(4 + 8), 0);  // command 1 reads the primary variable
}

}  // namespace
}  // namespace zel::sim
