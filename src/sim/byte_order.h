#pragma once
// Numbers as the flow computer keeps them: 16- and 32-bit words, 3-byte ADC codes and
// single-precision floats, most significant byte first unless the device announces
// little-endian order in its identification.

#include <bit>
#include <cstdint>
#include <cstring>

namespace zel::sim {

class ByteOrder {
 public:
  explicit ByteOrder(bool littleEndian) : little_(littleEndian) {}
  bool little() const { return little_; }

  void PutU16(uint8_t* p, uint16_t v) const { PutN(p, v, 2); }
  void PutU24(uint8_t* p, uint32_t v) const { PutN(p, v, 3); }
  void PutU32(uint8_t* p, uint32_t v) const { PutN(p, v, 4); }
  void PutF32(uint8_t* p, float v) const { PutU32(p, std::bit_cast<uint32_t>(v)); }

  uint16_t U16(const uint8_t* p) const { return static_cast<uint16_t>(GetN(p, 2)); }
  uint32_t U24(const uint8_t* p) const { return GetN(p, 3); }
  uint32_t U32(const uint8_t* p) const { return GetN(p, 4); }
  float F32(const uint8_t* p) const { return std::bit_cast<float>(U32(p)); }

 private:
  void PutN(uint8_t* p, uint32_t v, int n) const {
    for (int i = 0; i < n; ++i) {
      const int shift = 8 * (little_ ? i : n - 1 - i);
      p[i] = static_cast<uint8_t>(v >> shift);
    }
  }
  uint32_t GetN(const uint8_t* p, int n) const {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= uint32_t(p[i]) << (8 * (little_ ? i : n - 1 - i));
    return v;
  }
  bool little_;
};

}  // namespace zel::sim
