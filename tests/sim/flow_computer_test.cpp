// The device model on its own: request frames in, answer frames out, on a time the test sets.

#include "sim/flow_computer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "device/identification.h"
#include "link/crc16.h"
#include "sim/device_protocol.h"
#include "sim/memory_map.h"
#include "sim_frames.h"
#include "support/hex.h"

namespace zel::sim {
namespace {

using test::AddPassword;
using test::IsRefusal;
using test::Long;
using test::R;
using test::Short;

constexpr int64_t kSecond = 1'000'000'000;

FlowComputer Device(const char* name, uint64_t key = 1) { return FlowComputer(*FindProfile(name), key); }

float F32(const FlowComputer& d, const std::vector<uint8_t>& answer, int i) {
  return d.order().F32(&answer.at(4 + i));
}

TEST(FlowComputerTest, ShortReadsAnswerWithEchoLengthAndChecksum) {
  struct Case {
    uint8_t command;
    size_t length;
  };
  const Case cases[] = {{kReadDeviceTag, 24},         {kProbeLink, 7},
                        {kReadConfiguration, 116},    {kReadConfigurationPart2, 232},
                        {kReadIdentification, 60},    {kReadMeasurementCounters, 22},
                        {kReadConfigurationPart3, 37}};
  FlowComputer d = Device("demo");
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.command));
    const std::vector<uint8_t> a = d.Handle(Short(c.command), 0);
    ASSERT_EQ(a.size(), c.length);
    EXPECT_EQ(a[0], 0x55);
    EXPECT_EQ(a[1], 1);
    EXPECT_EQ(a[2], c.length);
    EXPECT_EQ(a[3], c.command | 0x80);
    EXPECT_TRUE(CheckCrc16(a.data(), a.size() - 2));
  }
}

TEST(FlowComputerTest, ProbeAnswerIsTheWorkedExample) {
  FlowComputer d = Device("demo");
  EXPECT_EQ(zel::test::ToHex(d.Handle(Short(kProbeLink), 0)), "55 01 07 82 2A 79 4E");
  // The oldest firmware answers the probe with the 0xFF echo that only the probe accepts.
  FlowComputer oldest = Device("oldest");
  EXPECT_EQ(oldest.Handle(Short(kProbeLink), 0).at(3), 0xFF);
}

TEST(FlowComputerTest, IdentificationOfTheProfilesDecodesAsTheProgramExpects) {
  struct Case {
    const char* profile;
    int version;
    int kind;
    bool kindOffset;
    bool little;
    bool kindGroup;
    bool extended;
    Acceptance acceptance;
  };
  const Case cases[] = {
      {"demo", 19, 7, false, false, true, false, Acceptance::Served},
      {"k3-v8", 8, 3, false, true, true, false, Acceptance::Served},
      {"k7-v9", 9, 7, false, false, true, false, Acceptance::Served},
      {"k14-v15", 15, 8, true, false, true, false, Acceptance::Served},
      {"k12-v15", 15, 6, true, false, false, false, Acceptance::Served},
      {"k9-v25", 25, 9, false, true, true, false, Acceptance::Served},
      {"k9-v30-ext", 30, 9, false, true, true, true, Acceptance::Served},
      {"k16-v19-3runs", 19, 16, false, false, true, false, Acceptance::Served},
      {"k16-v20", 20, 16, false, false, true, false, Acceptance::TooNew},
      {"k18-v19", 19, 18, false, true, true, false, Acceptance::KindEighteen},
      {"k20-v35", 35, 20, false, true, true, false, Acceptance::KindTwenty},
      {"oldest", 1, 0, false, false, false, false, Acceptance::Served},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    FlowComputer d = Device(c.profile);
    const std::vector<uint8_t> a = d.Handle(Short(kReadIdentification), 0);
    EXPECT_EQ(a.size(), std::string(c.profile) == "oldest" ? 7u : 60u);
    const DeviceIdentity id = DecodeIdentification(a.data(), int(a.size()));
    EXPECT_EQ(id.softwareVersion, c.version);
    EXPECT_EQ(id.deviceKind, c.kind);
    EXPECT_EQ(id.kindOffsetFlag, c.kindOffset);
    EXPECT_EQ(id.littleEndianFloats, c.little);
    EXPECT_EQ(id.kindGroupFlag, c.kindGroup);
    EXPECT_EQ(id.extendedWriteForm, c.extended);
    EXPECT_EQ(AcceptDevice(id), c.acceptance);
  }
}

