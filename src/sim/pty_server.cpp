#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace zel::sim {

namespace {

int64_t SteadyNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

speed_t SpeedConstant(uint32_t baud) {
  switch (baud) {
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
  }
}

std::string Errno(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

PtyServer::PtyServer(LineListener& listener, uint32_t initialSpeed)
    : listener_(listener), initialSpeed_(initialSpeed), startNs_(SteadyNs()) {}

PtyServer::~PtyServer() { Close(); }

int64_t PtyServer::NowNs() const { return SteadyNs() - startNs_; }

bool PtyServer::Open(const std::string& linkPath, std::string* error) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0) {
    *error = Errno("posix_openpt");
    return false;
  }
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    *error = Errno("grantpt/unlockpt");
    Close();
    return false;
  }
  char name[128];
  if (::ptsname_r(master_, name, sizeof name) != 0) {
    *error = Errno("ptsname");
    Close();
    return false;
  }
  slavePath_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    *error = Errno(name);
    Close();
    return false;
  }
  // Raw bytes both ways, and the device's own speed, for a program that sets none.
  termios t{};
  if (::tcgetattr(slave_, &t) == 0) {
    ::cfmakeraw(&t);
    const speed_t speed = SpeedConstant(initialSpeed_);
    if (speed != B0) ::cfsetspeed(&t, speed);
    ::tcsetattr(slave_, TCSANOW, &t);
  }
  if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
    *error = Errno("pipe");
    Close();
    return false;
  }
  struct stat st {};
  if (::lstat(linkPath.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      *error = linkPath + " exists and is not a symbolic link; choose another path";
      Close();
      return false;
    }
    ::unlink(linkPath.c_str());
  }
  if (::symlink(slavePath_.c_str(), linkPath.c_str()) != 0) {
    *error = Errno(linkPath.c_str());
    Close();
    return false;
  }
  linkPath_ = linkPath;
  return true;
}

void PtyServer::Close() {
  if (!linkPath_.empty()) {
    char target[256];
    const ssize_t n = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, size_t(n)) == slavePath_) ::unlink(linkPath_.c_str());
    linkPath_.clear();
  }
  for (int* fd : {&master_, &slave_, &wake_[0], &wake_[1]}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

void PtyServer::Stop() {
  if (wake_[1] >= 0) {
    const char c = 'x';
    [[maybe_unused]] const ssize_t n = ::write(wake_[1], &c, 1);
  }
}

void PtyServer::SetConsole(int fd, int replyFd,
                           std::function<std::string(const std::string&, int64_t)> onLine) {
  consoleFd_ = fd;
  replyFd_ = replyFd;
  onLine_ = std::move(onLine);
}

bool PtyServer::WaitFor(const std::function<bool(const EndpointStats&)>& done, int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return done(published_); });
}

void PtyServer::Queue(const std::vector<Transmission>& transmissions, int64_t charNs) {
  for (const Transmission& t : transmissions) {
    int64_t ns = t.startNs;
    // Bytes leave in order; a later transmission never overtakes one already queued.
    if (!outgoing_.empty()) ns = std::max(ns, outgoing_.back().ns + charNs);
    for (uint8_t b : t.bytes) {
      outgoing_.push_back({b, ns});
      ns += charNs;
    }
  }
}

void PtyServer::ReadLine() {
  uint8_t buf[512];
  for (;;) {
    const ssize_t n = ::read(master_, buf, sizeof buf);
    if (n <= 0) return;  // drained (EAGAIN), or nobody has the terminal open
    const int64_t now = NowNs();
    // A pseudo-terminal keeps the speed the program set, but not its parity flag.
    const LineSettings line{TerminalSpeed(slave_), Parity::None};
    const int64_t charNs = CharacterNs(line);
    // The bytes came in one character time apart, the last one just now.
    const int64_t firstNs = now - int64_t(n - 1) * charNs;
    Queue(listener_.Receive(buf, size_t(n), firstNs, line, false), charNs);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      published_ = listener_.stats();
    }
    changed_.notify_all();
  }
}

bool PtyServer::SendDue(std::string* error) {
  const int64_t now = NowNs();
  while (!outgoing_.empty() && outgoing_.front().ns <= now) {
    const ssize_t n = ::write(master_, &outgoing_.front().byte, 1);
    if (n < 0 && errno != EAGAIN && errno != EIO) {
      *error = Errno("write to the terminal");
      return false;
    }
    // A full queue (nobody reads) loses the byte, as a line without a listener does.
    outgoing_.pop_front();
  }
  return true;
}

void PtyServer::ReadConsole() {
  char buf[256];
  const ssize_t n = ::read(consoleFd_, buf, sizeof buf);
  if (n <= 0) {
    consoleFd_ = -1;  // end of input: serve on without a console
    return;
  }
  consoleBuffer_.append(buf, size_t(n));
  size_t nl;
  while ((nl = consoleBuffer_.find('\n')) != std::string::npos) {
    const std::string line = consoleBuffer_.substr(0, nl);
    consoleBuffer_.erase(0, nl + 1);
    const std::string reply = onLine_ ? onLine_(line, NowNs()) : std::string();
    if (!reply.empty() && replyFd_ >= 0)
      [[maybe_unused]] const ssize_t w = ::write(replyFd_, reply.data(), reply.size());
  }
}

int PtyServer::Run(std::string* error) {
  for (;;) {
    pollfd fds[3] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}, {consoleFd_, POLLIN, 0}};
    const nfds_t count = consoleFd_ >= 0 ? 3 : 2;
    // Wake for the next byte due, or every 100 ms (a closed terminal reports POLLHUP at once).
    int64_t waitNs = 100'000'000;
    if (!outgoing_.empty()) waitNs = std::clamp<int64_t>(outgoing_.front().ns - NowNs(), 0, waitNs);
    const timespec timeout{time_t(waitNs / 1'000'000'000), long(waitNs % 1'000'000'000)};
    const int ready = ::ppoll(fds, count, &timeout, nullptr);
    if (ready < 0 && errno != EINTR) {
      *error = Errno("poll");
      return 1;
    }
    if (fds[1].revents & POLLIN) return 0;
    if (fds[0].revents & POLLIN) ReadLine();
    if (count == 3 && (fds[2].revents & (POLLIN | POLLHUP))) ReadConsole();
    if (!SendDue(error)) return 1;
  }
}

}  // namespace zel::sim
