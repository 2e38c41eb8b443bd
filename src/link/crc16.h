#pragma once
// CRC-16 with the MODBUS parameters (polynomial 0xA001 reflected, start 0xFFFF, no final XOR).
// It closes every frame, the memory blocks written to the flow computer and the calibration
// files; it goes on the wire low byte first.

#include <cstddef>
#include <cstdint>

namespace zel {

uint16_t Crc16(const uint8_t* data, size_t size);

// Stores the CRC of data[0..size) at data[size] (low) and data[size + 1] (high).
void AppendCrc16(uint8_t* data, size_t size);
// True when data[size], data[size + 1] hold the CRC of data[0..size).
bool CheckCrc16(const uint8_t* data, size_t size);

}  // namespace zel
