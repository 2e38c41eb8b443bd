// zelmark-sim: a virtual flow computer on a pseudo-terminal.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <memory>
#include <thread>
#include <unistd.h>

#include "link/serial_line.h"
#include "sim/device_endpoint.h"
#include "sim/hart_bus.h"
#include "sim/profile_file.h"
#include "sim/pty_server.h"
#include "sim/sim_console.h"

namespace {

using namespace zel::sim;

PtyServer* g_server = nullptr;

PtyServer* g_hartServer = nullptr;
volatile std::sig_atomic_t g_stopRequested = 0;

void OnSignal(int) {
  g_stopRequested = 1;
  if (g_server != nullptr) g_server->Stop();
  if (g_hartServer != nullptr) g_hartServer->Stop();
}

// Ctrl+C and kill end the simulator in order (links removed) from the moment it starts.
void InstallSignalHandlers() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  // Started in the background, a read of the terminal must not stop the simulator.
  std::signal(SIGTTIN, SIG_IGN);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "zelmark-sim: %s\n", message.c_str());
  return 1;
}

void ListProfiles() {
  for (const DeviceProfile& p : BuiltInProfiles())
    std::printf("%-16s %s%s\n", p.name.c_str(), p.description.c_str(),
                p.name == kDemoProfile ? "  (default)" : "");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zelmark-sim"));
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(
      "A virtual flow computer for Zelmark, on a pseudo-terminal.\n"
      "\n"
      "Start it with a path for its serial port, then point a program at that path:\n"
      "  zelmark-sim --link /tmp/flow-computer\n"
      "  zelmark-sim --profile k16-v19-3runs --link /tmp/fc --fault crc:0.1 --noise-key 7\n"
      "The built-in profiles are listed by --list-profiles; --print-profile writes one out as\n"
      "a profile file to start a device of your own (--profile-file).\n"
      "Every frame received and sent is logged on standard error (or into --log FILE).\n"
      "While it runs, type 'help' for the console: 'set 1.p 32.5' sets a true value.\n"
      "Ctrl+C ends it and removes the link."));
  parser.addHelpOption();
  const QCommandLineOption profileOption(QStringLiteral("profile"),
                                         QStringLiteral("Built-in device profile (default demo)."),
                                         QStringLiteral("NAME"), QString::fromLatin1(kDemoProfile));
  const QCommandLineOption fileOption(QStringLiteral("profile-file"),
                                      QStringLiteral("Device described in a profile file."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption listOption(QStringLiteral("list-profiles"),
                                      QStringLiteral("List the built-in profiles and exit."));
  const QCommandLineOption printOption(QStringLiteral("print-profile"),
                                       QStringLiteral("Write the chosen profile as a profile file "
                                                      "to standard output and exit."));
  const QCommandLineOption linkOption(QStringLiteral("link"),
                                      QStringLiteral("Path of the symbolic link to the "
                                                     "pseudo-terminal the device serves."),
                                      QStringLiteral("PATH"));
  const QCommandLineOption addressOption(QStringLiteral("address"),
                                         QStringLiteral("Device address 1..254 (default: the "
                                                        "profile's)."),
                                         QStringLiteral("N"));
  const QCommandLineOption speedOption(QStringLiteral("speed"),
                                       QStringLiteral("Line speed in bit/s (default: the "
                                                      "profile's)."),
                                       QStringLiteral("BAUD"));
  const QCommandLineOption faultOption(
      QStringLiteral("fault"),
      QStringLiteral("A fault on demand, repeatable: ") + QString::fromUtf8(FaultPlan::Help()),
      QStringLiteral("FAULT"));
  const QCommandLineOption keyOption(QStringLiteral("noise-key"),
                                     QStringLiteral("Number that repeats the measurement noise "
                                                    "and the faults of a run (default 1)."),
                                     QStringLiteral("N"), QStringLiteral("1"));
  const QCommandLineOption setOption(QStringLiteral("set"),
                                     QStringLiteral("A true value at start, repeatable: "
                                                    "RUN.QUANTITY=VALUE (p, t, dp, flow) or "
                                                    "ambient=VALUE."),
                                     QStringLiteral("SETTING"));
  const QCommandLineOption logOption(QStringLiteral("log"),
                                     QStringLiteral("Write the traffic log into FILE instead of "
                                                    "standard error."),
                                     QStringLiteral("FILE"));
  const QCommandLineOption quietOption(QStringLiteral("quiet"), QStringLiteral("No traffic log."));
  const QCommandLineOption hartOption(
      QStringLiteral("hart-reference"),
      QStringLiteral("Connect a HART reference transmitter (1200 bit/s, odd parity): "
                     "MODEL[,ADDRESS[,RUN.QUANTITY]], MODEL 3051 or 3095, ADDRESS 1..15 "
                     "(default 1), QUANTITY p, dp or t of a 3051 (default 1.p). It shares the "
                     "flow computer's line unless --hart-link gives it a port of its own."),
      QStringLiteral("REFERENCE"));
  const QCommandLineOption hartLinkOption(QStringLiteral("hart-link"),
                                          QStringLiteral("Serve the reference transmitter on a "
                                                         "pseudo-terminal of its own."),
                                          QStringLiteral("PATH"));
  parser.addOptions({profileOption, fileOption, listOption, printOption, linkOption,
                     addressOption, speedOption, faultOption, keyOption, setOption, logOption,
                     quietOption, hartOption, hartLinkOption});
  parser.process(app);

  if (parser.isSet(listOption)) {
    ListProfiles();
    return 0;
  }

  DeviceProfile profile;
  if (parser.isSet(fileOption)) {
    std::string error;
    const std::optional<DeviceProfile> p =
        LoadProfileFile(parser.value(fileOption).toStdString(), &error);
    if (!p) return Fail(error);
    profile = *p;
  } else {
    const std::string name = parser.value(profileOption).toStdString();
    const std::optional<DeviceProfile> p = FindProfile(name);
    if (!p) return Fail("no profile is called '" + name + "'; --list-profiles lists them");
    profile = *p;
  }
  bool ok = true;
  if (parser.isSet(addressOption)) {
    const int address = parser.value(addressOption).toInt(&ok);
    if (!ok || address < 1 || address > 254) return Fail("the address lies in 1..254");
    profile.address = static_cast<uint8_t>(address);
  }
  if (parser.isSet(speedOption)) {
    const uint32_t baud = parser.value(speedOption).toUInt(&ok);
    if (!ok || zel::IndexOfSpeed(baud) < 0)
      return Fail("the speed must be one of the speed table (300 ... 115200)");
    profile.baud = baud;
  }
  if (parser.isSet(printOption)) {
    std::fputs(FormatProfile(profile).c_str(), stdout);
    return 0;
  }
  const uint64_t key = parser.value(keyOption).toULongLong(&ok, 0);
  if (!ok) return Fail("the noise key is a whole number");
  if (!parser.isSet(linkOption)) return Fail("--link PATH is needed (see --help)");

  FlowComputer device(profile, key);
  for (const QString& setting : parser.values(setOption)) {
    const std::string error = ApplySetting(device, setting.toStdString());
    if (!error.empty()) return Fail(error);
  }
  FaultPlan faults(key);
  for (const QString& text : parser.values(faultOption)) {
    FaultRule rule;
    const std::string error = FaultPlan::Parse(text.toStdString(), &rule);
    if (!error.empty()) return Fail(error);
    faults.Add(rule);
  }
  std::FILE* logFile = stderr;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> ownedLog(nullptr, &std::fclose);
  if (parser.isSet(logOption)) {
    ownedLog.reset(std::fopen(parser.value(logOption).toLocal8Bit().constData(), "a"));
    if (!ownedLog) return Fail("cannot write the log file " + parser.value(logOption).toStdString());
    logFile = ownedLog.get();
  }
  FrameLog log(logFile);
  FrameLog* traffic = parser.isSet(quietOption) ? nullptr : &log;
  DeviceEndpoint endpoint(device, faults, traffic);
  // The flow computer's line: the computer and, at 1200 bit/s, its own HART sensors (kinds 9
  // and 19) and a shared reference transmitter.
  HartBus lineBus(device, key, true, traffic);
  HartBus ownBus(device, key, false, traffic);
  const bool ownPort = parser.isSet(hartLinkOption);
  if (ownPort && !parser.isSet(hartOption)) return Fail("--hart-link needs --hart-reference");
  if (parser.isSet(hartOption)) {
    std::string error;
    const std::optional<HartReference> reference =
        ParseHartReference(parser.value(hartOption).toStdString(), &error);
    if (!reference) return Fail(error);
    error = (ownPort ? ownBus : lineBus).AddReference(*reference);
    if (!error.empty()) return Fail(error);
  }
  ListenerGroup line;
  line.Add(&endpoint);
  line.Add(&lineBus);

  InstallSignalHandlers();
  PtyServer server(line, profile.baud);
  std::string error;
  if (!server.Open(parser.value(linkOption).toStdString(), &error)) return Fail(error);
  g_server = &server;
  std::unique_ptr<PtyServer> hartServer;
  std::thread hartThread;
  if (ownPort) {
    hartServer = std::make_unique<PtyServer>(ownBus, HartBus::kLine.baud);
    if (!hartServer->Open(parser.value(hartLinkOption).toStdString(), &error)) return Fail(error);
    g_hartServer = hartServer.get();
    hartThread = std::thread([&] {
      std::string hartError;
      if (hartServer->Run(&hartError) != 0) std::fprintf(stderr, "zelmark-sim: %s\n", hartError.c_str());
    });
  }
  if (::isatty(STDIN_FILENO) && ::tcgetpgrp(STDIN_FILENO) == ::getpgrp())
    server.SetConsole(STDIN_FILENO, STDOUT_FILENO, [&device](const std::string& line, int64_t now) {
      return ConsoleCommand(device, line, now);
    });

  std::fprintf(stderr,
               "zelmark-sim: %s (%s)\n  address %d, %u bit/s, write password \"%s\", on %s -> %s\n",
               profile.name.c_str(), profile.description.c_str(), profile.address, profile.baud,
               profile.writePassword.c_str(), parser.value(linkOption).toLocal8Bit().constData(),
               server.terminalPath().c_str());
  if (parser.isSet(hartOption))
    std::fprintf(stderr, "  HART reference %s at 1200 bit/s on %s\n",
                 parser.value(hartOption).toLocal8Bit().constData(),
                 ownPort ? parser.value(hartLinkOption).toLocal8Bit().constData()
                         : "the flow computer's line");
  // A signal before the servers were known only set the flag.
  if (g_stopRequested) server.Stop();
  const int result = server.Run(&error);
  g_server = nullptr;
  if (hartServer) {
    hartServer->Stop();
    hartThread.join();
    g_hartServer = nullptr;
    hartServer->Close();
  }
  server.Close();
  if (result != 0) return Fail(error);
  return 0;
}
