#pragma once
// The serial line to the flow computer (or to a HART modem): what the link needs of a port.
// Implementations: QtSerialLine (a real port through QSerialPort) and PipeLine (an in-process
// peer on virtual time, for tests and the built-in simulator).

#include <QString>
#include <cstddef>
#include <cstdint>

namespace zel {

enum class Parity : uint8_t { None, Odd };

// 8 data bits and one stop bit always; speed and parity vary.
struct LineSettings {
  uint32_t baud = 1200;
  Parity parity = Parity::None;
  bool operator==(const LineSettings&) const = default;
};

// Read timeouts with the meaning of the serial driver's per-read timeouts: a read of n bytes
// ends when n bytes have arrived, when more than `intervalMs` pass between two bytes (counted
// from the first byte on), or when multiplierMs * n + constantMs have passed in all.
// A zero field disables that limit.
struct ReadTimeouts {
  uint32_t intervalMs = 0;
  uint32_t multiplierMs = 0;
  uint32_t constantMs = 0;
};

class SerialLine {
 public:
  virtual ~SerialLine() = default;
  // Opens the device exclusively; fails when it is missing or another program holds it.
  virtual bool Open(const QString& path) = 0;
  virtual bool IsOpen() const = 0;
  // Closing a closed line is harmless.
  virtual void Close() = 0;
  virtual bool SetQueueSizes(uint32_t receive, uint32_t transmit) = 0;
  virtual bool Apply(const LineSettings& settings) = 0;
  virtual bool SetDtr(bool on) = 0;
  virtual bool SetRts(bool on) = 0;
  // Discards whatever waits in the transmit and receive queues.
  virtual bool Purge() = 0;
  virtual void SetReadTimeouts(const ReadTimeouts& timeouts) = 0;
  // Writes all bytes and returns when the driver has taken them; false on a port failure.
  virtual bool Write(const uint8_t* data, size_t size) = 0;
  // Reads up to `size` bytes under the current timeouts; `*got` receives the count.
  // Returns false only when the port itself fails.
  virtual bool Read(uint8_t* data, size_t size, size_t* got) = 0;
};

// The speed table: index 0..15 to bit/s.
constexpr uint32_t kSpeedTable[16] = {300,  600,  1200,  2400,  3200,  3600,  4800,  6400,
                                      7200, 9600, 14400, 19200, 28800, 38400, 57600, 115200};
constexpr int kSpeedCount = 16;
// Bit/s of a speed index; the default speed for an index outside the table.
uint32_t SpeedOfIndex(int index);
// Index of a bit rate in the speed table, or -1.
int IndexOfSpeed(uint32_t baud);

}  // namespace zel
