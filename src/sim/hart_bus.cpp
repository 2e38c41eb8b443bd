#include "sim/hart_bus.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "sim/hart_sensor.h"

namespace zel::sim {

namespace {

constexpr int64_t kAnswerDelayNs = 20'000'000;
constexpr int64_t kFrameGapNs = 50'000'000;
constexpr int kAnswerPreambles = 5;
constexpr int kMinPreambles = 2;
constexpr uint8_t kSecondaryBits = 0xC0;  // master and burst bits of an address byte
constexpr double kReferenceNoise = 1e-5;  // relative: a reference is far better than the device

int AddressSize(uint8_t delimiter) { return delimiter == hart::kLongRequest ? 5 : 1; }
// Delimiter, address, command and byte count.
size_t HeaderSize(uint8_t delimiter) { return size_t(1 + AddressSize(delimiter) + 2); }

bool SameLongAddress(const std::array<uint8_t, 5>& a, const uint8_t* b) {
  if ((a[0] & ~kSecondaryBits) != (b[0] & ~kSecondaryBits)) return false;
  return std::equal(a.begin() + 1, a.end(), b + 1);
}

uint8_t UnitOf(const FlowComputer& d, Quantity q) {
  switch (q) {
    case Quantity::Pressure: return d.profile().pressureUnit == 0 ? hart::kUnitKgfPerCm2 : hart::kUnitMpa;
    case Quantity::Dp: return d.profile().dpUnit == 0 ? hart::kUnitMmWater : hart::kUnitKpa;
    case Quantity::Temperature: return hart::kUnitCelsius;
    case Quantity::Flow: break;
  }
  return 250;  // not used
}

}  // namespace

std::optional<HartReference> ParseHartReference(const std::string& text, std::string* error) {
  std::vector<std::string> parts;
  size_t pos = 0;
  for (;;) {
    const size_t comma = text.find(',', pos);
    parts.push_back(text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  HartReference r;
  const std::string usage = "'" + text + "': expected MODEL[,ADDRESS[,RUN.QUANTITY]], e.g. 3051,1,1.p";
  if (parts.size() > 3 || (parts[0] != "3051" && parts[0] != "3095")) {
    *error = usage;
    return std::nullopt;
  }
  r.model = parts[0] == "3051" ? 3051 : 3095;
  if (parts.size() > 1) {
    char* end = nullptr;
    const long a = std::strtol(parts[1].c_str(), &end, 10);
    if (parts[1].empty() || *end != '\0' || a < 1 || a > 15) {
      *error = usage + " (ADDRESS 1..15)";
      return std::nullopt;
    }
    r.pollAddress = static_cast<uint8_t>(a);
  }
  if (parts.size() > 2) {
    const std::string& where = parts[2];
    const size_t dot = where.find('.');
    char* end = nullptr;
    const std::string run = where.substr(0, dot);
    r.run = static_cast<int>(std::strtol(run.c_str(), &end, 10));
    const std::string q = dot == std::string::npos ? "p" : where.substr(dot + 1);
    if (run.empty() || *end != '\0' || (q != "p" && q != "dp" && q != "t")) {
      *error = usage + " (QUANTITY p, dp or t)";
      return std::nullopt;
    }
    r.quantity = q == "p" ? Quantity::Pressure : q == "dp" ? Quantity::Dp : Quantity::Temperature;
  }
  return r;
}

HartBus::HartBus(FlowComputer& device, uint64_t noiseKey, bool withDeviceSensors, FrameLog* log)
    : device_(device), noiseKey_(noiseKey), withDeviceSensors_(withDeviceSensors), log_(log) {}

std::string HartBus::AddReference(const HartReference& reference) {
  if (reference.model != 3051 && reference.model != 3095)
    return "the reference transmitter is a 3051 or a 3095";
  if (reference.pollAddress < 1 || reference.pollAddress > 15)
    return "the reference transmitter's address lies in 1..15";
  if (!device_.TrueValue(reference.run, reference.quantity))
    return "the reference transmitter's run is not one of the device's runs";
  if (reference.model == 3051 && reference.quantity == Quantity::Flow)
    return "a 3051 measures pressure, differential pressure or temperature";
  for (const HartReference& other : references_)
    if (other.pollAddress == reference.pollAddress)
      return "two reference transmitters cannot share a poll address";
  HartReference r = reference;
  if (r.longAddress == std::array<uint8_t, 5>{})
    r.longAddress = {0x26, uint8_t(r.model == 3095 ? 0x1E : 0x06), 0x1B, 0x30,
                     uint8_t(0x50 + r.pollAddress)};
  references_.push_back(r);
  return {};
}

std::vector<Transmission> HartBus::Receive(const uint8_t* data, size_t size, int64_t firstNs,
                                           const LineSettings& line, bool parityKnown) {
  std::vector<Transmission> out;
  const bool matches = line.baud == kLine.baud && (!parityKnown || line.parity == kLine.parity);
  if (!matches) {
    frame_.clear();
    preambles_ = 0;
    return out;
  }
  const int64_t charNs = CharacterNs(line);
  for (size_t i = 0; i < size; ++i) Push(data[i], firstNs + int64_t(i) * charNs, out);
  return out;
}

void HartBus::Push(uint8_t byte, int64_t ns, std::vector<Transmission>& out) {
  if (!frame_.empty() && ns - lastNs_ > kFrameGapNs) {
    frame_.clear();
    preambles_ = 0;
  }
  lastNs_ = ns;
  if (frame_.empty()) {
    if (byte == 0xFF) {
      ++preambles_;
    } else {
      // A delimiter counts only after preambles; anything else starts the hunt over.
      if ((byte == hart::kShortRequest || byte == hart::kLongRequest) && preambles_ >= kMinPreambles)
        frame_.push_back(byte);
      preambles_ = 0;
    }
    return;
  }
  frame_.push_back(byte);
  const size_t header = HeaderSize(frame_[0]);
  if (frame_.size() < header || frame_.size() < header + frame_[header - 1] + 1) return;
  std::vector<uint8_t> frame = std::move(frame_);
  frame_.clear();
  if (hart::CheckByte(frame.data(), frame.size()) != 0) {
    ++stats_.ignoredChecksum;
    if (log_ != nullptr) log_->Received(ns, frame, "HART: wrong check byte, ignored");
    return;
  }
  const std::optional<std::vector<uint8_t>> answer = Answer(frame, ns);
  if (!answer) {
    ++stats_.ignoredAddress;
    if (log_ != nullptr) log_->Received(ns, frame, "HART: nobody at this address");
    return;
  }
  ++stats_.requests;
  ++stats_.answered;
  const std::string name = "HART command " + std::to_string(frame[header - 2]);
  if (log_ != nullptr) log_->Received(ns, frame, name);
  std::vector<uint8_t> bytes(kAnswerPreambles, 0xFF);
  bytes.insert(bytes.end(), answer->begin(), answer->end());
  if (log_ != nullptr) log_->Sent(ns + kAnswerDelayNs, bytes, name);
  out.push_back({std::move(bytes), ns + kAnswerDelayNs});
}

std::optional<std::vector<uint8_t>> HartBus::Answer(const std::vector<uint8_t>& frame, int64_t ns) {
  for (HartReference& ref : references_) {
    const bool addressed = frame[0] == hart::kShortRequest
                               ? (frame[1] & ~kSecondaryBits) == ref.pollAddress
                               : SameLongAddress(ref.longAddress, &frame[1]);
    if (addressed) return AnswerReference(ref, frame, ns);
  }
  if (withDeviceSensors_ && frame[0] == hart::kLongRequest)
    return device_.AnswerHartOnLine(frame.data(), frame.size());
  return std::nullopt;
}

std::optional<std::vector<uint8_t>> HartBus::AnswerReference(HartReference& ref,
                                                             const std::vector<uint8_t>& frame,
                                                             int64_t ns) {
  const size_t header = HeaderSize(frame[0]);
  const uint8_t command = frame[header - 2];
  NoiseSource noise(NoiseSource::Mix(noiseKey_, uint64_t(ns), ref.pollAddress));
  auto reading = [&](Quantity q) {
    const double v = device_.TrueValue(ref.run, q).value_or(0.0);
    return static_cast<float>(v * (1.0 + kReferenceNoise * noise.Normal()));
  };
  uint8_t code = 0;
  std::vector<uint8_t> data;
  switch (command) {
    case hart::kReadUniqueId: {
      const auto& a = ref.longAddress;
      data = {254, uint8_t(a[0] & ~kSecondaryBits), a[1], 5, 5, 1, 1, 0, 0, a[2], a[3], a[4]};
      break;
    }
    case hart::kReadPrimaryVariable: {
      const Quantity q = ref.model == 3095 ? Quantity::Dp : ref.quantity;
      data.push_back(UnitOf(device_, q));
      hart::PutFloat(data, reading(q));
      break;
    }
    case hart::kReadMultivariable:
      if (ref.model != 3095) {
        code = hart::kCodeNotImplemented;
        break;
      }
      for (Quantity q : {Quantity::Dp, Quantity::Pressure, Quantity::Temperature}) {
        data.push_back(UnitOf(device_, q));
        hart::PutFloat(data, reading(q));
      }
      data.push_back(hart::kUnitCelsius);  // the transmitter's own sensor temperature
      hart::PutFloat(data, static_cast<float>(device_.ambient()));
      break;
    default:
      code = hart::kCodeNotImplemented;
      break;
  }
  std::vector<uint8_t> out{frame[0] == hart::kShortRequest ? hart::kShortAnswer : hart::kLongAnswer};
  out.insert(out.end(), frame.begin() + 1, frame.begin() + 1 + AddressSize(frame[0]));
  out.push_back(command);
  out.push_back(static_cast<uint8_t>(data.size() + 2));
  out.push_back(code);
  out.push_back(0);  // device status
  out.insert(out.end(), data.begin(), data.end());
  out.push_back(hart::CheckByte(out.data(), out.size()));
  return out;
}

void HartPeer::Receive(PipeLine& line, const uint8_t* data, size_t size, int64_t endNs) {
  DeliverTo(line, bus_, data, size, endNs);
}

}  // namespace zel::sim
