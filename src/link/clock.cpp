#include "link/clock.h"

#include <chrono>
#include <thread>

namespace zel {

namespace {
using Steady = std::chrono::steady_clock;

int64_t SteadyNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Steady::now().time_since_epoch())
      .count();
}

// Sleeping is accurate to about a scheduler slice; the last stretch before a deadline is spun
// so the wait ends on time without keeping a core busy for the whole wait.
constexpr int64_t kSpinNs = 300'000;

void WaitUntilNs(int64_t deadlineNs) {
  for (;;) {
    const int64_t left = deadlineNs - SteadyNs();
    if (left <= 0) return;
    if (left > kSpinNs)
      std::this_thread::sleep_for(std::chrono::nanoseconds(left - kSpinNs));
    else
      std::this_thread::yield();
  }
}
}  // namespace

uint32_t RealClock::TickMs() { return static_cast<uint32_t>(SteadyNs() / 1'000'000); }

int64_t RealClock::Counter() { return SteadyNs(); }

void RealClock::WaitMs(uint32_t ms) { WaitUntilNs(SteadyNs() + int64_t(ms) * 1'000'000); }

void RealClock::WaitUntilCounter(int64_t deadline) { WaitUntilNs(deadline + 1); }

int64_t VirtualClock::Counter() {
  // nowNs_ * frequency_ / 1e9 without overflow for any realistic test length.
  return static_cast<int64_t>(static_cast<__int128>(nowNs_) * frequency_ / 1'000'000'000);
}

void VirtualClock::WaitUntilCounter(int64_t deadline) {
  // The first nanosecond at which Counter() exceeds the deadline.
  const __int128 target = (static_cast<__int128>(deadline + 1) * 1'000'000'000 + frequency_ - 1) /
                          frequency_;
  AdvanceToNs(static_cast<int64_t>(target));
}

}  // namespace zel
