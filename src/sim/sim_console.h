#pragma once
// The simulator's console: a person at zelmark-sim sets the true process values (what a
// reference instrument would show) and looks at the device's state while a program talks to
// it. The same settings are accepted on the command line (--set 1.p=32.5).

#include <string>

#include "sim/flow_computer.h"

namespace zel::sim {

// Applies "RUN.QUANTITY=VALUE" or "ambient=VALUE" (QUANTITY: p, t, dp, flow); an error text,
// or an empty text when it was applied.
std::string ApplySetting(FlowComputer& device, const std::string& setting);
// Answers one console line (help, show, set ...); the reply ends with a newline.
std::string ConsoleCommand(FlowComputer& device, const std::string& line, int64_t nowNs);

}  // namespace zel::sim
