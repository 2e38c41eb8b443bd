// zelmark-cli: the connection operations of Zelmark from the command line, for scripts and
// automated checks. Prints one JSON object on standard output.

#include <QCoreApplication>
#include <QJsonDocument>
#include <cstdio>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "link/qt_serial_line.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace zel;
  QString error, help;
  const auto options = cli::ParseOptions(app.arguments().mid(1), &error, &help);
  if (!options) {
    if (!help.isEmpty()) {
      std::fprintf(stdout, "%s", help.toUtf8().constData());
      return cli::kOk;
    }
    std::fprintf(stderr, "zelmark-cli: %s\n", error.toUtf8().constData());
    const QJsonObject json{{"error", error}};
    std::fprintf(stdout, "%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
    return cli::kUsage;
  }
  SharedState state;
  state.settings = options->settings;
  QString languageError;
  if (!state.language.Load(state.settings.LangRus, &languageError))
    std::fprintf(stderr, "zelmark-cli: %s; messages name the statuses only\n",
                 languageError.toUtf8().constData());
  QtSerialLine line;
  RealClock clock;
  const cli::Result result = cli::RunCommand(*options, state, line, clock);
  std::fprintf(stdout, "%s\n",
               QJsonDocument(result.json).toJson(QJsonDocument::Compact).constData());
  return result.status;
}
