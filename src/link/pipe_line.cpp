#include "link/pipe_line.h"

#include <algorithm>
#include <limits>

namespace zel {

bool PipeLine::Open(const QString& path) {
  if (open_ || missing_) return false;
  path_ = path;
  open_ = true;
  inbound_.clear();
  return true;
}

bool PipeLine::Apply(const LineSettings& settings) {
  if (!open_) return false;
  settings_ = settings;
  return true;
}

bool PipeLine::SetDtr(bool on) {
  if (!open_) return false;
  dtr_ = on;
  return true;
}

bool PipeLine::SetRts(bool on) {
  if (!open_) return false;
  rts_ = on;
  rtsEdges_.push_back({on, clock_.NowNs()});
  return true;
}

bool PipeLine::Purge() {
  if (!open_) return false;
  // Only what has already arrived sits in the queue; bytes still on the wire come in later.
  const int64_t now = clock_.NowNs();
  while (!inbound_.empty() && inbound_.front().ns <= now) inbound_.pop_front();
  return true;
}

int64_t PipeLine::CharacterNs() const {
  const int bits = 10 + (settings_.parity == Parity::None ? 0 : 1);
  return int64_t(bits) * 1'000'000'000 / std::max<uint32_t>(settings_.baud, 1);
}

bool PipeLine::Write(const uint8_t* data, size_t size) {
  if (!open_ || writeFails_) return false;
  const int64_t now = clock_.NowNs();
  writes_.push_back({std::vector<uint8_t>(data, data + size), now});
  if (peer_ != nullptr) peer_->Receive(*this, data, size, now + int64_t(size) * CharacterNs());
  return true;
}

void PipeLine::Deliver(const uint8_t* data, size_t size, int64_t firstNs) {
  const int64_t step = CharacterNs();
  // Arrivals stay ordered: a later answer never overtakes bytes already queued.
  int64_t t = firstNs;
  if (!inbound_.empty()) t = std::max(t, inbound_.back().ns + step);
  for (size_t i = 0; i < size; ++i, t += step) inbound_.push_back({data[i], t});
}

bool PipeLine::Read(uint8_t* data, size_t size, size_t* got) {
  *got = 0;
  if (!open_ || readFails_) return false;
  const int64_t start = clock_.NowNs();
  constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
  const int64_t totalMs = int64_t(timeouts_.multiplierMs) * int64_t(size) + timeouts_.constantMs;
  const int64_t totalDeadline = totalMs > 0 ? start + totalMs * 1'000'000 : kNever;
  int64_t lastByte = start;
  while (*got < size) {
    int64_t limit = totalDeadline;
    if (*got > 0 && timeouts_.intervalMs > 0)
      limit = std::min(limit, lastByte + int64_t(timeouts_.intervalMs) * 1'000'000);
    if (inbound_.empty() || inbound_.front().ns > limit) {
      // Nothing more comes in time; with no limit at all the read returns what it has.
      if (limit != kNever) clock_.AdvanceToNs(limit);
      return true;
    }
    const Arrival a = inbound_.front();
    inbound_.pop_front();
    clock_.AdvanceToNs(a.ns);
    lastByte = std::max(a.ns, clock_.NowNs());
    data[(*got)++] = a.byte;
  }
  return true;
}

}  // namespace zel
