#pragma once
// HART devices on a serial line at 1200 bit/s with odd parity: a reference pressure transmitter
// (model 3051, or the multivariable 3095) that a metrologist connects for verification, and on
// kinds 9 and 19 the flow computer's own HART sensors. They hear requests with preambles
// (0xFF), short frames by poll address and long frames by the 5-byte long address, and answer
// after their own preambles.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/pipe_line.h"
#include "sim/device_endpoint.h"
#include "sim/flow_computer.h"
#include "sim/frame_log.h"
#include "sim/noise_source.h"

namespace zel::sim {

struct HartReference {
  int model = 3051;         // 3051: one pressure; 3095: dP, pressure, temperature, sensor temperature
  uint8_t pollAddress = 1;  // 1..15
  int run = 1;              // the run whose pipe it is connected to
  Quantity quantity = Quantity::Pressure;  // what a 3051 measures
  // The long address; all zeros: made up from the model and the poll address.
  std::array<uint8_t, 5> longAddress{};
};

// Reads "MODEL[,ADDRESS[,RUN.QUANTITY]]" (3051,1,1.p; 3095,2,1); nothing and `error` set when
// the text is not one.
std::optional<HartReference> ParseHartReference(const std::string& text, std::string* error);

class HartBus final : public LineListener {
 public:
  // The devices read the true values of `device`'s runs; `noiseKey` repeats their noise.
  // `withDeviceSensors`: the bus is the flow computer's own line, where kinds 9 and 19 keep
  // their HART sensors.
  explicit HartBus(FlowComputer& device, uint64_t noiseKey = 1, bool withDeviceSensors = true,
                   FrameLog* log = nullptr);

  // Connects a reference transmitter; an error text when it cannot be connected as described.
  std::string AddReference(const HartReference& reference);
  const std::vector<HartReference>& references() const { return references_; }
  void SetLog(FrameLog* log) { log_ = log; }

  std::vector<Transmission> Receive(const uint8_t* data, size_t size, int64_t firstNs,
                                    const LineSettings& line, bool parityKnown) override;
  EndpointStats stats() const override { return stats_; }

  static constexpr LineSettings kLine{1200, Parity::Odd};

 private:
  void Push(uint8_t byte, int64_t ns, std::vector<Transmission>& out);
  std::optional<std::vector<uint8_t>> Answer(const std::vector<uint8_t>& frame, int64_t ns);
  std::optional<std::vector<uint8_t>> AnswerReference(HartReference& ref,
                                                      const std::vector<uint8_t>& frame, int64_t ns);

  FlowComputer& device_;
  uint64_t noiseKey_;
  bool withDeviceSensors_;
  FrameLog* log_;
  std::vector<HartReference> references_;
  EndpointStats stats_;
  // The receiver.
  int preambles_ = 0;
  std::vector<uint8_t> frame_;
  int64_t lastNs_ = 0;
};

// A HART bus on a port of its own (the reference transmitter on a second serial port).
class HartPeer final : public LinePeer {
 public:
  explicit HartPeer(FlowComputer& device, uint64_t noiseKey = 1) : bus_(device, noiseKey, false) {}
  void Receive(PipeLine& line, const uint8_t* data, size_t size, int64_t endNs) override;
  HartBus& bus() { return bus_; }

 private:
  HartBus bus_;
};

}  // namespace zel::sim
