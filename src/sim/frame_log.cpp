#include "sim/frame_log.h"

namespace zel::sim {

std::string FrameLog::Hex(const std::vector<uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string s;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) s += ' ';
    s += digits[bytes[i] >> 4];
    s += digits[bytes[i] & 15];
  }
  return s;
}

void FrameLog::Line(int64_t ns, const char* tag, const std::string& text) {
  if (out_ == nullptr) return;
  std::lock_guard<std::mutex> lock(mutex_);
  std::fprintf(out_, "%12.6f %s %s\n", double(ns) / 1e9, tag, text.c_str());
  std::fflush(out_);
}

void FrameLog::Received(int64_t ns, const std::vector<uint8_t>& frame, const std::string& note) {
  Line(ns, "RX", Hex(frame) + "  " + note);
}

void FrameLog::Sent(int64_t ns, const std::vector<uint8_t>& bytes, const std::string& note) {
  Line(ns, "TX", Hex(bytes) + "  " + note);
}

void FrameLog::Note(int64_t ns, const std::string& text) { Line(ns, "--", text); }

}  // namespace zel::sim
