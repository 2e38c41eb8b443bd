#include "support/pty_pair.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>

namespace zel::test {

PtyPair::PtyPair() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) return;
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    ::close(master_);
    master_ = -1;
    return;
  }
  slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
  // Raw mode on the slave so bytes pass unchanged in both directions.
  keepSlave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
  struct termios2 t {};
  if (keepSlave_ >= 0 && ::ioctl(keepSlave_, TCGETS2, &t) == 0) {
    t.c_iflag = 0;
    t.c_oflag = 0;
    t.c_lflag = 0;
    t.c_cflag |= CREAD | CLOCAL;
    ::ioctl(keepSlave_, TCSETS2, &t);
  }
}

PtyPair::~PtyPair() {
  if (keepSlave_ >= 0) ::close(keepSlave_);
  if (master_ >= 0) ::close(master_);
}

bool PtyPair::Send(const std::vector<uint8_t>& bytes) {
  return ::write(master_, bytes.data(), bytes.size()) == ssize_t(bytes.size());
}

std::vector<uint8_t> PtyPair::Receive(size_t count, int timeoutMs) {
  std::vector<uint8_t> out;
  while (out.size() < count) {
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) break;
    uint8_t buf[512];
    const ssize_t n = ::read(master_, buf, std::min(sizeof buf, count - out.size()));
    if (n <= 0) break;
    out.insert(out.end(), buf, buf + n);
  }
  return out;
}

uint32_t PtyPair::Speed() const {
  struct termios2 t {};
  if (::ioctl(master_, TCGETS2, &t) != 0) return 0;
  return t.c_ospeed;
}

bool PtyPair::EightDataBits() const {
  struct termios2 t {};
  return ::ioctl(master_, TCGETS2, &t) == 0 && (t.c_cflag & CSIZE) == CS8;
}

}  // namespace zel::test
