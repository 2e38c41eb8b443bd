// Zelmark: the service program for flow computers.

#include <QApplication>
#include <QDir>
#include <cstdio>

#include "link/clock.h"
#include "link/qt_serial_line.h"
#include "shell/settings.h"
#include "shell/shared_state.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/qt_person.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelmark"));
  using namespace zel;

  SharedState state;
  state.settingsPath = DefaultSettingsPath();
  state.settings = LoadSettings(state.settingsPath);
  state.startDirectory = QDir::currentPath();
  QString error;
  if (!state.language.Load(state.settings.LangRus, &error)) {
    std::fprintf(stderr, "zelmark: %s\n", error.toUtf8().constData());
    return 1;
  }

  TForm1 window(
      state, std::make_unique<QtSerialLine>(), [] { return std::make_unique<QtSerialLine>(); },
      std::make_unique<RealClock>(), std::make_unique<QtPerson>(state.language, state.settings));
  window.show();
  return app.exec();
}
