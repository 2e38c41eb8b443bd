#pragma once
// A real serial port through QSerialPort, used synchronously: writes are flushed before
// Write returns and reads wait on the port under the driver-style timeouts.

#include <QSerialPort>
#include <QString>

#include "link/serial_line.h"

namespace zel {

class QtSerialLine final : public SerialLine {
 public:
  QtSerialLine();
  ~QtSerialLine() override;

  bool Open(const QString& path) override;
  bool IsOpen() const override { return port_.isOpen(); }
  void Close() override;
  bool SetQueueSizes(uint32_t receive, uint32_t transmit) override;
  bool Apply(const LineSettings& settings) override;
  bool SetDtr(bool on) override;
  bool SetRts(bool on) override;
  bool Purge() override;
  void SetReadTimeouts(const ReadTimeouts& timeouts) override { timeouts_ = timeouts; }
  bool Write(const uint8_t* data, size_t size) override;
  bool Read(uint8_t* data, size_t size, size_t* got) override;

  // The reason of the last failure of Open, Write or Read, for messages and logs.
  QString errorText() const { return error_; }

 private:
  QSerialPort port_;
  ReadTimeouts timeouts_;
  uint32_t baud_ = 1200;
  QString error_;
};

}  // namespace zel
