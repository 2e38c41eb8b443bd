#include "link/qt_serial_line.h"

#include <QElapsedTimer>
#include <algorithm>
#include <limits>
#include <sys/file.h>

namespace zel {

QtSerialLine::QtSerialLine() = default;

QtSerialLine::~QtSerialLine() { Close(); }

bool QtSerialLine::Open(const QString& path) {
  Close();
  port_.setPortName(path);
  if (!port_.open(QIODevice::ReadWrite)) {
    error_ = port_.errorString();
    return false;
  }
  // QSerialPort's lock file keeps out programs that honour lock files; an advisory lock on the
  // descriptor keeps out those that lock the device itself, as most terminal programs do.
  if (::flock(static_cast<int>(port_.handle()), LOCK_EX | LOCK_NB) != 0) {
    error_ = QStringLiteral("%1 is in use by another program").arg(path);
    port_.close();
    return false;
  }
  // No flow control: the program drives DTR and RTS itself.
  port_.setFlowControl(QSerialPort::NoFlowControl);
  return true;
}

void QtSerialLine::Close() {
  if (port_.isOpen()) port_.close();
}

bool QtSerialLine::SetQueueSizes(uint32_t receive, uint32_t) {
  // Linux has no driver queue sizes to set; the nearest is QSerialPort's own read buffer.
  // The transmit side goes straight to the driver.
  port_.setReadBufferSize(receive);
  return port_.isOpen();
}

bool QtSerialLine::Apply(const LineSettings& settings) {
  if (!port_.isOpen()) return false;
  baud_ = settings.baud;
  bool ok = port_.setBaudRate(static_cast<qint32>(settings.baud));
  ok = port_.setDataBits(QSerialPort::Data8) && ok;
  ok = port_.setParity(settings.parity == Parity::Odd ? QSerialPort::OddParity
                                                      : QSerialPort::NoParity) && ok;
  ok = port_.setStopBits(QSerialPort::OneStop) && ok;
  ok = port_.setFlowControl(QSerialPort::NoFlowControl) && ok;
  return ok;
}

bool QtSerialLine::SetDtr(bool on) { return port_.isOpen() && port_.setDataTerminalReady(on); }

bool QtSerialLine::SetRts(bool on) { return port_.isOpen() && port_.setRequestToSend(on); }

bool QtSerialLine::Purge() { return port_.isOpen() && port_.clear(QSerialPort::AllDirections); }

bool QtSerialLine::Write(const uint8_t* data, size_t size) {
  if (!port_.isOpen()) return false;
  const qint64 written = port_.write(reinterpret_cast<const char*>(data), qint64(size));
  if (written != qint64(size)) {
    error_ = port_.errorString();
    return false;
  }
  // Hand everything to the driver before returning, as a synchronous write does; the time the
  // bytes need on the line bounds the wait.
  const int lineMs = int(int64_t(size) * 11 * 1000 / std::max<uint32_t>(baud_, 1));
  while (port_.bytesToWrite() > 0) {
    if (!port_.waitForBytesWritten(lineMs + 2000)) {
      error_ = port_.errorString();
      return false;
    }
  }
  return true;
}

bool QtSerialLine::Read(uint8_t* data, size_t size, size_t* got) {
  *got = 0;
  if (!port_.isOpen()) return false;
  QElapsedTimer timer;
  timer.start();
  constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
  const int64_t totalMs = int64_t(timeouts_.multiplierMs) * int64_t(size) + timeouts_.constantMs;
  const int64_t totalDeadline = totalMs > 0 ? totalMs : kNever;
  int64_t lastByteMs = 0;
  while (*got < size) {
    if (port_.bytesAvailable() > 0) {
      const qint64 n = port_.read(reinterpret_cast<char*>(data + *got), qint64(size - *got));
      if (n < 0) {
        error_ = port_.errorString();
        return false;
      }
      *got += size_t(n);
      lastByteMs = timer.elapsed();
      continue;
    }
    int64_t limit = totalDeadline;
    if (*got > 0 && timeouts_.intervalMs > 0)
      limit = std::min<int64_t>(limit, lastByteMs + timeouts_.intervalMs);
    // Without any timeout a read returns what is there, instead of blocking for ever.
    if (limit == kNever) return true;
    const int64_t left = limit - timer.elapsed();
    if (left <= 0) return true;
    if (!port_.waitForReadyRead(int(std::min<int64_t>(left, std::numeric_limits<int>::max())))) {
      if (port_.error() == QSerialPort::TimeoutError) {
        port_.clearError();
        continue;
      }
      error_ = port_.errorString();
      return false;
    }
  }
  return true;
}

}  // namespace zel
