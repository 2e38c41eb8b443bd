#include "link/port.h"

namespace zel {

bool OpenPort(SerialLine& line, const Settings& settings) {
  const QString path = settings.PortPath(settings.NumPort);
  if (path.isEmpty() || !line.Open(path)) return false;
  line.SetQueueSizes(kReceiveQueueSize, kTransmitQueueSize);
  return true;
}

void ApplySpeed(SerialLine& line, const Settings& settings) {
  line.Apply(LineSettings{SpeedOfIndex(settings.BaudRate), Parity::None});
}

void ClosePort(SerialLine& line) { line.Close(); }

std::array<bool, kPortCount> ProbePorts(
    const Settings& settings, const std::function<std::unique_ptr<SerialLine>()>& makeLine,
    const std::function<void(int, bool)>& onPort) {
  std::array<bool, kPortCount> present{};
  for (int i = 0; i < kPortCount; ++i) {
    auto line = makeLine();
    const QString path = settings.PortPath(i);
    present[i] = !path.isEmpty() && line->Open(path);
    line->Close();
    if (onPort) onPort(i, present[i]);
  }
  return present;
}

uint32_t SpeedOfIndex(int index) {
  // An index outside the table (only from a hand-edited settings file) falls back to the
  // default speed instead of reading past the table.
  return index >= 0 && index < kSpeedCount ? kSpeedTable[index] : kSpeedTable[2];
}

int IndexOfSpeed(uint32_t baud) {
  for (int i = 0; i < kSpeedCount; ++i)
    if (kSpeedTable[i] == baud) return i;
  return -1;
}

}  // namespace zel
