#pragma once
// The device's receiver: finds request frames in the byte stream from the line. Preambles and
// anything else before a start byte (0xAA or 0xBB) are skipped; a frame is complete when the
// number of bytes its length byte announces has arrived. A pause in the middle of a frame
// abandons it, as a UART receiver's idle timeout does.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zel::sim {

class FrameReader {
 public:
  // `gapNs`: the silence after which a partial frame is dropped.
  explicit FrameReader(int64_t gapNs) : gapNs_(gapNs) {}

  struct Frame {
    std::vector<uint8_t> bytes;     // start byte to checksum
    std::vector<uint8_t> raw;       // everything received since the previous frame
    int64_t firstNs = 0;            // arrival of the first raw byte
    int64_t endNs = 0;              // arrival of the last byte
  };

  // Takes one byte that arrived at `ns`; returns true when it completed a frame, which
  // TakeFrame() then hands out.
  bool Push(uint8_t byte, int64_t ns);
  Frame TakeFrame();
  // Forgets a partial frame (the line speed changed, the port was reopened).
  void Reset();
  size_t droppedPartials() const { return droppedPartials_; }

 private:
  int64_t gapNs_;
  std::vector<uint8_t> frame_;
  std::vector<uint8_t> raw_;
  int64_t rawStartNs_ = 0;
  int64_t lastNs_ = 0;
  Frame done_;
  size_t droppedPartials_ = 0;
};

}  // namespace zel::sim