TEST(FlowComputerTest, ConfigurationCarriesRunsUnitsAndModeSwitchTime) {
  FlowComputer d = Device("k16-v19-3runs");
  const std::vector<uint8_t> config = d.Handle(Short(kReadConfiguration), 0);
  EXPECT_EQ(R(config, 16), 3);
  EXPECT_EQ(R(config, 17), 0x00);
  EXPECT_EQ(R(config, 18), 0x10);
  EXPECT_EQ(R(config, 19), 0x80);
  EXPECT_EQ(R(config, 36), 0);
  EXPECT_EQ(R(config, 37), 0);
  EXPECT_EQ(R(d.Handle(Short(kReadConfigurationPart3), 0), 1), d.profile().modeSwitchSeconds);
  // Range limits of each run in ReadConfigurationPart2, in device byte order.
  const std::vector<uint8_t> part2 = d.Handle(Short(kReadConfigurationPart2), 0);
  EXPECT_FLOAT_EQ(F32(d, part2, 115), 60.0f);
  EXPECT_FLOAT_EQ(F32(d, part2, 139 + 4), 2500.0f);
}

TEST(FlowComputerTest, TagIsCodePage866AndZeroTerminated) {
  FlowComputer d = Device("demo");
  const std::vector<uint8_t> a = d.Handle(Short(kReadDeviceTag), 0);
  // "ГРС Демо"
  EXPECT_EQ(zel::test::ToHex({a.begin() + 5, a.begin() + 14}), "83 90 91 20 84 A5 AC AE 00");
}

