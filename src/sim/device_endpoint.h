#pragma once
// The device's end of the line, shared by both transports: it takes the bytes the program
// sent with their arrival times and the line's state, finds the request frames, ignores what
// a real device ignores (a wrong checksum, another address, a line at another speed), lets the
// flow computer answer, applies the faults, logs the traffic, and says which bytes go back and
// when they start.

#include <cstdint>
#include <vector>

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
};

class DeviceEndpoint {
 public:
  DeviceEndpoint(FlowComputer& device, FaultPlan& faults, FrameLog* log = nullptr);

  // Bytes from the program: byte i arrived at firstNs + i * charNs, where charNs is a
  // character time at the device's speed (answers leave at the same pace). `lineMatches` is false
  // when the line runs at a speed or parity the device does not listen at: it then hears only
  // garbage and answers nothing.
  std::vector<Transmission> Receive(const uint8_t* data, size_t size, int64_t firstNs,
                                    int64_t charNs, bool lineMatches);

  void SetLog(FrameLog* log) { log_ = log; }
  const EndpointStats& stats() const { return stats_; }
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
