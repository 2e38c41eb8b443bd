#include "sim/flow_computer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "link/crc16.h"
#include "link/serial_line.h"
#include "sim/cp866.h"
#include "sim/device_protocol.h"
#include "sim/memory_map.h"
#include "sim/noise_source.h"
#include "sim/sensor_model.h"

namespace zel::sim {

namespace {

constexpr int64_t kNsPerMs = 1'000'000;
constexpr int64_t kNsPerSecond = 1'000'000'000;
constexpr int kMaxMemoryChunk = 200;  // an answer frame holds at most 249 data bytes
constexpr uint8_t kFactoryConversions = 5;
constexpr double kTemperatureLower = -40.0;
constexpr double kTemperatureUpper = 100.0;
constexpr double kHartZeroError = 0.003;  // of the span, before the first zero

uint8_t HartUnitOfDp(uint8_t dpUnit) { return dpUnit == 0 ? 4 : 12; }         // mm H2O, kPa
uint8_t HartUnitOfPressure(uint8_t unit) { return unit == 0 ? 10 : 237; }    // kgf/cm², MPa

bool Unsaturated(uint32_t code) { return code > 0 && code < kMaxCode; }

}  // namespace

FlowComputer::FlowComputer(DeviceProfile profile, uint64_t noiseKey)
    : profile_(std::move(profile)),
      order_(profile_.littleEndian),
      noiseKey_(noiseKey),
      ambient_(profile_.ambient),
      memory_(FactoryMemory(profile_)) {
  const RunProfile& first = profile_.runs.front();
  nominalPressure_ = NominalCharacteristic(0.0, first.pressureUpper, 0.0, first.pressureUpper);
  nominalTemperature_ = NominalCharacteristic(kTemperatureSpan.lower, kTemperatureSpan.upper,
                                              kTemperatureLower, kTemperatureUpper);
  nominalDp_ = NominalCharacteristic(0.0, first.dpUpper, 0.0, first.dpUpper);

  for (size_t i = 0; i < profile_.runs.size(); ++i) {
    RunState state;
    state.truth = profile_.runs[i];
    const RunProfile& run = state.truth;
    state.record[rec::kSubstitution] = run.substitution;
    order_.PutF32(&state.record[rec::kDpConstant], run.dpConstant);
    order_.PutF32(&state.record[rec::kPressureConstant], run.pressureConstant);
    order_.PutF32(&state.record[rec::kTemperatureConstant], run.temperatureConstant);
    state.record[rec::kParameter] = run.parameter;
    order_.PutF32(&state.record[rec::kDensityConstant], run.densityConstant);
    runs_.push_back(state);

    // HART sensors, numbered across the runs in this order: dP, lower dP range, pressure.
    const bool counter = (run.flags & kRunFlagCounter) != 0;
    const bool twoRanges = !counter && (run.flags & kRunFlagTwoRanges) != 0;
    const int r = static_cast<int>(i) + 1;
    if (!counter && profile_.DpFromHart()) sensorRoles_.push_back({r, Quantity::Dp, false});
    if (twoRanges && (run.flags & kRunFlagHartLower) != 0)
      sensorRoles_.push_back({r, Quantity::Dp, true});
    if (profile_.PressureFromHart()) sensorRoles_.push_back({r, Quantity::Pressure, false});
  }
  for (size_t i = 0; i < sensorRoles_.size() && i < size_t(r::kMaxHartSensors); ++i) {
    const SensorRole& role = sensorRoles_[i];
    const RunProfile& run = profile_.runs[role.run - 1];
    HartSensor s;
    s.longAddress = {0x26, 0x06, 0x0A, 0x31, static_cast<uint8_t>(0x40 + i)};
    if (role.quantity == Quantity::Pressure) {
      s.unitCode = HartUnitOfPressure(profile_.pressureUnit);
      s.span = run.pressureUpper;
    } else {
      s.unitCode = HartUnitOfDp(profile_.dpUnit);
      s.span = role.lowerRange ? run.dpLowerRangeUpper : run.dpUpper;
    }
    s.zeroError = kHartZeroError * s.span;
    sensors_.push_back(s);
  }
  sensorRoles_.resize(sensors_.size());
}

MemoryImage& FlowComputer::mutableMemory() {
  characteristicsStale_ = true;
  return memory_;
}

bool FlowComputer::SetTrueValue(int run, Quantity quantity, double value) {
  if (run < 1 || run > int(runs_.size()) || !std::isfinite(value)) return false;
  RunProfile& t = runs_[run - 1].truth;
  switch (quantity) {
    case Quantity::Pressure: t.pressure = value; break;
    case Quantity::Temperature: t.temperature = value; break;
    case Quantity::Dp: t.dp = value; break;
    case Quantity::Flow: t.flow = value; break;
  }
  return true;
}

std::optional<double> FlowComputer::TrueValue(int run, Quantity quantity) const {
  if (run < 1 || run > int(runs_.size())) return std::nullopt;
  const RunProfile& t = runs_[run - 1].truth;
  switch (quantity) {
    case Quantity::Pressure: return t.pressure;
    case Quantity::Temperature: return t.temperature;
    case Quantity::Dp: return t.dp;
    case Quantity::Flow: return t.flow;
  }
  return std::nullopt;
}

void FlowComputer::SettleModes(int64_t nowNs) {
  for (RunState& run : runs_) {
    if (run.pendingMode && nowNs >= run.switchAtNs) {
      run.mode = *run.pendingMode;
      run.pendingMode.reset();
    }
  }
}

uint8_t FlowComputer::RunMode(int run, int64_t nowNs) {
  if (run < 1 || run > int(runs_.size())) return 0xFF;
  SettleModes(nowNs);
  return runs_[run - 1].mode;
}

bool FlowComputer::AnyRunInService() const {
  return std::any_of(runs_.begin(), runs_.end(),
                     [](const RunState& r) { return r.mode == rec::kModeService; });
}

uint64_t FlowComputer::PublicationIndex(int64_t nowNs) const {
  if (nowNs < 0) return 0;
  return uint64_t(nowNs / (int64_t(profile_.measurePeriodMs) * kNsPerMs));
}

void FlowComputer::RefreshCharacteristics() {
  if (!characteristicsStale_) return;
  characteristicsStale_ = false;
  if (profile_.HasPressureSection()) pressure_ = ReadSection(memory_, map::kPressure, order_);
  temperature_ = ReadSection(memory_, map::kTemperature, order_, profile_.Kind() == 9);
  if (profile_.HasDpSection()) dp_ = ReadSection(memory_, map::kDp, order_);
  correction_.reset();
  if (profile_.HasCorrectionSection()) correction_ = ReadCorrection(memory_, order_);
}

double FlowComputer::NoiseFor(uint64_t index, int run, int channel) const {
  NoiseSource source(NoiseSource::Mix(noiseKey_, index, uint64_t(run), uint64_t(channel)));
  double scale = profile_.noise;
  // More conversions per measurement average the converter's noise down.
  uint8_t conversions = kFactoryConversions;
  if (BlockValid(memory_, map::kMeasureParams, map::kMeasureParamsSize))
    conversions = std::clamp<uint8_t>(memory_[map::kMeasureParams + map::kMeasureParamsConversions], 1, 9);
  scale *= std::sqrt(double(kFactoryConversions) / conversions);
  return source.Normal() * scale;
}

double FlowComputer::MeasureHart(int run, Quantity quantity, bool lowerRange, uint64_t index) {
  for (size_t i = 0; i < sensorRoles_.size(); ++i) {
    const SensorRole& role = sensorRoles_[i];
    if (role.run != run || role.quantity != quantity || role.lowerRange != lowerRange) continue;
    const double truth = *TrueValue(run, quantity);
    return sensors_[i].Read(truth + NoiseFor(index, run, 10 + int(i)) * sensors_[i].span);
  }
  return 0.0;
}

std::optional<Measurement> FlowComputer::Measure(int run, int channel, int64_t nowNs) {
  if (run < 1 || run > int(runs_.size())) return std::nullopt;
  const RunProfile& truth = runs_[run - 1].truth;
  const bool counter = (truth.flags & kRunFlagCounter) != 0;
  const bool twoRanges = !counter && (truth.flags & kRunFlagTwoRanges) != 0;
  const bool exists = channel == kChannelPressure || channel == kChannelTemperature ||
                      (channel == kChannelDp && !counter) ||
                      (channel == kChannelDpLower && twoRanges);
  if (!exists) return std::nullopt;
  RefreshCharacteristics();
  const uint64_t k = PublicationIndex(nowNs);
  const RunProfile& first = profile_.runs.front();
  const bool dpChannel = channel == kChannelDp || channel == kChannelDpLower;

  Measurement m;
  // The computer's own temperature, as the ADC of the channel (A, or B for dP) sees it.
  NoiseSource tocNoise(NoiseSource::Mix(noiseKey_, k, uint64_t(run), dpChannel ? 21 : 20));
  m.tocCode = static_cast<uint16_t>(
      ClampCode(TocCode(ambient_) + 0.3 * tocNoise.Normal(), kMaxTocCode));
  const SectionCharacteristic& tocSection = dpChannel && profile_.HasDpSection() ? dp_ : pressure_;
  if (tocSection.valid && tocSection.toc) m.ambient = tocSection.toc->Eval(m.tocCode);
  else m.ambient = AmbientOfTocCode(m.tocCode);

  // Gas temperature: always part of the answer.
  {
    const double span = kTemperatureSpan.upper - kTemperatureSpan.lower;
    const double t = truth.temperature + NoiseFor(k, run, kChannelTemperature) * span;
    m.temperatureCode = ClampCode(SensorCode(t, kTemperatureSpan, ambient_), kMaxCode);
    m.temperature = temperature_.valid ? temperature_.Reading(m.temperatureCode, m.tocCode)
                                       : nominalTemperature_.Reading(m.temperatureCode, m.tocCode);
    m.temperatureValid = temperature_.valid && Unsaturated(m.temperatureCode);
  }

  const bool nshpOk = BlockValid(memory_, map::kNshp, map::kNshpSize);
  const float slopeP = order_.F32(&memory_[map::kNshp + map::kNshpPressureSlope]);
  const float offsetP = order_.F32(&memory_[map::kNshp + map::kNshpPressureOffset]);
  const float slopeDp = order_.F32(&memory_[map::kNshp + map::kNshpDpSlope]);
  const float offsetDp = order_.F32(&memory_[map::kNshp + map::kNshpDpOffset]);

  switch (channel) {
    case kChannelTemperature:
      m.code = m.temperatureCode;
      m.value = m.temperature;
      m.valid = m.temperatureValid;
      break;
    case kChannelPressure:
      if (profile_.PressureFromHart()) {
        m.value = MeasureHart(run, Quantity::Pressure, false, k);
        m.valid = true;
      } else {
        const SensorSpan span{0.0, first.pressureUpper};
        const double p = truth.pressure + NoiseFor(k, run, channel) * span.upper;
        m.code = ClampCode(SensorCode(p, span, ambient_), kMaxCode);
        const double reading = pressure_.Reading(m.code, m.tocCode);
        m.value = slopeP * reading + offsetP;
        m.valid = pressure_.valid && nshpOk && Unsaturated(m.code);
      }
      break;
    case kChannelDp:
      if (profile_.DpFromHart()) {
        m.value = MeasureHart(run, Quantity::Dp, false, k);
        m.valid = true;
      } else {
        const SensorSpan span{0.0, first.dpUpper};
        const double dp = truth.dp + NoiseFor(k, run, channel) * span.upper;
        m.code = ClampCode(SensorCode(dp, span, ambient_), kMaxCode);
        const bool fromMemory = profile_.HasDpSection();
        const SectionCharacteristic& table = fromMemory ? dp_ : nominalDp_;
        m.value = slopeDp * table.Reading(m.code, m.tocCode) + offsetDp;
        m.valid = (!fromMemory || dp_.valid) && nshpOk && Unsaturated(m.code);
      }
      break;
    case kChannelDpLower:
      if ((truth.flags & kRunFlagHartLower) != 0) {
        m.value = MeasureHart(run, Quantity::Dp, true, k);
        m.valid = true;
      } else {
        // The lower range has its own sensor on the second ADC with a fixed conversion.
        const SensorSpan span{0.0, truth.dpLowerRangeUpper};
        const double dp = truth.dp + NoiseFor(k, run, channel) * span.upper;
        m.code = ClampCode(SensorCode(dp, span, ambient_), kMaxCode);
        const SectionCharacteristic lower =
            NominalCharacteristic(0.0, span.upper, 0.0, span.upper);
        m.value = lower.Reading(m.code, m.tocCode);
        m.valid = Unsaturated(m.code) && dp <= 1.05 * span.upper;
      }
      break;
  }
  return m;
}

// ---------------------------------------------------------------------------------------------
// Frames.

std::vector<uint8_t> FlowComputer::Answer(const std::vector<uint8_t>& frame, uint8_t echo,
                                          const Data& data) const {
  std::vector<uint8_t> out(kFrameOverhead + data.size());
  out[kStartOffset] = profile_.answerStart;
  out[kAddressOffset] = frame[kAddressOffset];
  out[kLengthOffset] = static_cast<uint8_t>(out.size());
  out[kCommandOffset] = echo;
  std::copy(data.begin(), data.end(), out.begin() + kDataOffset);
  AppendCrc16(out.data(), out.size() - 2);
  return out;
}

std::vector<uint8_t> FlowComputer::Refusal(const std::vector<uint8_t>& frame, uint8_t code,
                                           uint8_t a, uint8_t b) const {
  return Answer(frame, frame[kCommandOffset], {code, a, b});
}

bool FlowComputer::PasswordMatches(const uint8_t* field) const {
  const std::string expected = PasswordField(profile_.writePassword);
  return std::memcmp(field, expected.data(), q::kPasswordSize) == 0;
}

bool FlowComputer::StaticPasswordMatches(const uint8_t* field) const {
  const std::string expected = PasswordField(profile_.staticPassword);
  return std::memcmp(field, expected.data(), q::kPasswordSize) == 0;
}

std::vector<uint8_t> FlowComputer::Handle(const std::vector<uint8_t>& frame, int64_t nowNs) {
  SettleModes(nowNs);
  return Dispatch(frame, nowNs);
}

std::vector<uint8_t> FlowComputer::Dispatch(const std::vector<uint8_t>& f, int64_t nowNs) {
  const uint8_t cmd = f[kCommandOffset];
  const int length = static_cast<int>(f.size());
  const uint8_t echo = cmd | kEchoBit;
  // A command whose request has the wrong length is refused before anything is done.
  auto sized = [&](int expected, auto&& answer) -> std::vector<uint8_t> {
    if (length != expected) return Refusal(f, kRefuseWrongLength);
    return answer();
  };

  if (f[kStartOffset] == kShortRequestStart) {
    switch (cmd) {
      case kReadDeviceTag:
        return sized(q::kPlainLength, [&] { return Answer(f, echo, Tag()); });
      case kProbeLink:
        return sized(q::kPlainLength, [&] {
          // The oldest firmware does not know the probe and answers it with the 0xFF echo.
          return Answer(f, profile_.oldestGeneration ? kProbeEchoOldest : echo,
                        {r::kProbeAnswerByte});
        });
      case kReadConfiguration:
        return sized(q::kPlainLength, [&] { return Answer(f, echo, Configuration()); });
      case kReadConfigurationPart2:
        return sized(q::kPlainLength, [&] { return Answer(f, echo, ConfigurationPart2()); });
      case kReadIdentification:
        return sized(q::kPlainLength, [&] { return Answer(f, echo, profile_.Identification()); });
      case kReadMeasurementCounters:
        return sized(q::kPlainLength, [&] { return Answer(f, echo, Counters(nowNs)); });
      case kReadConfigurationPart3:
        return sized(q::kPlainLength, [&] { return Answer(f, echo, ConfigurationPart3()); });
      case kReadRunValuesShort:
        if (!profile_.RunValuesShortForm()) break;
        return sized(q::kRunRequestLength, [&] { return ReadRunValues(f); });
      default:
        break;
    }
    return Refusal(f, kRefuseUnknownCommand);
  }

  switch (cmd) {
    case kReadConfiguration:  // the long frame: ReadRunParameters
      return sized(q::kRunRequestLength, [&] { return ReadRunParameters(f); });
    case kReadConfigurationPart2:  // the long frame: WriteRunParameters
      return WriteRunParameters(f);
    case kForwardHartCommand:
      return sized(q::kForwardHartLength, [&] { return ForwardHart(f); });
    case kReadIdentification:  // the long frame: ReadChannelMeasurement
      return sized(q::kChannelRequestLength, [&] { return ReadChannelMeasurement(f, nowNs); });
    case kEnterServiceMode:
      return sized(profile_.ExtendedWrites() ? q::kEnterServiceLengthExtended
                                             : q::kEnterServiceLength,
                   [&] { return EnterServiceMode(f, nowNs); });
    case kLeaveServiceMode:
      return sized(q::kLeaveServiceLength, [&] { return LeaveServiceMode(f, nowNs); });
    case kReadMemory:
      if (length == q::kReadMemoryLengthWide && profile_.WideMemoryRead()) return ReadMemory(f);
      return sized(q::kReadMemoryLength, [&] { return ReadMemory(f); });
    case kWriteMemory:
      if (length < q::kWriteMemoryOverhead + 1) return Refusal(f, kRefuseWrongLength);
      return WriteMemory(f);
    case kReadRunValuesLong:
      if (profile_.RunValuesShortForm()) break;
      return sized(q::kRunRequestLength, [&] { return ReadRunValues(f); });
    default:
      break;
  }
  return Refusal(f, kRefuseUnknownCommand);
}

// ---------------------------------------------------------------------------------------------
// Read-only blocks.

FlowComputer::Data FlowComputer::Configuration() const {
  Data d(r::kConfigSize, 0);
  d[r::kConfigAddress] = profile_.address;
  for (int i = 0; i < 16; ++i)
    if (kSpeedTable[i] == profile_.baud) d[r::kConfigSpeedIndex] = static_cast<uint8_t>(i);
  d[r::kConfigRunCount] = static_cast<uint8_t>(runs_.size());
  for (size_t i = 0; i < runs_.size(); ++i) {
    d[r::kConfigRunFlags + i] = runs_[i].truth.flags;
    d[r::kConfigRunOptions + i] = runs_[i].truth.options;
    d[r::kConfigRunExtra + i] = runs_[i].truth.extra;
  }
  d[r::kConfigDpUnit] = profile_.dpUnit;
  d[r::kConfigPressureUnit] = profile_.pressureUnit;
  return d;
}

FlowComputer::Data FlowComputer::ConfigurationPart2() const {
  Data d(r::kPart2Size, 0);
  d[r::kPart2SensorCount] = static_cast<uint8_t>(sensors_.size());
  for (size_t b = 0; b < sensors_.size(); ++b)
    std::copy(sensors_[b].longAddress.begin(), sensors_[b].longAddress.end(),
              d.begin() + r::kPart2FirstSensor + r::kPart2SensorStride * b);
  for (size_t i = 0; i < runs_.size(); ++i) {
    const RunProfile& run = runs_[i].truth;
    const int o = 4 * static_cast<int>(i);
    if (i < 2 && (run.flags & kRunFlagCounter) != 0) {
      order_.PutF32(&d[r::kPart2FlowUpper + o], float(run.flowUpper));
      order_.PutF32(&d[r::kPart2CounterDpUpper + o], float(run.dpUpper));
      order_.PutF32(&d[r::kPart2FlowLower + o], 0.0f);
    }
    order_.PutF32(&d[r::kPart2PressureLower + o], float(run.pressureLower));
    order_.PutF32(&d[r::kPart2PressureUpper + o], float(run.pressureUpper));
    order_.PutF32(&d[r::kPart2TemperatureUpper + o], float(kTemperatureUpper));
    order_.PutF32(&d[r::kPart2DpUpper + o], float(run.dpUpper));
  }
  return d;
}

FlowComputer::Data FlowComputer::ConfigurationPart3() const {
  Data d(r::kPart3Size, 0);
  d[r::kPart3ModeSwitchSeconds] = profile_.modeSwitchSeconds;
  return d;
}

FlowComputer::Data FlowComputer::Tag() const {
  Data d(r::kTagSize, 0);
  const std::string text = Utf8ToCp866(profile_.tag).substr(0, 16);
  std::copy(text.begin(), text.end(), d.begin() + r::kTagText);
  return d;
}

FlowComputer::Data FlowComputer::Counters(int64_t nowNs) const {
  Data d(r::kCountersSize, 0);
  order_.PutU32(&d[r::kCountersUptime], static_cast<uint32_t>(std::max<int64_t>(nowNs, 0) / kNsPerSecond));
  // The counters run 0..254: a program that starts from 255 sees the first one as new.
  const uint8_t counter = static_cast<uint8_t>(PublicationIndex(nowNs) % 255);
  for (int c = 0; c < kChannelCount; ++c) d[r::kCountersChannel + c] = counter;
  d[r::kCountersTocA] = counter;
  d[r::kCountersTocB] = counter;
  return d;
}

FlowComputer::Data FlowComputer::RunRecord(int run) const {
  const RunState& state = runs_[run - 1];
  Data d(1 + profile_.RecordSize(), 0);
  d[r::kRecordRun] = static_cast<uint8_t>(run);
  std::copy(state.record.begin(), state.record.begin() + profile_.RecordSize(),
            d.begin() + r::kRecord);
  const uint8_t extra = profile_.ExtendedWrites() ? state.truth.extraCode : 0;
  d[r::kRecord + rec::kMode] = static_cast<uint8_t>((extra << 4) | (state.mode & 0x0F));
  return d;
}

FlowComputer::Data FlowComputer::RunValues(int run) {
  const RunProfile& t = runs_[run - 1].truth;
  Data d(r::kRunValuesSize, 0);
  d[0] = static_cast<uint8_t>(run);
  double flow = t.flow;
  RefreshCharacteristics();
  if ((t.flags & kRunFlagCounter) != 0 && correction_) flow *= correction_->Eval(t.flow);
  order_.PutF32(&d[r::kRunValuesFlow], float(flow));
  order_.PutF32(&d[r::kRunValuesFlowUpper], float(t.flowUpper));
  if (profile_.RunValuesShortForm()) {
    order_.PutF32(&d[r::kRunValuesDpLower], 0.0f);
    order_.PutF32(&d[r::kRunValuesDpUpper], float(t.dpUpper));
    order_.PutF32(&d[30], float(t.pressure));
    order_.PutF32(&d[r::kRunValuesPressureUpper], float(t.pressureUpper));
    order_.PutF32(&d[r::kRunValuesPressureLower], float(t.pressureLower));
    order_.PutF32(&d[r::kRunValuesTemperatureUpper], float(kTemperatureUpper));
    order_.PutF32(&d[r::kRunValuesTemperatureLower], float(kTemperatureLower));
    order_.PutF32(&d[r::kRunValuesFlowLower], 0.0f);
    order_.PutF32(&d[r::kRunValuesCounterDpUpper], float(t.dpUpper));
    order_.PutF32(&d[r::kRunValuesDensity], t.densityConstant);
  }
  return d;
}

// ---------------------------------------------------------------------------------------------
// Run commands.

std::vector<uint8_t> FlowComputer::ReadRunParameters(const std::vector<uint8_t>& f) {
  const int run = f[kDataOffset + q::kRun];
  if (run < 1 || run > int(runs_.size()))
    return Refusal(f, kRefuseNoSuchRun, static_cast<uint8_t>(run - 1));
  return Answer(f, f[kCommandOffset] | kEchoBit, RunRecord(run));
}

std::vector<uint8_t> FlowComputer::WriteRunParameters(const std::vector<uint8_t>& f) {
  const int length = static_cast<int>(f.size());
  const bool extended = profile_.ExtendedWrites();
  const int expected = extended ? q::kWriteRunExtendedLength
                       : profile_.RecordSize() == r::kLongRecordSize ? q::kWriteRunLongLength
                                                                     : q::kWriteRunShortLength;
  if (length != expected) return Refusal(f, kRefuseWrongLength);
  const uint8_t* q = &f[kDataOffset];
  const int run = q[q::kRun];
  if (run < 1 || run > int(runs_.size()))
    return Refusal(f, kRefuseNoSuchRun, static_cast<uint8_t>(run - 1));
  if (!PasswordMatches(q + (extended ? q::kWriteRunPasswordExtended : q::kWriteRunPassword)))
    return Refusal(f, kRefuseWrongPassword);
  if (extended && !StaticPasswordMatches(q + q::kWriteRunStaticExtended))
    return Refusal(f, kRefuseWrongStaticPassword);
  const uint8_t* record = q + (extended ? q::kWriteRunRecordExtended : q::kWriteRunRecord);
  RunState& state = runs_[run - 1];
  // The mode is the device's own; a write changes flags, constants and the parameter byte.
  std::copy(record + 1, record + profile_.RecordSize(), state.record.begin() + 1);
  return Answer(f, f[kCommandOffset] | kEchoBit, {static_cast<uint8_t>(run)});
}

std::vector<uint8_t> FlowComputer::ReadRunValues(const std::vector<uint8_t>& f) {
  const int run = f[kDataOffset + q::kRun];
  if (run < 1 || run > int(runs_.size()))
    return Refusal(f, kRefuseNoSuchRun, static_cast<uint8_t>(run - 1));
  return Answer(f, f[kCommandOffset] | kEchoBit, RunValues(run));
}

std::vector<uint8_t> FlowComputer::ReadChannelMeasurement(const std::vector<uint8_t>& f,
                                                          int64_t nowNs) {
  const int run = f[kDataOffset + q::kRun];
  const int channel = f[kDataOffset + q::kChannel];
  if (run < 1 || run > int(runs_.size()))
    return Refusal(f, kRefuseNoSuchRun, static_cast<uint8_t>(run - 1));
  const std::optional<Measurement> m = Measure(run, channel, nowNs);
  if (!m)
    return Refusal(f, kRefuseNoSuchChannel, static_cast<uint8_t>(channel),
                   static_cast<uint8_t>(run - 1));
  Data d(r::kMeasureSize, 0);
  d[r::kMeasureRun] = static_cast<uint8_t>(run);
  d[r::kMeasureChannel] = static_cast<uint8_t>(channel);
  order_.PutU32(&d[r::kMeasureCode], m->code);
  d[r::kMeasureValid] = m->valid ? 1 : 0;
  // Computers of the kind group report the temperature code here; the others the value.
  if (profile_.KindGroup()) order_.PutU32(&d[r::kMeasureTemperatureCode], m->temperatureCode);
  else order_.PutF32(&d[r::kMeasurePlainValue], float(m->value));
  d[r::kMeasureTemperatureValid] = m->temperatureValid ? 1 : 0;
  order_.PutU32(&d[r::kMeasureTocCode], uint32_t(m->tocCode) << 8);
  order_.PutF32(&d[r::kMeasureValue], float(m->value));
  order_.PutF32(&d[r::kMeasureTemperature], float(m->temperature));
  order_.PutF32(&d[r::kMeasureAmbient], float(m->ambient));
  return Answer(f, f[kCommandOffset] | kEchoBit, d);
}

std::vector<uint8_t> FlowComputer::EnterServiceMode(const std::vector<uint8_t>& f, int64_t nowNs) {
  const uint8_t* q = &f[kDataOffset];
  const int run = q[q::kRun];
  if (run < 1 || run > int(runs_.size()))
    return Refusal(f, kRefuseNoSuchRun, static_cast<uint8_t>(run - 1));
  if (!PasswordMatches(q + q::kServicePassword)) return Refusal(f, kRefuseWrongPassword);
  const bool extended = profile_.ExtendedWrites();
  if (extended && !StaticPasswordMatches(q + q::kServiceStaticPassword))
    return Refusal(f, kRefuseWrongStaticPassword);
  RunState& state = runs_[run - 1];
  const uint8_t target = state.pendingMode ? *state.pendingMode : state.mode;
  if (target == rec::kModeService) return Refusal(f, kRefuseAlreadyInService);
  state.pendingMode = rec::kModeService;
  state.switchAtNs = nowNs + int64_t(profile_.modeSwitchSeconds) * kNsPerSecond;
  SettleModes(nowNs);
  return Answer(f, f[kCommandOffset] | kEchoBit, {static_cast<uint8_t>(run)});
}

std::vector<uint8_t> FlowComputer::LeaveServiceMode(const std::vector<uint8_t>& f, int64_t nowNs) {
  const uint8_t* q = &f[kDataOffset];
  const int run = q[q::kRun];
  if (run < 1 || run > int(runs_.size()))
    return Refusal(f, kRefuseNoSuchRun, static_cast<uint8_t>(run - 1));
  if (!PasswordMatches(q + q::kLeavePassword)) return Refusal(f, kRefuseWrongPassword);
  RunState& state = runs_[run - 1];
  // Leaving is accepted in any mode: a repeated request after a lost answer does no harm.
  const uint8_t target = state.pendingMode ? *state.pendingMode : state.mode;
  if (target != rec::kModeNormal) {
    state.pendingMode = rec::kModeNormal;
    state.switchAtNs = nowNs + int64_t(profile_.modeSwitchSeconds) * kNsPerSecond;
    SettleModes(nowNs);
  }
  return Answer(f, f[kCommandOffset] | kEchoBit, {static_cast<uint8_t>(run)});
}

// ---------------------------------------------------------------------------------------------
// Memory.

namespace {
// The NSHP block answers under its newer address too.
int Unalias(int address) { return address == map::kNshpAlias ? map::kNshp : address; }
}  // namespace

std::vector<uint8_t> FlowComputer::ReadMemory(const std::vector<uint8_t>& f) {
  const uint8_t* q = &f[kDataOffset];
  const int address = Unalias(order_.U16(q + q::kMemoryAddress));
  const int count = q[q::kMemoryCount];
  if (count < 1 || count > kMaxMemoryChunk || address + count > map::kMemorySize)
    return Refusal(f, kRefuseAddressRange);
  return Answer(f, f[kCommandOffset] | kEchoBit,
                Data(memory_.begin() + address, memory_.begin() + address + count));
}

uint8_t FlowComputer::CheckBlock(uint8_t area, uint8_t code, const uint8_t* b, int n) const {
  if (area == map::kAreaPlain) return (code == map::kTocCodeList && n == 4) ? 0 : kRefuseBadBlock;
  auto crcOver = [&](int covered) {
    return n == covered + 2 && CheckCrc16(b, size_t(covered)) ? 0 : kRefuseBlockChecksum;
  };
  auto list = [&](int width) -> uint8_t {
    if (n != 1 + width * b[0] + 2) return kRefuseBadBlock;
    return crcOver(n - 2);
  };
  switch (code) {
    case map::kTocCodeList: return list(2);
    case map::kBlockCodeList:
    case map::kTocCharCodeList: return list(3);
    case map::kFlowList: return list(4);
    case map::kBlockRecords:
    case map::kTocCharRecords:
      if (n % map::kSegmentRecordSize != 0) return kRefuseBadBlock;
      for (int i = 0; i < n; i += map::kSegmentRecordSize)
        if (!CheckCrc16(b + i, 8)) return kRefuseBlockChecksum;
      return 0;
    case map::kConfigBlock:
      return n == map::kConfigBlockSize ? crcOver(n - 2) : kRefuseBadBlock;
    case map::kUnitBlock: return n == map::kUnitsSize ? crcOver(n - 2) : kRefuseBadBlock;
    case map::kNshpBlock: return n == map::kNshpSize ? crcOver(n - 2) : kRefuseBadBlock;
    case map::kMeasureParamsBlock:
      return n == map::kMeasureParamsSize ? crcOver(n - 2) : kRefuseBadBlock;
    default: return kRefuseBadBlock;
  }
}

std::vector<uint8_t> FlowComputer::WriteMemory(const std::vector<uint8_t>& f) {
  const uint8_t* q = &f[kDataOffset];
  const int n = static_cast<int>(f.size()) - q::kWriteMemoryOverhead;
  if (q[q::kWriteMarker] != 1) return Refusal(f, kRefuseBadBlock);
  if (!PasswordMatches(q + q::kWritePassword)) return Refusal(f, kRefuseWrongPassword);
  const int address = Unalias(order_.U16(q + q::kWriteAddress));
  if (address + n > map::kMemorySize) return Refusal(f, kRefuseAddressRange);
  const uint8_t area = q[q::kWriteArea];
  // Characteristics and channel set-up change only while a run is out of commercial use.
  if (area != map::kAreaPlain && !AnyRunInService()) return Refusal(f, kRefuseNotInServiceMode);
  if (const uint8_t refusal = CheckBlock(area, q[q::kWriteBlockCode], q + q::kWriteBytes, n))
    return Refusal(f, refusal);
  std::copy(q + q::kWriteBytes, q + q::kWriteBytes + n, memory_.begin() + address);
  characteristicsStale_ = true;
  return Answer(f, f[kCommandOffset] | kEchoBit, {});
}

std::optional<std::vector<uint8_t>> FlowComputer::AnswerHartOnLine(const uint8_t* request,
                                                                    size_t size) {
  if (profile_.Kind() != 9 && profile_.Kind() != 19) return std::nullopt;
  return AnswerHart(sensors_, request, size, [&](size_t i) {
    return *TrueValue(sensorRoles_[i].run, sensorRoles_[i].quantity);
  });
}

std::vector<uint8_t> FlowComputer::ForwardHart(const std::vector<uint8_t>& f) {
  const uint8_t* q = &f[kDataOffset];
  if (!PasswordMatches(q + q::kHartPassword)) return Refusal(f, kRefuseWrongPassword);
  const auto truth = [&](size_t i) {
    const SensorRole& role = sensorRoles_[i];
    return *TrueValue(role.run, role.quantity);
  };
  const size_t size = size_t(q::kForwardHartLength - kFrameOverhead - q::kHartRequest);
  const std::optional<std::vector<uint8_t>> reply = AnswerHart(sensors_, q + q::kHartRequest, size, truth);
  if (!reply) return Refusal(f, kRefuseHartSilent);
  return Answer(f, f[kCommandOffset] | kEchoBit, *reply);
}

}  // namespace zel::sim