TEST(FlowComputerTest, BadRequestsAreRefused) {
  FlowComputer d = Device("demo");
  struct Case {
    const char* what;
    std::vector<uint8_t> request;
    uint8_t code, a, b;
  };
  std::vector<uint8_t> leave{1};
  AddPassword(leave, "1234");
  leave.push_back(0);  // one byte too many
  const Case cases[] = {
      {"unknown long command", Long(0x05, {1}), kRefuseUnknownCommand, 0, 0},
      {"unknown short command", Short(0x33), kRefuseUnknownCommand, 0, 0},
      {"run values of the other version", Short(kReadRunValuesShort, {1}), kRefuseUnknownCommand, 0, 0},
      {"short read with data", Short(kReadConfiguration, {0}), kRefuseWrongLength, 0, 0},
      {"leave with a wrong length", Long(kLeaveServiceMode, leave), kRefuseWrongLength, 0, 0},
      {"run 4 of 2", Long(kReadConfiguration, {4}), kRefuseNoSuchRun, 3, 0},
      {"run 0", Long(kReadConfiguration, {0}), kRefuseNoSuchRun, 255, 0},
      {"lower dP range on a run with one", Long(kReadIdentification, {1, 3}), kRefuseNoSuchChannel, 3, 0},
      {"correction factors are not measured", Long(kReadIdentification, {2, 4}), kRefuseNoSuchChannel, 4, 1},
      {"memory beyond the end", Long(kReadMemory, {0x1F, 0xF0, 0x20}), kRefuseAddressRange, 0, 0},
      {"memory count 0", Long(kReadMemory, {0x00, 0x00, 0x00}), kRefuseAddressRange, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<uint8_t> a = d.Handle(c.request, 0);
    ASSERT_TRUE(IsRefusal(a, c.request));
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(R(a, 0), c.code);
    EXPECT_EQ(R(a, 1), c.a);
    EXPECT_EQ(R(a, 2), c.b);
    EXPECT_TRUE(CheckCrc16(a.data(), a.size() - 2));
  }
}

std::vector<uint8_t> EnterRequest(int run, const std::string& password) {
  std::vector<uint8_t> q{uint8_t(run), 0};
  AddPassword(q, password);
  q.insert(q.end(), {1, 0, 0, 0, 0});
  return Long(kEnterServiceMode, q);
}

std::vector<uint8_t> LeaveRequest(int run, const std::string& password) {
  std::vector<uint8_t> q{uint8_t(run)};
  AddPassword(q, password);
  return Long(kLeaveServiceMode, q);
}

std::vector<uint8_t> WriteMemoryRequest(const FlowComputer& d, uint8_t area, uint16_t address,
                                        uint8_t code, const std::vector<uint8_t>& bytes,
                                        const std::string& password = "1234") {
  std::vector<uint8_t> q{1, area};
  AddPassword(q, password);
  q.resize(q.size() + 2);
  d.order().PutU16(&q[q.size() - 2], address);
  q.insert(q.end(), {code, 0, 0});
  q.insert(q.end(), bytes.begin(), bytes.end());
  return Long(kWriteMemory, q);
}

TEST(FlowComputerTest, WritesWithAWrongPasswordAreRefusedWithCode3) {
  FlowComputer d = Device("demo");
  std::vector<uint8_t> record(19, 0);
  std::vector<uint8_t> write{1};
  AddPassword(write, "4321");
  write.insert(write.end(), record.begin(), record.end());
  std::vector<uint8_t> hart;
  AddPassword(hart, "0000");
  hart.insert(hart.end(), {0x82, 0x26, 0x06, 0x0A, 0x31, 0x40, 43, 0, 0});
  const std::vector<std::vector<uint8_t>> requests = {
      Long(kReadConfigurationPart2, write), EnterRequest(1, "12345"), LeaveRequest(1, ""),
      WriteMemoryRequest(d, map::kAreaPlain, map::kFactoryNumber, 0, {1, 2, 3, 4}, "abcd"),
      Long(kForwardHartCommand, hart)};
  for (const auto& request : requests) {
    SCOPED_TRACE(zel::test::ToHex(request));
    const std::vector<uint8_t> a = d.Handle(request, 0);
    ASSERT_TRUE(IsRefusal(a, request));
    EXPECT_EQ(R(a, 0), kRefuseWrongPassword);
  }
  EXPECT_EQ(d.RunMode(1, 100 * kSecond), 0);
}

TEST(FlowComputerTest, ExtendedFormNeedsTheStaticPasswordToo) {
  FlowComputer d = Device("k9-v30-ext");
  auto enter = [&](const std::string& staticPassword) {
    std::vector<uint8_t> q{1, 0};
    AddPassword(q, "1234");
    AddPassword(q, staticPassword);
    q.resize(40, 0);
    return Long(kEnterServiceMode, q);
  };
  EXPECT_EQ(R(d.Handle(enter("0000"), 0), 0), kRefuseWrongStaticPassword);
  EXPECT_EQ(d.Handle(enter("5678"), 0).at(3), kEnterServiceMode | 0x80);
  // The short form is refused by a device that announces the extended one.
  EXPECT_EQ(R(d.Handle(EnterRequest(1, "1234"), 0), 0), kRefuseWrongLength);
}

TEST(FlowComputerTest, RunModeChangesModeSwitchSecondsAfterTheRequest) {
  FlowComputer d = Device("demo");  // 3 seconds
  const int64_t t0 = 7 * kSecond;
  EXPECT_EQ(d.Handle(EnterRequest(2, "1234"), t0).at(3), 0x90);
  EXPECT_EQ(d.RunMode(2, t0 + 3 * kSecond - 1), 0);
  EXPECT_EQ(d.RunMode(2, t0 + 3 * kSecond), 3);
  EXPECT_EQ(d.RunMode(1, t0 + 3 * kSecond), 0);
  // The run record shows the mode in its first byte.
  EXPECT_EQ(R(d.Handle(Long(kReadConfiguration, {2}), t0 + 4 * kSecond), 1), 3);

  // Entering again, even while the switch is under way, is refused with 59.
  const std::vector<uint8_t> again = d.Handle(EnterRequest(2, "1234"), t0 + 4 * kSecond);
  EXPECT_EQ(R(again, 0), kRefuseAlreadyInService);
  FlowComputer e = Device("demo");
  e.Handle(EnterRequest(1, "1234"), 0);
  EXPECT_EQ(R(e.Handle(EnterRequest(1, "1234"), kSecond), 0), kRefuseAlreadyInService);

  const int64_t t1 = 20 * kSecond;
  EXPECT_EQ(d.Handle(LeaveRequest(2, "1234"), t1).at(3), 0x91);
  EXPECT_EQ(d.RunMode(2, t1 + 3 * kSecond - 1), 3);
  EXPECT_EQ(d.RunMode(2, t1 + 3 * kSecond), 0);
  // Leaving a run in normal operation is accepted and changes nothing.
  EXPECT_EQ(d.Handle(LeaveRequest(2, "1234"), t1 + 5 * kSecond).at(3), 0x91);
  EXPECT_EQ(d.RunMode(2, t1 + 9 * kSecond), 0);
}

TEST(FlowComputerTest, WriteRunParametersInEachOfItsThreeLengths) {
  struct Case {
    const char* profile;
    size_t length;
    int recordAt;  // request data offset of the record
    bool withStatic;
  };
  const Case cases[] = {{"k3-v8", 38, 17, false}, {"demo", 42, 17, false}, {"k9-v30-ext", 59, 34, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    FlowComputer d = Device(c.profile);
    const std::vector<uint8_t> before = d.Handle(Long(kReadConfiguration, {1}), 0);
    const int recordSize = int(c.length) - 6 - c.recordAt;
    ASSERT_EQ(before.size(), size_t(6 + 1 + recordSize));
    std::vector<uint8_t> q{1};
    if (c.withStatic) q.push_back(0);
    AddPassword(q, "1234");
    if (c.withStatic) AddPassword(q, "5678");
    std::vector<uint8_t> record(before.begin() + 5, before.begin() + 5 + recordSize);
    record[1] = 0x05;                                 // temperature on its constant
    d.order().PutF32(&record[10], 17.5f);             // the temperature constant
    q.insert(q.end(), record.begin(), record.end());
    const std::vector<uint8_t> request = Long(kReadConfigurationPart2, q);
    ASSERT_EQ(request.size(), c.length);
    EXPECT_EQ(d.Handle(request, 0).at(3), 0x89);
    const std::vector<uint8_t> after = d.Handle(Long(kReadConfiguration, {1}), 0);
    EXPECT_EQ(R(after, 2), 0x05);
    EXPECT_FLOAT_EQ(F32(d, after, 11), 17.5f);
    // Another length than the device's form is refused.
    std::vector<uint8_t> longer = q;
    longer.push_back(0);
    EXPECT_EQ(R(d.Handle(Long(kReadConfigurationPart2, longer), 0), 0), kRefuseWrongLength);
  }
}

TEST(FlowComputerTest, ExtendedRecordCarriesTheExtraCodeInTheHighNibble) {
  FlowComputer d = Device("k9-v30-ext");
  EXPECT_EQ(R(d.Handle(Long(kReadConfiguration, {1}), 0), 1), 0x20);
}

TEST(FlowComputerTest, RunValuesByVersion) {
  FlowComputer old = Device("k9-v19");
  EXPECT_EQ(old.Handle(Long(kReadRunValuesLong, {1}), 0).size(), 70u);
  FlowComputer v25 = Device("k9-v25");
  const std::vector<uint8_t> a = v25.Handle(Short(kReadRunValuesShort, {2}), 0);
  ASSERT_EQ(a.size(), 70u);
  EXPECT_EQ(a[3], 0x9C);
  EXPECT_FLOAT_EQ(F32(v25, a, 26), 2500.0f);  // dP upper limit
  EXPECT_FLOAT_EQ(F32(v25, a, 42), 100.0f);   // temperature upper limit
  EXPECT_FLOAT_EQ(F32(v25, a, 46), -40.0f);   // temperature lower limit
  EXPECT_TRUE(IsRefusal(v25.Handle(Long(kReadRunValuesLong, {1}), 0), Long(kReadRunValuesLong, {1})));
}

TEST(FlowComputerTest, ReadMemoryInItsTwoLengths) {
  FlowComputer wide = Device("k20-v35");
  const std::vector<uint8_t> four{0x00, 0x13, 0x04, 0x00};  // little-endian 0x1300, 4 bytes
  EXPECT_EQ(wide.Handle(Long(kReadMemory, four), 0).size(), 10u);
  EXPECT_EQ(wide.Handle(Long(kReadMemory, {0x00, 0x13, 0x04}), 0).size(), 10u);
  FlowComputer d = Device("demo");
  EXPECT_EQ(R(d.Handle(Long(kReadMemory, four), 0), 0), kRefuseWrongLength);
  const std::vector<uint8_t> a = d.Handle(Long(kReadMemory, {0x13, 0x24, 0x04}), 0);  // 4900
  EXPECT_EQ(d.order().U32(&a[4]), d.profile().factoryNumber);
}

TEST(FlowComputerTest, ComputersOutsideTheKindGroupReportTheValueAfterTheValidityFlag) {
  for (const char* name : {"oldest", "k12-v15"}) {
    SCOPED_TRACE(name);
    FlowComputer d = Device(name);
    const std::vector<uint8_t> a = d.Handle(Long(kReadIdentification, {1, kChannelPressure}), 0);
    EXPECT_EQ(R(a, 6), 1);
    EXPECT_NEAR(F32(d, a, 7), *d.TrueValue(1, Quantity::Pressure), 0.1);
    EXPECT_EQ(F32(d, a, 7), F32(d, a, 17));
  }
}

TEST(FlowComputerTest, CountersAdvanceWithEachPublishedMeasurement) {
  FlowComputer d = Device("demo");  // every 400 ms
  auto counter = [&](int64_t ns, int i) { return R(d.Handle(Short(kReadMeasurementCounters), ns), i); };
  EXPECT_EQ(counter(399'000'000, 6), counter(0, 6));
  EXPECT_NE(counter(400'000'000, 6), counter(0, 6));
  for (int i : {7, 8, 11, 12}) EXPECT_EQ(counter(1'200'000'000, i), counter(1'200'000'000, 6));
  // The counters run 0..254, so a program starting from 255 always sees a new one.
  for (int64_t k = 250; k < 260; ++k) EXPECT_NE(counter(k * 400'000'000, 6), 255);
}

// The measured value of a channel, read as the program reads it.
struct Reading {
  bool valid;
  float value;
  uint32_t code;
  uint32_t tocCode;
};
Reading Read(FlowComputer& d, int run, int channel, int64_t ns) {
  const std::vector<uint8_t> a = d.Handle(Long(kReadIdentification, {uint8_t(run), uint8_t(channel)}), ns);
  EXPECT_EQ(a.size(), 35u);
  const int validAt = channel == kChannelTemperature ? 11 : 6;
  const int codeAt = channel == kChannelTemperature ? 7 : 2;
  return {R(a, validAt) != 0, F32(d, a, 17), d.order().U32(&a[4 + codeAt]),
          (d.order().U32(&a[4 + 12]) >> 8) & 0xFFFF};
}

TEST(FlowComputerTest, MeasurementsFollowTheTrueValuesThroughTheCalibration) {
  struct Case {
    const char* profile;
    int run;
    int channel;
    Quantity quantity;
    double truth;
    double tolerance;
  };
  const Case cases[] = {
      {"demo", 1, kChannelPressure, Quantity::Pressure, 25.0, 0.06},
      {"demo", 1, kChannelTemperature, Quantity::Temperature, 15.0, 0.2},
      {"demo", 1, kChannelDp, Quantity::Dp, 1200.0, 3.0},
      {"demo", 2, kChannelDpLower, Quantity::Dp, 400.0, 1.0},
      {"k3-v8", 1, kChannelDp, Quantity::Dp, 1500.0 + 7.5, 3.0},  // HART sensor before its zero
      {"k9-v19", 1, kChannelPressure, Quantity::Pressure, 22.0 + 0.18, 0.1},
      {"k9-v19", 1, kChannelTemperature, Quantity::Temperature, 14.0, 0.2},
      {"k7-v19-si", 1, kChannelPressure, Quantity::Pressure, 25.0 * 0.0980665, 0.006},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.profile) + " channel " + std::to_string(c.channel));
    FlowComputer d = Device(c.profile);
    double sum = 0;
    for (int k = 0; k < 20; ++k) {
      const Reading r = Read(d, c.run, c.channel, int64_t(k) * 400'000'000);
      EXPECT_TRUE(r.valid);
      sum += r.value;
    }
    EXPECT_NEAR(sum / 20, c.truth, c.tolerance);
  }
}

