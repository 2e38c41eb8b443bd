#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "link/link_parameters.h"
#include "link/serial_line.h"

namespace zel::cli {

namespace {

// An integer option inside [low, high]; `error` set when it is not.
bool IntOption(const QCommandLineParser& p, const QString& name, int low, int high, int* out,
               QString* error) {
  if (!p.isSet(name)) return true;
  bool ok = false;
  const int v = p.value(name).toInt(&ok);
  if (!ok || v < low || v > high) {
    *error = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                 .arg(name)
                 .arg(low)
                 .arg(high)
                 .arg(p.value(name));
    return false;
  }
  *out = v;
  return true;
}

}  // namespace

std::optional<Options> ParseOptions(const QStringList& arguments, QString* error, QString* help) {
  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral(
      "Talks to a flow computer over a serial port and prints one JSON object.\n"
      "Commands:\n"
      "  probe    one link probe (with --auto-baud: the speed search)\n"
      "  connect  the whole connection: identification, configuration, run records, tag\n"
      "  raw      one request frame: --command N [--long] [--length L] [--data HEX]\n"
      "Exit status: 0 success, 1 usage error, 2 link failure, 3 refused by the device,\n"
      "4 a computer this program does not serve.\n"
      "Link values come from --settings FILE (never written) or the built-in defaults;\n"
      "the speed search runs only with --auto-baud."));
  p.addHelpOption();
  p.addPositionalArgument(QStringLiteral("command"), QStringLiteral("probe, connect or raw"));
  const auto opt = [&](const char* name, const char* description, const char* value = nullptr) {
    if (value)
      p.addOption({QString::fromLatin1(name), QString::fromLatin1(description),
                   QString::fromLatin1(value)});
    else
      p.addOption({QString::fromLatin1(name), QString::fromLatin1(description)});
  };
  opt("port", "COM1..COM8 (through the settings' port map) or a device path", "COMn|PATH");
  opt("baud", "line speed in bit/s (300 ... 115200)", "BITS_PER_S");
  opt("address", "flow computer address (1 ... 254)", "N");
  opt("preambles", "0xFF preamble bytes (0 ... 25)", "N");
  opt("attempts", "attempts per exchange (1 ... 5)", "N");
  opt("first-byte-timeout", "seconds to wait for an answer (1 ... 20)", "SECONDS");
  opt("byte-timeout", "milliseconds between answer bytes (55 ... 3000)", "MS");
  opt("rts", "key the transmitter with RTS (RS-485 line or modem)");
  opt("auto-baud", "search the line speed");
  opt("password", "write password (default empty)", "TEXT");
  opt("release-service", "take runs found in service mode back to normal operation");
  opt("settings", "INI file whose values are the defaults (never written)", "FILE");
  opt("verbose", "print what is being done on standard error");
  opt("command", "raw: command number (0 ... 255)", "N");
  opt("long", "raw: long frame (start byte 0xBB)");
  opt("length", "raw: frame length (6 ... 255; default 6 + data bytes)", "L");
  opt("data", "raw: data bytes in hexadecimal", "HEX");

  if (!p.parse(QStringList{QStringLiteral("zelmark-cli")} + arguments)) {
    *error = p.errorText();
    return std::nullopt;
  }
  if (p.isSet(QStringLiteral("help"))) {
    *help = p.helpText();
    return std::nullopt;
  }
  const QStringList positional = p.positionalArguments();
  if (positional.size() != 1) {
    *error = QStringLiteral("give exactly one command: probe, connect or raw");
    return std::nullopt;
  }
  Options o;
  const QString command = positional.first();
  if (command == QLatin1String("probe"))
    o.command = Command::Probe;
  else if (command == QLatin1String("connect"))
    o.command = Command::Connect;
  else if (command == QLatin1String("raw"))
    o.command = Command::Raw;
  else {
    *error = QStringLiteral("unknown command \"%1\"").arg(command);
    return std::nullopt;
  }

