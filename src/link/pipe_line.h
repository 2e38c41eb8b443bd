#pragma once
// An in-process serial line on virtual time. Whatever the program writes goes to a LinePeer
// (the simulated flow computer, a test's responder); the peer answers by queueing bytes with
// the virtual time at which each arrives. Reads take the queued bytes under the driver's
// timeout rules and move the virtual clock as a real read would take time.

#include <cstdint>
#include <deque>
#include <vector>

#include "link/clock.h"
#include "link/serial_line.h"

namespace zel {

class PipeLine;

class LinePeer {
 public:
  virtual ~LinePeer() = default;
  // The program wrote `size` bytes; the last of them is on the peer's side at `endNs`
  // (virtual time). `settings` are the line settings the program applied; `rts` the RTS level
  // while the bytes were sent.
  virtual void Receive(PipeLine& line, const uint8_t* data, size_t size, int64_t endNs) = 0;
};

class PipeLine final : public SerialLine {
 public:
  PipeLine(VirtualClock& clock, LinePeer* peer) : clock_(clock), peer_(peer) {}

  bool Open(const QString& path) override;
  bool IsOpen() const override { return open_; }
  void Close() override { open_ = false; }
  bool SetQueueSizes(uint32_t, uint32_t) override { return open_; }
  bool Apply(const LineSettings& settings) override;
  bool SetDtr(bool on) override;
  bool SetRts(bool on) override;
  bool Purge() override;
  void SetReadTimeouts(const ReadTimeouts& timeouts) override { timeouts_ = timeouts; }
  bool Write(const uint8_t* data, size_t size) override;
  bool Read(uint8_t* data, size_t size, size_t* got) override;

  // For the peer: queue bytes that arrive one character time apart, the first at `firstNs`.
  void Deliver(const uint8_t* data, size_t size, int64_t firstNs);
  void Deliver(const std::vector<uint8_t>& data, int64_t firstNs) {
    Deliver(data.data(), data.size(), firstNs);
  }
  // Nanoseconds one character (start bit, 8 data bits, parity, stop bit) takes at the
  // current settings.
  int64_t CharacterNs() const;
  const LineSettings& settings() const { return settings_; }
  bool dtr() const { return dtr_; }
  bool rts() const { return rts_; }
  VirtualClock& clock() { return clock_; }

  // Test controls: a path that fails to open, and a port that fails on write or read.
  void SetMissing(bool missing) { missing_ = missing; }
  void SetWriteFails(bool fails) { writeFails_ = fails; }
  void SetReadFails(bool fails) { readFails_ = fails; }
  // Every level change of RTS with its virtual time, for checks of the line direction.
  struct RtsEdge {
    bool on;
    int64_t ns;
  };
  const std::vector<RtsEdge>& rtsEdges() const { return rtsEdges_; }
  // Every write with its virtual time.
  struct Written {
    std::vector<uint8_t> bytes;
    int64_t ns;
  };
  const std::vector<Written>& writes() const { return writes_; }
  QString path() const { return path_; }

 private:
  struct Arrival {
    uint8_t byte;
    int64_t ns;
  };
  VirtualClock& clock_;
  LinePeer* peer_;
  bool open_ = false;
  bool missing_ = false;
  bool writeFails_ = false;
  bool readFails_ = false;
  bool dtr_ = false;
  bool rts_ = false;
  QString path_;
  LineSettings settings_;
  ReadTimeouts timeouts_;
  std::deque<Arrival> inbound_;
  std::vector<RtsEdge> rtsEdges_;
  std::vector<Written> writes_;
};

}  // namespace zel
