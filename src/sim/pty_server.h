#pragma once
// The simulated flow computer on a pseudo-terminal: any serial program opens the terminal
// (through a symbolic link at a path of the user's choice) and talks to the device. The device
// listens at its profile's speed only: it reads the speed the program applied to the terminal;
// a pseudo-terminal does not keep the parity flag, so parity is not judged. Answers start a few
// milliseconds after the request and leave one character time apart at the device's speed.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "sim/device_endpoint.h"

namespace zel::sim {

class PtyServer {
 public:
  // Serves `listener`; the terminal starts out raw at `initialSpeed` (for programs that set
  // none).
  PtyServer(LineListener& listener, uint32_t initialSpeed);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Opens the pseudo-terminal and makes `linkPath` a symbolic link to it; an existing link there
  // is replaced, anything else at that path is left alone and reported. False with `error` set.
  bool Open(const std::string& linkPath, std::string* error);
  const std::string& terminalPath() const { return slavePath_; }
  // Serves until Stop(); 0 when stopped, 1 after a failure of the terminal (message in `error`).
  int Run(std::string* error);
  // Ends Run() soon; safe from another thread and from a signal handler.
  void Stop();
  // Removes the link (if it still points to this terminal) and closes the terminal.
  void Close();

  // Lines typed on `fd` go to `onLine`; its reply is written to `replyFd`.
  void SetConsole(int fd, int replyFd, std::function<std::string(const std::string&, int64_t)> onLine);
  // Nanoseconds since the server was made: the device's clock.
  int64_t NowNs() const;
  // Waits until `done(stats)` holds (checked after every chunk received) or `timeoutMs` pass.
  bool WaitFor(const std::function<bool(const EndpointStats&)>& done, int timeoutMs);

 private:
  struct Outgoing {
    uint8_t byte;
    int64_t ns;
  };
  void ReadLine();
  void ReadConsole();
  void Queue(const std::vector<Transmission>& transmissions, int64_t charNs);

  bool SendDue(std::string* error);

  LineListener& listener_;
  uint32_t initialSpeed_;
  int master_ = -1;
  int slave_ = -1;  // held open so the terminal stays usable between the program's opens
  int wake_[2] = {-1, -1};
  int consoleFd_ = -1;
  int replyFd_ = -1;
  std::function<std::string(const std::string&, int64_t)> onLine_;
  std::string consoleBuffer_;
  std::string slavePath_;
  std::string linkPath_;
  int64_t startNs_;
  std::deque<Outgoing> outgoing_;
  std::mutex mutex_;
  std::condition_variable changed_;
  EndpointStats published_;
};

// The speed (bit/s) a program set on the terminal `fd`, standard or not; 0 when unknown.
uint32_t TerminalSpeed(int fd);

}  // namespace zel::sim
