// What a user of the simulator writes: profile files, fault texts and console commands.

#include <gtest/gtest.h>

#include "sim/device_protocol.h"
#include "sim/fault_plan.h"
#include "sim/profile_file.h"
#include "sim/sim_console.h"

namespace zel::sim {
namespace {

TEST(ProfileFileTest, AFileDescribesADeviceOnTopOfABuiltInProfile) {
  const char* text =
      "# a device of our own\n"
      "base = k16-v10\n"
      "name = station-7\n"
      "speed = 19200\n"
      "address = 0x11\n"
      "write-password = секрет\n"
      "tag = \"ГРС-7\"\n"
      "little-endian = no\n"
      "ident.31 = 3\n"
      "\n"
      "[run 1]\n"
      "pressure = 12.5\n"
      "[run 2]\n"
      "flags = 0x10\n"
      "dp = 150\n";
  std::string error;
  const std::optional<DeviceProfile> p = ParseProfile(text, "station.ini", &error);
  ASSERT_TRUE(p) << error;
  EXPECT_EQ(p->name, "station-7");
  EXPECT_EQ(p->kindCode, 16);
  EXPECT_EQ(p->version, 10);
  EXPECT_EQ(p->baud, 19200u);
  EXPECT_EQ(p->address, 0x11);
  EXPECT_EQ(p->writePassword, "секрет");
  EXPECT_EQ(p->tag, "ГРС-7");
  EXPECT_FALSE(p->littleEndian);
  EXPECT_EQ(p->Identification().at(31), 3);
  ASSERT_EQ(p->runs.size(), 2u);
  EXPECT_EQ(p->runs[0].pressure, 12.5);
  EXPECT_EQ(p->runs[0].temperature, 7.0);  // kept from the base
  EXPECT_EQ(p->runs[1].flags, 0x10);
  EXPECT_EQ(p->runs[1].dp, 150.0);
}

TEST(ProfileFileTest, MistakesNameTheLineAndTheField) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"kind = 7\nversoin = 19\n", "f.ini:2: field 'versoin': unknown"},
      {"version = nineteen\n", "f.ini:1: field 'version': 'nineteen' is not a whole number"},
      {"\n\nversion = 300\n", "f.ini:3: field 'version': 300 lies outside 0..255"},
      {"speed = 9601\n", "f.ini:1: field 'speed': 9601 is not a speed of the speed table"},
      {"answer-start = 0x57\n", "f.ini:1: field 'answer-start': the answer starts with 0x55 or 0x66"},
      {"little-endian = perhaps\n", "f.ini:1: field 'little-endian': 'perhaps' is neither yes nor no"},
      {"write-password = 12345678901234567\n", "f.ini:1: field 'write-password': at most 16 characters"},
      {"ident.54 = 1\n", "f.ini:1: field 'ident.54': the identification byte number lies in 0..53"},
      {"kind = 7\nbase = demo\n", "f.ini:2: field 'base': must come before every other field"},
      {"base = k99\n", "f.ini:1: field 'base': no built-in profile is called 'k99'"},
      {"[run 2]\n", "f.ini:1: section '[run 2]': runs are described in order, from [run 1]"},
      {"[run 4]\n", "f.ini:1: section '[run 4]': only [run 1] to [run 3] exist"},
      {"[run 1]\nspeed = 9600\n", "f.ini:2: field 'speed': unknown in a run section"},
      {"kind 7\n", "f.ini:1: 'kind 7' is no 'field = value' line"},
      {"noise = 0.5\n", "f.ini:1: field 'noise': 0.5 lies outside 0..0.1"},
      {"[run 1]\npressure-upper = 0.5\n", "f.ini: run 1: each range needs an upper limit above its lower limit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    EXPECT_FALSE(ParseProfile(c.text, "f.ini", &error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(ProfileFileTest, EveryBuiltInProfileSurvivesBeingWrittenOutAndReadBack) {
  for (const DeviceProfile& p : BuiltInProfiles()) {
    SCOPED_TRACE(p.name);
    std::string error;
    const std::optional<DeviceProfile> q = ParseProfile(FormatProfile(p), p.name, &error);
    ASSERT_TRUE(q) << error;
    EXPECT_EQ(q->Identification(), p.Identification());
    EXPECT_EQ(q->baud, p.baud);
    EXPECT_EQ(q->tag, p.tag);
    ASSERT_EQ(q->runs.size(), p.runs.size());
    for (size_t i = 0; i < p.runs.size(); ++i) {
      EXPECT_EQ(q->runs[i].flags, p.runs[i].flags);
      EXPECT_FLOAT_EQ(float(q->runs[i].pressureUpper), float(p.runs[i].pressureUpper));
    }
    EXPECT_EQ(ProfileProblem(p), "");
  }
}

TEST(FaultPlanTest, FaultTextsBecomeRules) {
  struct Case {
    const char* text;
    FaultKind kind;
    double probability;
    int command;
    int start;
    int remaining;
    uint8_t code, a, b;
  };
  const Case cases[] = {
      {"noise", FaultKind::Noise, 1.0, -1, -1, -1, 0, 0, 0},
      {"crc:0.25", FaultKind::BadChecksum, 0.25, -1, -1, -1, 0, 0, 0},
      {"silence@ReadMemory", FaultKind::Silence, 1.0, 0x13, 0xBB, -1, 0, 0, 0},
      {"lose@0x1D:0.5#3", FaultKind::LoseByte, 0.5, 0x1D, -1, 3, 0, 0, 0},
      {"echo@ReadConfiguration", FaultKind::Echo, 1.0, 0x08, 0xAA, -1, 0, 0, 0},
      {"address#1", FaultKind::OtherAddress, 1.0, -1, -1, 1, 0, 0, 0},
      {"refuse@EnterServiceMode:61", FaultKind::Refuse, 1.0, 0x10, 0xBB, -1, 61, 0, 0},
      {"refuse@12:12,0,5", FaultKind::Refuse, 1.0, 12, -1, -1, 12, 0, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    FaultRule r;
    ASSERT_EQ(FaultPlan::Parse(c.text, &r), "");
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.probability, c.probability);
    EXPECT_EQ(r.command, c.command);
    EXPECT_EQ(r.startByte, c.start);
    EXPECT_EQ(r.remaining, c.remaining);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.a, c.a);
    EXPECT_EQ(r.b, c.b);
  }
  for (const char* bad : {"thunder", "crc:2", "crc:x", "refuse", "refuse:300", "crc@Nothing",
                          "crc#0", "silence@300"}) {
    FaultRule r;
    EXPECT_NE(FaultPlan::Parse(bad, &r), "") << bad;
  }
}

