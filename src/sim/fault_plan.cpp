#include "sim/fault_plan.h"

#include <cstdlib>

#include "link/crc16.h"
#include "sim/device_protocol.h"

namespace zel::sim {

namespace {

struct KindName {
  FaultKind kind;
  const char* name;
};
constexpr KindName kKinds[] = {
    {FaultKind::Noise, "noise"},       {FaultKind::Echo, "echo"},
    {FaultKind::LoseByte, "lose"},     {FaultKind::BadChecksum, "crc"},
    {FaultKind::OtherAddress, "address"}, {FaultKind::Silence, "silence"},
    {FaultKind::Refuse, "refuse"},
};

const char* NameOf(FaultKind kind) {
  for (const KindName& k : kKinds)
    if (k.kind == kind) return k.name;
  return "?";
}

// A whole non-negative number in decimal or with 0x; -1 when the text is not one.
long ParseCount(const std::string& text, long limit) {
  if (text.empty()) return -1;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 0);
  if (*end != '\0' || v < 0 || v > limit) return -1;
  return v;
}

constexpr int kMaxNoise = 8;

}  // namespace

const char* FaultPlan::Help() {
  return "KIND[@COMMAND][:ARGUMENTS][#COUNT]\n"
         "  KIND: noise, echo, lose, crc, address, silence, refuse\n"
         "  COMMAND: a command name (ReadMemory) or number (0x13); default every command\n"
         "  ARGUMENTS: the probability 0..1 (default 1); for refuse the code C[,A[,B]]\n"
         "  COUNT: spoil only this many answers";
}

std::string FaultPlan::Parse(const std::string& text, FaultRule* rule) {
  FaultRule r;
  std::string rest = text;
  if (const size_t hash = rest.find('#'); hash != std::string::npos) {
    const long count = ParseCount(rest.substr(hash + 1), 1'000'000);
    if (count < 1) return "fault '" + text + "': the count after # must be a number from 1";
    r.remaining = static_cast<int>(count);
    rest.resize(hash);
  }
  std::string arguments;
  if (const size_t colon = rest.find(':'); colon != std::string::npos) {
    arguments = rest.substr(colon + 1);
    rest.resize(colon);
  }
  if (const size_t at = rest.find('@'); at != std::string::npos) {
    const std::string command = rest.substr(at + 1);
    rest.resize(at);
    uint8_t number = 0;
    if (CommandOfName(command, &number, &r.startByte)) {
      r.command = number;
    } else {
      const long n = ParseCount(command, 255);
      if (n < 0) return "fault '" + text + "': unknown command '" + command + "'";
      r.command = static_cast<int>(n);
    }
  }
  bool known = false;
  for (const KindName& k : kKinds) {
    if (rest == k.name) {
      r.kind = k.kind;
      known = true;
    }
  }
  if (!known) return "fault '" + text + "': unknown kind '" + rest + "'";
  if (r.kind == FaultKind::Refuse) {
    long values[3] = {-1, 0, 0};
    size_t pos = 0;
    for (int i = 0; i < 3 && pos <= arguments.size(); ++i) {
      const size_t comma = arguments.find(',', pos);
      const std::string part = arguments.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
      values[i] = ParseCount(part, 255);
      if (values[i] < 0) return "fault '" + text + "': refuse needs a code C[,A[,B]] of numbers 0..255";
      if (comma == std::string::npos) break;
      pos = comma + 1;
    }
    r.code = static_cast<uint8_t>(values[0]);
    r.a = static_cast<uint8_t>(values[1]);
    r.b = static_cast<uint8_t>(values[2]);
  } else if (!arguments.empty()) {
    char* end = nullptr;
    r.probability = std::strtod(arguments.c_str(), &end);
    if (*end != '\0' || !(r.probability >= 0.0 && r.probability <= 1.0))
      return "fault '" + text + "': the probability must lie in 0..1";
  }
  *rule = r;
  return {};
}

FaultDecision FaultPlan::Decide(uint8_t startByte, uint8_t command) {
  FaultDecision d;
  for (FaultRule& rule : rules_) {
    if (rule.remaining == 0) continue;
    if (rule.command >= 0 && rule.command != command) continue;
    if (rule.startByte >= 0 && rule.startByte != startByte) continue;
    // The draw happens for every matching rule, so one rule's outcome never shifts another's.
    if (!(random_.Uniform() < rule.probability)) continue;
    if (rule.remaining > 0) --rule.remaining;
    if (!d.names.empty()) d.names += ' ';
    d.names += NameOf(rule.kind);
    switch (rule.kind) {
      case FaultKind::Noise: {
        const int n = 1 + static_cast<int>(random_.Below(kMaxNoise));
        for (int i = 0; i < n; ++i) {
          uint8_t b = static_cast<uint8_t>(random_.Below(256));
          while (b == kAnswerStart || b == kAnswerStartAlt) b = static_cast<uint8_t>(random_.Below(256));
          d.noise.push_back(b);
        }
        break;
      }
      case FaultKind::Echo: d.echo = true; break;
      case FaultKind::LoseByte: d.loseByte = true; break;
      case FaultKind::BadChecksum: d.badChecksum = true; break;
      case FaultKind::OtherAddress: d.otherAddress = true; break;
      case FaultKind::Silence: d.silence = true; break;
      case FaultKind::Refuse: d.refusal = std::array<uint8_t, 3>{rule.code, rule.a, rule.b}; break;
    }
  }
  return d;
}

void FaultPlan::Spoil(const FaultDecision& d, std::vector<uint8_t>& answer) {
  if (answer.size() < size_t(kFrameOverhead)) return;
  if (d.otherAddress) {
    answer[kAddressOffset] = static_cast<uint8_t>(answer[kAddressOffset] % 254 + 1);
    AppendCrc16(answer.data(), answer.size() - 2);
  }
  if (d.badChecksum) answer.back() ^= 0x5A;
  if (d.loseByte) {
    const size_t at = size_t(kCommandOffset) + random_.Below(uint32_t(answer.size() - kCommandOffset));
    answer.erase(answer.begin() + static_cast<long>(at));
  }
}

}  // namespace zel::sim