TEST(FlowComputerTest, TheSameKeyGivesTheSameNoise) {
  FlowComputer a = Device("demo", 5), b = Device("demo", 5), c = Device("demo", 6);
  int differ = 0;
  for (int k = 0; k < 10; ++k) {
    const int64_t ns = int64_t(k) * 400'000'000;
    EXPECT_EQ(Read(a, 1, 0, ns).code, Read(b, 1, 0, ns).code);
    // Within one publication the reading does not change.
    EXPECT_EQ(Read(a, 1, 0, ns).code, Read(a, 1, 0, ns + 399'000'000).code);
    differ += Read(a, 1, 0, ns).code != Read(c, 1, 0, ns).code;
  }
  EXPECT_GT(differ, 5);
}

TEST(FlowComputerTest, ChangedTruthAndAmbientShowInTheReadings) {
  FlowComputer d = Device("demo");
  ASSERT_TRUE(d.SetTrueValue(1, Quantity::Pressure, 40.0));
  EXPECT_NEAR(Read(d, 1, kChannelPressure, 0).value, 40.0, 0.1);
  EXPECT_FALSE(d.SetTrueValue(3, Quantity::Pressure, 1.0));
  // A warmer computer: the Тос code rises, the calibration keeps the value where it was.
  const Reading cool = Read(d, 1, kChannelPressure, 0);
  d.SetAmbient(40.0);
  const Reading warm = Read(d, 1, kChannelPressure, 0);
  EXPECT_GT(warm.tocCode, cool.tocCode + 5000);
  EXPECT_NE(warm.code, cool.code);
  EXPECT_NEAR(warm.value, 40.0, 0.1);
}

TEST(FlowComputerTest, AnOverloadedSensorIsFlaggedInvalid) {
  FlowComputer d = Device("demo");
  d.SetTrueValue(1, Quantity::Pressure, 200.0);  // far beyond the 60 kgf/cm² sensor
  EXPECT_FALSE(Read(d, 1, kChannelPressure, 0).valid);
  d.SetTrueValue(2, Quantity::Dp, 900.0);  // beyond the lower range, within the upper
  EXPECT_FALSE(Read(d, 2, kChannelDpLower, 0).valid);
  EXPECT_TRUE(Read(d, 2, kChannelDp, 0).valid);
}

}  // namespace
}  // namespace zel::sim
