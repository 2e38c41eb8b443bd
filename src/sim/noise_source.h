#pragma once
// A small repeatable random generator (splitmix64). The same key gives the same sequence on
// every platform, so a run with faults or measurement noise can be repeated exactly.

#include <cmath>
#include <cstdint>

namespace zel::sim {

class NoiseSource {
 public:
  explicit NoiseSource(uint64_t key = 1) : state_(key) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform integer in [0, n); 0 when n is 0.
  uint32_t Below(uint32_t n) { return n == 0 ? 0 : static_cast<uint32_t>(Next() % n); }
  // Standard normal value (Box-Muller; one of the pair is enough here).
  double Normal() {
    const double u1 = 1.0 - Uniform();  // (0, 1]: the logarithm stays finite
    const double u2 = Uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
  }

  // A value that depends only on the key and the given coordinates: the noise of one
  // measurement stays the same however often it is read.
  static uint64_t Mix(uint64_t key, uint64_t a, uint64_t b = 0, uint64_t c = 0) {
    NoiseSource s(key ^ (a * 0xD6E8FEB86659FD93ull) ^ (b * 0xA0761D6478BD642Full) ^
                  (c * 0xE7037ED1A0B428DBull));
    return s.Next();
  }

 private:
  uint64_t state_;
};

}  // namespace zel::sim
