#pragma once
// The traffic log: every frame the device receives and sends, with its time, its bytes in hex
// and the command's name, plus what the device made of it (ignored, refused, faults).

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace zel::sim {

class FrameLog {
 public:
  // Writes to `out` (not owned; standard error or an open file).
  explicit FrameLog(std::FILE* out) : out_(out) {}

  // A request frame that arrived complete at `ns`.
  void Received(int64_t ns, const std::vector<uint8_t>& frame, const std::string& note);
  // Bytes that start leaving at `ns`.
  void Sent(int64_t ns, const std::vector<uint8_t>& bytes, const std::string& note);
  void Note(int64_t ns, const std::string& text);

  // "AA 01 06 02 F2 5D".
  static std::string Hex(const std::vector<uint8_t>& bytes);

 private:
  void Line(int64_t ns, const char* tag, const std::string& text);
  std::FILE* out_;
  std::mutex mutex_;
};

}  // namespace zel::sim
