#include "link/crc16.h"

namespace zel {

uint16_t Crc16(const uint8_t* data, size_t size) {
  uint16_t crc = 0xFFFF;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return crc;
}

void AppendCrc16(uint8_t* data, size_t size) {
  const uint16_t crc = Crc16(data, size);
  data[size] = static_cast<uint8_t>(crc & 0xFF);
  data[size + 1] = static_cast<uint8_t>(crc >> 8);
}

bool CheckCrc16(const uint8_t* data, size_t size) {
  const uint16_t crc = Crc16(data, size);
  return data[size] == (crc & 0xFF) && data[size + 1] == (crc >> 8);
}

}  // namespace zel
