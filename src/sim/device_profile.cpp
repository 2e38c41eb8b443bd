#include "sim/device_profile.h"

#include "sim/device_protocol.h"

namespace zel::sim {

int DeviceProfile::Kind() const {
  if (oldestGeneration) return 0;
  if (kindCode >= 10 && kindCode <= 14) return kindCode - 6;
  return kindCode;
}

bool DeviceProfile::KindGroup() const {
  switch (Kind()) {
    case 3: case 7: case 8: case 9: case 16: case 18: case 20: return true;
    default: return false;
  }
}

int DeviceProfile::RecordSize() const {
  return (version > 8 || longRunRecord) ? r::kLongRecordSize : r::kShortRecordSize;
}

bool DeviceProfile::HasPressureSection() const { return Kind() != 9; }

bool DeviceProfile::HasDpSection() const {
  const bool counterRun = !runs.empty() && (runs[0].flags & kRunFlagCounter) != 0;
  return Kind() == 7 || (Kind() == 16 && !counterRun);
}

bool DeviceProfile::HasCorrectionSection() const {
  const bool counterRun = !runs.empty() && (runs[0].flags & kRunFlagCounter) != 0;
  return version > 10 && Kind() != 9 && counterRun;
}

bool DeviceProfile::HasDpConfig() const { return Kind() == 7 || Kind() == 16; }

bool DeviceProfile::DpFromHart() const {
  const int k = Kind();
  return !(k == 7 || k == 16 || k == 18 || k == 20);
}

std::vector<uint8_t> DeviceProfile::Identification() const {
  if (oldestGeneration) return {1};
  std::vector<uint8_t> id(r::kIdentSize, 0);
  id[r::kIdentVersion] = version;
  id[r::kIdentRevision] = revision;
  id[r::kIdentFlags4] = static_cast<uint8_t>((littleEndian ? r::kLittleEndianBit : 0) |
                                             (longRunRecord ? r::kLongRunRecordBit : 0));
  id[r::kIdentKind] = kindCode;
  id[r::kIdentVariant] = 0x02;  // plain variant
  id[r::kIdentFlags40] = extendedWriteForm ? r::kExtendedWriteBit : 0;
  // Bytes 8 to 30: the firmware's build date and checksum, as a device shows them.
  const char build[] = "2011-03-14 ZLM";
  for (size_t i = 0; i + 1 < sizeof build && 8 + i < 31; ++i) id[8 + i] = uint8_t(build[i]);
  for (size_t i = 0; i < id.size(); ++i)
    if (identOverridden[i]) id[i] = identOverrides[i];
  return id;
}

namespace {

RunProfile Run(uint8_t flags, double pressure, double temperature, double dp) {
  RunProfile run;
  run.flags = flags;
  run.pressure = pressure;
  run.temperature = temperature;
  run.dp = dp;
  if (flags & kRunFlagCounter) run.substitution = 0x03;
  else if ((flags & kRunFlagTwoRanges) != 0) run.substitution = 0x0F;
  else run.substitution = 0x07;
  return run;
}

DeviceProfile Make(const char* name, const char* description, uint8_t kindCode, uint8_t version,
                   bool littleEndian, uint32_t baud, std::vector<RunProfile> runs) {
  DeviceProfile p;
  p.name = name;
  p.description = description;
  p.kindCode = kindCode;
  p.version = version;
  p.littleEndian = littleEndian;
  p.baud = baud;
  p.runs = std::move(runs);
  p.factoryNumber = 100000u + kindCode * 1000u + version;
  return p;
}

// Pressure in MPa and dP in kPa instead of kgf/cm² and kgf/m².
void UseSiUnits(DeviceProfile& p) {
  p.pressureUnit = 1;
  p.dpUnit = 1;
  for (RunProfile& run : p.runs) {
    run.pressure *= 0.0980665;
    run.pressureLower = 0.0839841515;
    run.pressureUpper *= 0.1;
    run.pressureConstant *= 0.0980665f;
    run.dp *= 0.00980665;
    run.dpUpper *= 0.01;
    run.dpLowerRangeUpper *= 0.01;
    run.dpConstant *= 0.00980665f;
  }
}

std::vector<DeviceProfile> MakeBuiltIns() {
  std::vector<DeviceProfile> all;
  {
    DeviceProfile p = Make("demo",
                           "kind 7, version 19, big-endian, 9600 bit/s; run 1 P, T, dP; "
                           "run 2 P, T and two dP ranges",
                           7, 19, false, 9600,
                           {Run(0x00, 25.0, 15.0, 1200.0), Run(kRunFlagTwoRanges, 12.0, 8.0, 400.0)});
    p.revision = 2;
    p.tag = "ГРС Демо";
    all.push_back(p);
  }
  all.push_back(Make("k3-v8", "kind 3, version 8, short run record, little-endian, 1200 bit/s; "
                              "one run P, T and dP from a HART sensor",
                     3, 8, true, 1200, {Run(0x24, 30.0, 10.0, 1500.0)}));
  all.push_back(Make("k3-v12", "kind 3, version 12, little-endian, 4800 bit/s; two runs with "
                               "HART dP sensors",
                     3, 12, true, 4800,
                     {Run(0x24, 30.0, 10.0, 1500.0), Run(0x24, 28.0, 11.0, 900.0)}));
  all.push_back(Make("k7-v9", "kind 7, version 9, big-endian, 2400 bit/s; one run P, T, dP", 7,
                     9, false, 2400, {Run(0x00, 18.0, 12.0, 800.0)}));
  {
    DeviceProfile p = Make("k7-v10", "kind 7, version 10, long run record, little-endian, 9600 "
                                     "bit/s",
                           7, 10, true, 9600, {Run(0x00, 18.0, 12.0, 800.0)});
    p.longRunRecord = true;
    all.push_back(p);
  }
  all.push_back(Make("k7-v19-2dp", "kind 7, version 19, big-endian, 19200 bit/s; run 1 with "
                                   "upper and lower dP ranges",
                     7, 19, false, 19200, {Run(kRunFlagTwoRanges, 20.0, 5.0, 300.0)}));
  {
    DeviceProfile p = Make("k7-v19-si", "kind 7, version 19, little-endian, MPa and kPa", 7, 19,
                           true, 9600, {Run(0x00, 25.0, 15.0, 1200.0)});
    UseSiUnits(p);
    all.push_back(p);
  }
  all.push_back(Make("k8-v15", "kind 8, version 15, little-endian, 9600 bit/s; P, T, HART dP", 8,
                     15, true, 9600, {Run(0x24, 40.0, 6.0, 1800.0)}));
  all.push_back(Make("k14-v15", "kind code 14 (kind 8 with the offset flag), version 15", 14, 15,
                     false, 9600, {Run(0x24, 40.0, 6.0, 1800.0)}));
  all.push_back(Make("k12-v15", "kind code 12 (kind 6, outside the kind group), version 15", 12,
                     15, false, 9600, {Run(0x00, 35.0, 9.0, 700.0)}));
  all.push_back(Make("k9-v9", "kind 9, version 9, little-endian; HART pressure and dP", 9, 9,
                     true, 9600, {Run(0x24, 22.0, 14.0, 600.0)}));
  all.push_back(Make("k9-v19", "kind 9, version 19, big-endian", 9, 19, false, 9600,
                     {Run(0x24, 22.0, 14.0, 600.0)}));
  all.push_back(Make("k9-v25", "kind 9, version 25 (run values by command 0x1C)", 9, 25, true,
                     19200, {Run(0x24, 22.0, 14.0, 600.0), Run(0x24, 21.0, 13.0, 500.0)}));
  {
    DeviceProfile p = Make("k9-v30-ext", "kind 9, version 30, extended write form with the "
                                         "static password",
                           9, 30, true, 38400, {Run(0x24, 22.0, 14.0, 600.0)});
    p.extendedWriteForm = true;
    p.runs[0].extraCode = 2;
    all.push_back(p);
  }
  all.push_back(Make("k16-v10", "kind 16, version 10, little-endian, 9600 bit/s; one run", 16,
                     10, true, 9600, {Run(0x00, 45.0, 7.0, 2000.0)}));
  all.push_back(Make("k16-v19-3runs", "kind 16, version 19; runs: P, T, dP / two dP ranges / "
                                      "P and T (counter)",
                     16, 19, false, 9600,
                     {Run(0x00, 45.0, 7.0, 2000.0), Run(kRunFlagTwoRanges, 44.0, 7.5, 350.0),
                      Run(kRunFlagCounter, 6.0, 11.0, 0.0)}));
  all.push_back(Make("k16-v19-counter", "kind 16, version 19; run 1 a counter run with "
                                        "correction factors",
                     16, 19, true, 9600, {Run(kRunFlagCounter, 6.0, 11.0, 0.0)}));
  all.push_back(Make("k16-v20", "kind 16, version 20: needs a newer service program", 16, 20,
                     false, 9600, {Run(0x00, 45.0, 7.0, 2000.0)}));
  all.push_back(Make("k18-v19", "kind 18: served by another program", 18, 19, true, 9600,
                     {Run(0x00, 45.0, 7.0, 2000.0)}));
  all.push_back(Make("k20-v35", "kind 20, version 35: served by another program", 20, 35, true,
                     9600, {Run(0x00, 45.0, 7.0, 2000.0)}));
  {
    DeviceProfile p = Make("oldest", "the oldest generation: one-byte identification, short "
                                     "run record, 1200 bit/s",
                           0, 1, false, 1200, {Run(0x00, 15.0, 10.0, 500.0)});
    p.oldestGeneration = true;
    p.modeSwitchSeconds = 5;
    all.push_back(p);
  }
  return all;
}

}  // namespace

const std::vector<DeviceProfile>& BuiltInProfiles() {
  static const std::vector<DeviceProfile> all = MakeBuiltIns();
  return all;
}

std::optional<DeviceProfile> FindProfile(const std::string& name) {
  for (const DeviceProfile& p : BuiltInProfiles())
    if (p.name == name) return p;
  return std::nullopt;
}

std::string ProfileProblem(const DeviceProfile& p) {
  if (p.runs.empty() || p.runs.size() > 3) return "a device serves 1 to 3 runs";
  if (p.address == 0 || p.address == 255) return "the address must lie in 1..254";
  if (p.answerStart != 0x55 && p.answerStart != 0x66) return "the answer start byte is 0x55 or 0x66";
  if (p.pressureUnit > 1 || p.dpUnit > 1) return "units are 0 or 1";
  if (p.writePassword.size() > 16 || p.staticPassword.size() > 16)
    return "passwords have at most 16 characters";
  if (p.measurePeriodMs < 50) return "the measurement period is at least 50 ms";
  if (p.answerDelayMs < 0 || p.answerDelayMs > 1000) return "the answer delay lies in 0..1000 ms";
  for (size_t i = 0; i < p.runs.size(); ++i) {
    const RunProfile& run = p.runs[i];
    if (!(run.pressureUpper > run.pressureLower) || !(run.dpUpper > 0) || !(run.flowUpper > 0) ||
        !(run.dpLowerRangeUpper > 0))
      return "run " + std::to_string(i + 1) + ": each range needs an upper limit above its lower limit";
  }
  if (p.ambient < -40 || p.ambient > 70) return "the ambient temperature lies in -40..70 °C";
  return {};
}

}  // namespace zel::sim
