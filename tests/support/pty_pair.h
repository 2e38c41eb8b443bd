#pragma once
// A pseudo-terminal pair for tests of the real serial backend: the program opens the slave's
// path as its port; the test plays the device on the master.

#include <QString>
#include <cstdint>
#include <vector>

namespace zel::test {

class PtyPair {
 public:
  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return master_ >= 0; }
  int master() const { return master_; }
  // The path the program opens.
  QString slavePath() const { return slavePath_; }
  // Writes to the program's side of the line.
  bool Send(const std::vector<uint8_t>& bytes);
  // Reads what the program wrote: up to `count` bytes, waiting at most `timeoutMs` for each
  // chunk. The timeout only bounds a failing test.
  std::vector<uint8_t> Receive(size_t count, int timeoutMs = 5000);
  // The line speed the program set (read through the master, which shares the slave's
  // settings), and whether 8 data bits are set.
  uint32_t Speed() const;
  bool EightDataBits() const;

 private:
  int master_ = -1;
  int keepSlave_ = -1;  // keeps the slave side alive between the program's opens
  QString slavePath_;
};

}  // namespace zel::test
