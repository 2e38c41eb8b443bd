#include "sim/frame_reader.h"

#include "sim/device_protocol.h"

namespace zel::sim {

namespace {
// Enough for the longest request with a generous run of preambles ahead of it.
constexpr size_t kMaxRaw = 600;
}  // namespace

bool FrameReader::Push(uint8_t byte, int64_t ns) {
  if (!frame_.empty() && ns - lastNs_ > gapNs_) {
    frame_.clear();
    ++droppedPartials_;
  }
  if (raw_.empty() || raw_.size() >= kMaxRaw) {
    raw_.clear();
    rawStartNs_ = ns;
  }
  raw_.push_back(byte);
  lastNs_ = ns;
  if (frame_.empty()) {
    if (byte == kShortRequestStart || byte == kLongRequestStart) frame_.push_back(byte);
    return false;
  }
  frame_.push_back(byte);
  if (frame_.size() <= size_t(kLengthOffset)) return false;
  const size_t length = frame_[kLengthOffset];
  if (length < size_t(kFrameOverhead)) {
    // No frame is this short: the start byte was noise.
    frame_.clear();
    ++droppedPartials_;
    return false;
  }
  if (frame_.size() < length) return false;
  done_.bytes = std::move(frame_);
  done_.raw = std::move(raw_);
  done_.firstNs = rawStartNs_;
  done_.endNs = ns;
  frame_.clear();
  raw_.clear();
  return true;
}

FrameReader::Frame FrameReader::TakeFrame() { return std::move(done_); }

void FrameReader::Reset() {
  if (!frame_.empty()) ++droppedPartials_;
  frame_.clear();
  raw_.clear();
}

}  // namespace zel::sim
