#pragma once
// The simulated flow computer on the in-process line (PipeLine on a VirtualClock): what the
// program writes reaches the device at the line's virtual time, and the answer comes back
// character by character a few milliseconds after the request. The device answers only when
// the line runs at its speed without parity; at 1200 bit/s with odd parity the HART devices on
// the same line answer instead (a reference transmitter once one is connected, and the
// computer's own sensors on kinds 9 and 19).

#include <memory>

#include "link/pipe_line.h"
#include "sim/device_endpoint.h"
#include "sim/hart_bus.h"

namespace zel::sim {

class SimPeer final : public LinePeer {
 public:
  // The device of `profile`; `noiseKey` repeats its measurement noise and its faults.
  explicit SimPeer(DeviceProfile profile, uint64_t noiseKey = 1);

  void Receive(PipeLine& line, const uint8_t* data, size_t size, int64_t endNs) override;

  FlowComputer& device() { return device_; }
  FaultPlan& faults() { return faults_; }
  DeviceEndpoint& endpoint() { return endpoint_; }
  HartBus& hartBus() { return hart_; }
  EndpointStats stats() const { return endpoint_.stats(); }
  void SetLog(FrameLog* log) {
    endpoint_.SetLog(log);
    hart_.SetLog(log);
  }

 private:
  FlowComputer device_;
  FaultPlan faults_;
  DeviceEndpoint endpoint_;
  HartBus hart_;
  ListenerGroup line_;
};

}  // namespace zel::sim
