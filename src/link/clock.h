#pragma once
// Time as the link and the timed windows see it: a millisecond tick count, a high-resolution
// counter with its frequency, sleeps and precise waits. The real clock runs on the steady
// clock; the virtual clock lets tests run seconds of protocol in microseconds.

#include <cstdint>

namespace zel {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like a 32-bit tick count.
  virtual uint32_t TickMs() = 0;
  virtual int64_t Counter() = 0;
  virtual int64_t CounterFrequency() = 0;
  // Blocks until the tick count has advanced by at least `ms` from now.
  virtual void WaitMs(uint32_t ms) = 0;
  // Blocks until Counter() is past `deadline`.
  virtual void WaitUntilCounter(int64_t deadline) = 0;
};

// The machine's steady clock. Waits sleep until shortly before the deadline and spin only the
// last fraction of a millisecond, so a precise wait does not burn a core.
class RealClock final : public Clock {
 public:
  uint32_t TickMs() override;
  int64_t Counter() override;
  int64_t CounterFrequency() override { return 1'000'000'000; }
  void WaitMs(uint32_t ms) override;
  void WaitUntilCounter(int64_t deadline) override;
};

// Time that moves only when something waits on it or a test advances it; nanosecond resolution.
// The counter runs at `frequency` ticks a second (10 MHz by default, the usual rate of a PC's
// performance counter).
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(int64_t frequency = 10'000'000) : frequency_(frequency) {}
  uint32_t TickMs() override { return static_cast<uint32_t>(nowNs_ / 1'000'000); }
  int64_t Counter() override;
  int64_t CounterFrequency() override { return frequency_; }
  void WaitMs(uint32_t ms) override { AdvanceNs(int64_t(ms) * 1'000'000); }
  void WaitUntilCounter(int64_t deadline) override;

  int64_t NowNs() const { return nowNs_; }
  void AdvanceNs(int64_t ns) { nowNs_ += ns; }
  void AdvanceToNs(int64_t ns) {
    if (ns > nowNs_) nowNs_ = ns;
  }

 private:
  int64_t frequency_;
  int64_t nowNs_ = 0;
};

}  // namespace zel
