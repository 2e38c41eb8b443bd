#pragma once
// Faults on demand: what goes wrong between the device and the program, chosen by rules and
// drawn from a repeatable random sequence (the noise key), so that a faulty run can be
// repeated exactly.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/noise_source.h"

namespace zel::sim {

enum class FaultKind {
  Noise,         // random bytes (never a start byte 0x55 or 0x66) before the answer
  Echo,          // the request comes back first, as on a two-wire line
  LoseByte,      // one byte after the length byte goes missing
  BadChecksum,   // the last checksum byte is altered
  OtherAddress,  // the answer carries another address (its checksum fits it)
  Silence,       // the device carries the request out but its answer is lost
  Refuse,        // the device refuses the command with code C and arguments A, B
};

struct FaultRule {
  FaultKind kind = FaultKind::Noise;
  double probability = 1.0;
  int command = -1;    // -1: every command
  int startByte = -1;  // 0xAA or 0xBB to tell the two commands of a number apart; -1 both
  int remaining = -1;  // answers still to spoil; -1: no end
  uint8_t code = 0, a = 0, b = 0;
};

// What happens to one answer.
struct FaultDecision {
  std::optional<std::array<uint8_t, 3>> refusal;
  bool silence = false;
  bool echo = false;
  bool loseByte = false;
  bool badChecksum = false;
  bool otherAddress = false;
  std::vector<uint8_t> noise;
  std::string names;  // the faults applied, for the traffic log
};

class FaultPlan {
 public:
  explicit FaultPlan(uint64_t noiseKey = 1) : random_(noiseKey) {}

  void Add(const FaultRule& rule) { rules_.push_back(rule); }
  void Clear() { rules_.clear(); }
  bool empty() const { return rules_.empty(); }
  // Parses the text of a --fault option ("KIND[@COMMAND][:ARGUMENTS][#COUNT]"); returns an
  // error text, or an empty text when `rule` was filled.
  static std::string Parse(const std::string& text, FaultRule* rule);
  // The text that --help shows about the fault option.
  static const char* Help();

  // Draws the faults for an answer to a request with this start byte and command.
  FaultDecision Decide(uint8_t startByte, uint8_t command);
  // Applies the decision's changes of the answer frame itself.
  void Spoil(const FaultDecision& decision, std::vector<uint8_t>& answer);

 private:
  std::vector<FaultRule> rules_;
  NoiseSource random_;
};

}  // namespace zel::sim
