#pragma once
// The three commands of zelmark-cli, each producing one JSON object and an exit status.

#include <QJsonObject>

#include "cli/cli_options.h"
#include "link/clock.h"
#include "link/serial_line.h"
#include "shell/shared_state.h"

namespace zel::cli {

enum ExitStatus { kOk = 0, kUsage = 1, kLinkFailure = 2, kRefused = 3, kNotServed = 4 };

struct Result {
  ExitStatus status = kOk;
  QJsonObject json;
};

// Runs the command of `options` on `line` (closed on entry) with `state` holding the settings
// and language. `makeLine` gives fresh lines for port tests.
Result RunCommand(const Options& options, SharedState& state, SerialLine& line, Clock& clock);

}  // namespace zel::cli
