#include "sim/device_endpoint.h"

#include <string>

#include "link/crc16.h"
#include "sim/device_protocol.h"

namespace zel::sim {

namespace {
// A pause this long inside a frame abandons it.
constexpr int64_t kFrameGapNs = 50'000'000;
constexpr int64_t kNsPerMs = 1'000'000;
}  // namespace

EndpointStats& EndpointStats::operator+=(const EndpointStats& o) {
  requests += o.requests;
  answered += o.answered;
  silent += o.silent;
  ignoredChecksum += o.ignoredChecksum;
  ignoredAddress += o.ignoredAddress;
  ignoredLine += o.ignoredLine;
  return *this;
}

int64_t CharacterNs(const LineSettings& line) {
  const int bits = line.parity == Parity::None ? 10 : 11;
  return int64_t(bits) * 1'000'000'000 / (line.baud == 0 ? 1 : line.baud);
}

void DeliverTo(PipeLine& line, LineListener& listener, const uint8_t* data, size_t size,
               int64_t endNs) {
  if (size == 0) return;
  const int64_t firstNs = endNs - int64_t(size - 1) * line.CharacterNs();
  for (const Transmission& t : listener.Receive(data, size, firstNs, line.settings(), true))
    line.Deliver(t.bytes, t.startNs);
}

std::vector<Transmission> ListenerGroup::Receive(const uint8_t* data, size_t size,
                                                 int64_t firstNs, const LineSettings& line,
                                                 bool parityKnown) {
  std::vector<Transmission> all;
  for (LineListener* m : members_) {
    std::vector<Transmission> some = m->Receive(data, size, firstNs, line, parityKnown);
    all.insert(all.end(), some.begin(), some.end());
  }
  return all;
}

EndpointStats ListenerGroup::stats() const {
  EndpointStats sum;
  for (const LineListener* m : members_) sum += m->stats();
  return sum;
}

DeviceEndpoint::DeviceEndpoint(FlowComputer& device, FaultPlan& faults, FrameLog* log)
    : device_(device), faults_(faults), log_(log), reader_(kFrameGapNs) {}

std::vector<Transmission> DeviceEndpoint::Receive(const uint8_t* data, size_t size,
                                                  int64_t firstNs, const LineSettings& line,
                                                  bool parityKnown) {
  std::vector<Transmission> out;
  const int64_t charNs = CharacterNs(line);
  const bool lineMatches = line.baud == device_.profile().baud &&
                           (!parityKnown || line.parity == Parity::None);
  if (!lineMatches) {
    reader_.Reset();
    stats_.ignoredLine += size;
    if (log_ != nullptr)
      log_->Note(firstNs + int64_t(size - 1) * charNs,
                 std::to_string(size) + " bytes at another line speed: not understood");
    return out;
  }
  for (size_t i = 0; i < size; ++i) {
    if (reader_.Push(data[i], firstNs + int64_t(i) * charNs))
      HandleFrame(reader_.TakeFrame(), charNs, out);
  }
  return out;
}

void DeviceEndpoint::HandleFrame(const FrameReader::Frame& frame, int64_t charNs,
                                 std::vector<Transmission>& out) {
  const std::vector<uint8_t>& f = frame.bytes;
  const std::string name = CommandName(f[kStartOffset], f[kCommandOffset]);
  if (!CheckCrc16(f.data(), f.size() - 2)) {
    ++stats_.ignoredChecksum;
    if (log_ != nullptr) log_->Received(frame.endNs, f, name + ": wrong checksum, ignored");
    return;
  }
  if (f[kAddressOffset] != device_.profile().address) {
    ++stats_.ignoredAddress;
    if (log_ != nullptr) log_->Received(frame.endNs, f, name + ": another address, ignored");
    return;
  }
  ++stats_.requests;
  if (log_ != nullptr) log_->Received(frame.endNs, f, name);

  const FaultDecision fault = faults_.Decide(f[kStartOffset], f[kCommandOffset]);
  std::vector<uint8_t> answer =
      fault.refusal ? device_.Refusal(f, (*fault.refusal)[0], (*fault.refusal)[1], (*fault.refusal)[2])
                    : device_.Handle(f, frame.endNs);
  int64_t start = frame.endNs + int64_t(device_.profile().answerDelayMs) * kNsPerMs;
  if (fault.silence) {
    ++stats_.silent;
    if (log_ != nullptr) log_->Note(start, "fault: silence, the answer is lost");
    return;
  }
  faults_.Spoil(fault, answer);
  if (fault.echo) out.push_back({frame.raw, frame.firstNs});
  if (!fault.noise.empty()) {
    out.push_back({fault.noise, start});
    if (log_ != nullptr) log_->Sent(start, fault.noise, "fault: noise");
    start += int64_t(fault.noise.size()) * charNs;
  }
  const bool refused = answer.size() > size_t(kCommandOffset) &&
                       answer[kCommandOffset] == f[kCommandOffset];
  std::string note = name + (refused ? " refused" : "");
  if (refused && answer.size() >= size_t(kFrameOverhead + 3))
    note += " (code " + std::to_string(answer[kDataOffset]) + ")";
  if (!fault.names.empty()) note += "  fault: " + fault.names;
  if (log_ != nullptr) log_->Sent(start, answer, note);
  out.push_back({std::move(answer), start});
  ++stats_.answered;
}

}  // namespace zel::sim
