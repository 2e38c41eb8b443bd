#pragma once
// Command-line options of zelmark-cli and their checks.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "shell/settings.h"

namespace zel::cli {

enum class Command { Probe, Connect, Raw };

struct Options {
  Command command = Command::Probe;
  Settings settings;  // the link settings after the options are applied
  QString portPath;   // the device the port stands for
  bool autoBaud = false;
  QString password;
  bool releaseService = false;
  bool verbose = false;
  // raw
  int rawCommand = -1;
  bool rawLong = false;
  int rawLength = 0;
  QByteArray rawData;
};

// Parses the arguments (without the program name). On a usage error returns nothing and
// sets `error`; `--help` also returns nothing with `error` empty and `help` set.
std::optional<Options> ParseOptions(const QStringList& arguments, QString* error, QString* help);

}  // namespace zel::cli
