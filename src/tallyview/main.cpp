// Tallyview, the viewer of verification data files. One viewer runs per user: a second start
// hands its files to the first, brings it to the front and ends.

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "tallyview/TFormMain.h"
#include "tallyview/tallyview_link.h"
#include "tallyview/tallyview_server.h"

namespace {

QStringList RequestsFor(const QStringList& files) {
  QStringList lines;
  for (const QString& file : files) lines << QStringLiteral("open ") + QFileInfo(file).absoluteFilePath();
  lines << QStringLiteral("show");
  return lines;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tallyview"));
  const QStringList files = app.arguments().mid(1);
  const QString socketName = zel::TallyviewSocketName();
  if (zel::SendToTallyview(socketName, RequestsFor(files))) return 0;

  zel::TallyviewServer server;
  switch (server.Listen(socketName)) {
    case zel::TallyviewServer::ListenResult::Listening:
      break;
    case zel::TallyviewServer::ListenResult::OtherInstance:  // started at the same moment
      return zel::SendToTallyview(socketName, RequestsFor(files)) ? 0 : 1;
    case zel::TallyviewServer::ListenResult::Failed:
      std::fprintf(stderr, "tallyview: %s; a second start will open a second window\n",
                   qPrintable(server.errorString()));
      break;
  }

  zel::TFormMain window;
  QObject::connect(&server, &zel::TallyviewServer::showRequested, &window, &zel::TFormMain::ShowMaximisedInFront);
  QObject::connect(&server, &zel::TallyviewServer::openRequested, &window,
                   [&window](const QString& path) { window.OpenFiles({path}); });
  QObject::connect(&server, &zel::TallyviewServer::quitRequested, &app, [&window] {
    window.close();
    QApplication::quit();
  });
  window.show();
  if (!files.isEmpty()) window.OpenFiles(files);
  return app.exec();
}
