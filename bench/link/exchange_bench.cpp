// One ExchangeFrame after another over a pseudo-terminal, against a tiny responder thread that
// answers every probe at once. Reports exchanges per second (wall clock) and the program
// thread's CPU time per exchange; the CPU/real ratio shows how much of an exchange is spent
// spinning rather than waiting. With RTS keying the precise wait of the hold time is included.
//
// Run: build/bin/bench_exchange            (or with --benchmark_repetitions=5)

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "link/clock.h"
#include "link/exchange.h"
#include "link/qt_serial_line.h"
#include "shell/settings.h"
#include "support/pty_pair.h"

namespace {

using namespace zel;

// Answers each probe frame (16 bytes with 10 preambles) with the worked example's answer.
class Responder {
 public:
  explicit Responder(int fd) : fd_(fd), thread_([this] { Run(); }) {}
  ~Responder() {
    stop_ = true;
    thread_.join();
  }

 private:
  void Run() {
    static const uint8_t answer[] = {0x55, 0x01, 0x07, 0x82, 0x2A, 0x79, 0x4E};
    uint8_t buf[256];
    size_t have = 0;
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      const ssize_t n = ::read(fd_, buf + have, sizeof buf - have);
      if (n <= 0) continue;
      have += size_t(n);
      if (have >= 16) {
        have = 0;
        if (::write(fd_, answer, sizeof answer) != ssize_t(sizeof answer)) return;
      }
    }
  }
  int fd_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

void Exchange(benchmark::State& state) {
  test::PtyPair pty;
  QtSerialLine line;
  if (!pty.ok() || !line.Open(pty.slavePath())) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  Settings settings;
  settings.BaudRate = 15;  // 115200 bit/s
  settings.Upr_Sign = int(state.range(0));
  line.Apply({115200, Parity::None});
  RealClock clock;
  LinkContext link{line, clock, settings};
  link.deviceKind = 7;
  Responder responder(pty.master());
  ExchangeBuffer buffer;
  for (auto _ : state) {
    if (ExchangeFrame(link, buffer, {false, 6, 2, kProbeMode, true, 1, 1}) != LinkStatus::LinkOk) {
      state.SkipWithError("exchange failed");
      break;
    }
  }
  state.counters["exchanges_per_s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(Exchange)->Arg(0)->Arg(1)->ArgName("rts")->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // QSerialPort's notifiers want an application object
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
