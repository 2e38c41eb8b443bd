#pragma once
// The device's end of the line, shared by both transports: it takes the bytes the program
// sent with their arrival times and the line's state, finds the request frames, ignores what
// a real device ignores (a wrong checksum, another address, a line at another speed), lets the
// flow computer answer, applies the faults, logs the traffic, and says which bytes go back and
// when they start.

#include <cstdint>
#include <vector>

#include "link/pipe_line.h"
#include "link/serial_line.h"
#include "sim/fault_plan.h"
#include "sim/flow_computer.h"
#include "sim/frame_log.h"
#include "sim/frame_reader.h"

namespace zel::sim {

struct Transmission {
  std::vector<uint8_t> bytes;
  int64_t startNs = 0;  // when the first byte starts leaving the device
};

struct EndpointStats {
  uint64_t requests = 0;         // frames for this device with a good checksum
  uint64_t answered = 0;
  uint64_t silent = 0;           // answers lost by the silence fault
  uint64_t ignoredChecksum = 0;
  uint64_t ignoredAddress = 0;
  uint64_t ignoredLine = 0;      // bytes received at a speed or parity the device is not set to
  EndpointStats& operator+=(const EndpointStats& o);
};

// Nanoseconds of one character (start bit, 8 data bits, parity bit if any, stop bit).
int64_t CharacterNs(const LineSettings& line);

// What a transport serves: something on the line that hears the program's bytes and answers.
class LineListener {
 public:
  virtual ~LineListener() = default;
  // Bytes from the program on a line set to `line`: byte i arrived at firstNs + i character
  // times. `parityKnown` is false where the line cannot tell parity (a pseudo-terminal).
  // Returns what goes back; its bytes leave one character time apart.
  virtual std::vector<Transmission> Receive(const uint8_t* data, size_t size, int64_t firstNs,
                                            const LineSettings& line, bool parityKnown) = 0;
  virtual EndpointStats stats() const = 0;
};

// Hands what the program wrote on the in-process `line` (the last byte arriving at `endNs`)
// to `listener` and queues its answers on the line.
void DeliverTo(PipeLine& line, LineListener& listener, const uint8_t* data, size_t size,
               int64_t endNs);

// Several listeners on one line (the flow computer and a HART transmitter).
class ListenerGroup final : public LineListener {
 public:
  void Add(LineListener* listener) { members_.push_back(listener); }
  std::vector<Transmission> Receive(const uint8_t* data, size_t size, int64_t firstNs,
                                    const LineSettings& line, bool parityKnown) override;
  EndpointStats stats() const override;

 private:
  std::vector<LineListener*> members_;
};

class DeviceEndpoint final : public LineListener {
 public:
  DeviceEndpoint(FlowComputer& device, FaultPlan& faults, FrameLog* log = nullptr);

  // The device hears the bytes only at its own speed without parity; at any other setting it
  // hears garbage and answers nothing.
  std::vector<Transmission> Receive(const uint8_t* data, size_t size, int64_t firstNs,
                                    const LineSettings& line, bool parityKnown) override;
  EndpointStats stats() const override { return stats_; }

  void SetLog(FrameLog* log) { log_ = log; }
  FlowComputer& device() { return device_; }

 private:
  void HandleFrame(const FrameReader::Frame& frame, int64_t charNs,
                   std::vector<Transmission>& out);

  FlowComputer& device_;
  FaultPlan& faults_;
  FrameLog* log_;
  FrameReader reader_;
  EndpointStats stats_;
};

}  // namespace zel::sim