  if (p.isSet(QStringLiteral("settings"))) o.settings = ReadSettings(p.value(QStringLiteral("settings")));
  Settings& s = o.settings;

  if (p.isSet(QStringLiteral("port"))) {
    const QString port = p.value(QStringLiteral("port"));
    static const QRegularExpression com(QStringLiteral("^COM([1-8])$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(port);
    if (m.hasMatch()) {
      s.NumPort = m.captured(1).toInt() - 1;
    } else if (port.startsWith(u'/')) {
      s.NumPort = 0;
      s.portPaths[0] = port;
    } else {
      *error = QStringLiteral("--port must be COM1 ... COM8 or a device path, not \"%1\"").arg(port);
      return std::nullopt;
    }
  }
  o.portPath = s.PortPath(s.NumPort);
  if (p.isSet(QStringLiteral("baud"))) {
    bool ok = false;
    const int index = IndexOfSpeed(p.value(QStringLiteral("baud")).toUInt(&ok));
    if (!ok || index < 0) {
      *error = QStringLiteral("--baud must be one of 300, 600, 1200, 2400, 3200, 3600, 4800, "
                              "6400, 7200, 9600, 14400, 19200, 28800, 38400, 57600, 115200");
      return std::nullopt;
    }
    s.BaudRate = index;
  }
  int address = s.Adress, attempts = s.Kol_povt;
  if (!IntOption(p, QStringLiteral("address"), kMinAddress, kMaxAddress, &address, error) ||
      !IntOption(p, QStringLiteral("preambles"), 0, kMaxPreambles, &s.Preamb, error) ||
      !IntOption(p, QStringLiteral("attempts"), 1, 5, &attempts, error) ||
      !IntOption(p, QStringLiteral("first-byte-timeout"), 1, 20, &s.WeitTime1, error) ||
      !IntOption(p, QStringLiteral("byte-timeout"), kMinByteTimeoutMs, kMaxByteTimeoutMs,
                 &s.WeitTime2, error))
    return std::nullopt;
  s.Adress = uint8_t(address);
  s.Kol_povt = uint8_t(attempts);
  if (p.isSet(QStringLiteral("rts"))) s.Upr_Sign = 1;
  o.autoBaud = p.isSet(QStringLiteral("auto-baud"));
  s.AOSkor = o.autoBaud ? 1 : 0;
  o.password = p.value(QStringLiteral("password"));
  if (o.password.size() > 16) {
    *error = QStringLiteral("--password holds at most 16 characters");
    return std::nullopt;
  }
  o.releaseService = p.isSet(QStringLiteral("release-service"));
  o.verbose = p.isSet(QStringLiteral("verbose"));

  if (o.command == Command::Raw) {
    if (!p.isSet(QStringLiteral("command"))) {
      *error = QStringLiteral("raw needs --command N");
      return std::nullopt;
    }
    if (!IntOption(p, QStringLiteral("command"), 0, 255, &o.rawCommand, error)) return std::nullopt;
    o.rawLong = p.isSet(QStringLiteral("long"));
    const QString hex = p.value(QStringLiteral("data")).remove(u' ');
    static const QRegularExpression hexDigits(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    if (!hexDigits.match(hex).hasMatch()) {
      *error = QStringLiteral("--data must be pairs of hexadecimal digits");
      return std::nullopt;
    }
    o.rawData = QByteArray::fromHex(hex.toLatin1());
    o.rawLength = 6 + int(o.rawData.size());
    if (!IntOption(p, QStringLiteral("length"), 6 + int(o.rawData.size()), 255, &o.rawLength,
                   error))
      return std::nullopt;
  } else if (p.isSet(QStringLiteral("command")) || p.isSet(QStringLiteral("data")) ||
             p.isSet(QStringLiteral("length")) || p.isSet(QStringLiteral("long"))) {
    *error = QStringLiteral("--command, --long, --length and --data belong to raw");
    return std::nullopt;
  }
  return o;
}

}  // namespace zel::cli