TEST(FaultPlanTest, CountedFaultsStopAndNoiseNeverHoldsAStartByte) {
  FaultPlan plan(3);
  FaultRule rule;
  ASSERT_EQ(FaultPlan::Parse("noise#50", &rule), "");
  plan.Add(rule);
  for (int i = 0; i < 50; ++i) {
    const FaultDecision d = plan.Decide(0xAA, kProbeLink);
    ASSERT_FALSE(d.noise.empty());
    for (uint8_t b : d.noise) EXPECT_TRUE(b != 0x55 && b != 0x66);
  }
  EXPECT_TRUE(plan.Decide(0xAA, kProbeLink).noise.empty());
}

TEST(SimConsoleTest, SettingsChangeTheTruth) {
  FlowComputer d(*FindProfile("demo"));
  EXPECT_EQ(ApplySetting(d, "2.dp=300"), "");
  EXPECT_EQ(*d.TrueValue(2, Quantity::Dp), 300.0);
  EXPECT_EQ(ConsoleCommand(d, "set 1.p 33.5", 0), "ok\n");
  EXPECT_EQ(*d.TrueValue(1, Quantity::Pressure), 33.5);
  EXPECT_EQ(ConsoleCommand(d, "set ambient=30", 0), "ok\n");
  EXPECT_EQ(d.ambient(), 30.0);
  EXPECT_NE(ConsoleCommand(d, "show", 0).find("run 1: p 33.5000"), std::string::npos);
  for (const char* bad : {"3.p=1", "1.x=1", "1.p=abc", "ambient=99", "p"})
    EXPECT_NE(ApplySetting(d, bad), "") << bad;
  EXPECT_EQ(ConsoleCommand(d, "jump", 0), "unknown command 'jump'; type help\n");
}

}  // namespace
}  // namespace zel::sim
