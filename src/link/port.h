#pragma once
// The flow computer's port: opening it by its number, the line settings, closing, and the
// probe of which ports are present.

#include <array>
#include <functional>
#include <memory>

#include "link/serial_line.h"
#include "shell/settings.h"

namespace zel {

constexpr uint32_t kReceiveQueueSize = 2000;
constexpr uint32_t kTransmitQueueSize = 32000;

// Opens the port of `settings.NumPort` (through the port map) and sets the queue sizes.
bool OpenPort(SerialLine& line, const Settings& settings);
// 8 data bits, no parity, one stop bit at the speed of `settings.BaudRate`.
void ApplySpeed(SerialLine& line, const Settings& settings);
void ClosePort(SerialLine& line);

// Tries to open each of COM1..COM8 with a fresh line from `makeLine`, closing it again at once.
// `onPort(index, present)` is called after each port (for a progress display).
std::array<bool, kPortCount> ProbePorts(
    const Settings& settings, const std::function<std::unique_ptr<SerialLine>()>& makeLine,
    const std::function<void(int, bool)>& onPort = {});

}  // namespace zel
