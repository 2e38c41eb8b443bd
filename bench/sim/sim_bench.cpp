// The simulated flow computer on virtual time: how much faster than the line itself a test
// runs. One iteration reads the demo device's whole calibration memory (8 KiB in 120-byte
// chunks, as the program reads it) through ExchangeFrame at 9600 bit/s; the counters show
// exchanges per wall-clock second and the virtual seconds the line would take per wall-clock
// second (the speed-up of a test over a real line).
//
// Run: build/bin/bench_sim

#include <benchmark/benchmark.h>

#include "link/exchange.h"
#include "link/pipe_line.h"
#include "shell/settings.h"
#include "sim/device_protocol.h"
#include "sim/memory_map.h"
#include "sim/sim_peer.h"

namespace {

using namespace zel;

void ReadWholeMemory(benchmark::State& state) {
  VirtualClock clock;
  sim::SimPeer peer(*sim::FindProfile(sim::kDemoProfile));
  PipeLine line(clock, &peer);
  Settings settings;
  settings.Kol_povt = 1;
  LinkContext link{line, clock, settings};
  line.Open(QStringLiteral("/dev/ttyS0"));
  line.Apply({peer.device().profile().baud, Parity::None});
  ExchangeBuffer buffer;
  int64_t exchanges = 0;
  const int64_t start = clock.NowNs();
  for (auto _ : state) {
    for (int address = 0; address < sim::map::kMemorySize; address += 120) {
      const int count = std::min(120, sim::map::kMemorySize - address);
      peer.device().order().PutU16(&buffer.Q(0), uint16_t(address));
      buffer.Q(2) = uint8_t(count);
      if (ExchangeFrame(link, buffer, {true, 9, sim::kReadMemory, 1, false, 0, 1}) != LinkStatus::LinkOk) {
        state.SkipWithError("exchange failed");
        return;
      }
      ++exchanges;
    }
  }
  state.counters["exchanges_per_s"] = benchmark::Counter(double(exchanges), benchmark::Counter::kIsRate);
  state.counters["line_s_per_s"] =
      benchmark::Counter(double(clock.NowNs() - start) / 1e9, benchmark::Counter::kIsRate);
}

BENCHMARK(ReadWholeMemory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
