#include "sim/sim_peer.h"

namespace zel::sim {

SimPeer::SimPeer(DeviceProfile profile, uint64_t noiseKey)
    : device_(std::move(profile), noiseKey),
      faults_(noiseKey),
      endpoint_(device_, faults_),
      hart_(device_, noiseKey) {
  line_.Add(&endpoint_);
  line_.Add(&hart_);
}

void SimPeer::Receive(PipeLine& line, const uint8_t* data, size_t size, int64_t endNs) {
  DeliverTo(line, line_, data, size, endNs);
}

}  // namespace zel::sim
