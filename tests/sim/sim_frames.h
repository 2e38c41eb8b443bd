#pragma once
// Request frames built by hand for tests of the simulated device, and readers of its answers.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "link/crc16.h"
#include "sim/cp866.h"

namespace zel::sim::test {

inline std::vector<uint8_t> Request(uint8_t start, uint8_t command, std::vector<uint8_t> data = {},
                                    uint8_t address = 1) {
  std::vector<uint8_t> f(6 + data.size());
  f[0] = start;
  f[1] = address;
  f[2] = static_cast<uint8_t>(f.size());
  f[3] = command;
  std::copy(data.begin(), data.end(), f.begin() + 4);
  AppendCrc16(f.data(), f.size() - 2);
  return f;
}
inline std::vector<uint8_t> Short(uint8_t command, std::vector<uint8_t> data = {}) {
  return Request(0xAA, command, std::move(data));
}
inline std::vector<uint8_t> Long(uint8_t command, std::vector<uint8_t> data = {}) {
  return Request(0xBB, command, std::move(data));
}

// Appends the 16-byte password field of `text`.
inline void AddPassword(std::vector<uint8_t>& data, const std::string& text) {
  const std::string field = PasswordField(text);
  data.insert(data.end(), field.begin(), field.end());
}

// Answer data byte i.
inline uint8_t R(const std::vector<uint8_t>& answer, int i) { return answer.at(4 + i); }
inline bool IsRefusal(const std::vector<uint8_t>& answer, const std::vector<uint8_t>& request) {
  return answer.size() >= 9 && answer[3] == request[3];
}

}  // namespace zel::sim::test
