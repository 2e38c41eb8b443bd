#include "sim/sim_peer.h"

namespace zel::sim {

SimPeer::SimPeer(DeviceProfile profile, uint64_t noiseKey)
    : device_(std::move(profile), noiseKey), faults_(noiseKey), endpoint_(device_, faults_) {}

void SimPeer::Receive(PipeLine& line, const uint8_t* data, size_t size, int64_t endNs) {
  if (size == 0) return;
  const int64_t charNs = line.CharacterNs();
  const LineSettings& s = line.settings();
  const bool matches = s.baud == device_.profile().baud && s.parity == Parity::None;
  const int64_t firstNs = endNs - int64_t(size - 1) * charNs;
  for (const Transmission& t : endpoint_.Receive(data, size, firstNs, charNs, matches))
    line.Deliver(t.bytes, t.startNs);
}

}  // namespace zel::sim
