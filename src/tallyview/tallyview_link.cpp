#include "tallyview/tallyview_link.h"

#include <QLocalSocket>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zel {
namespace {

// A running viewer accepts at once; these only bound a viewer that hangs.
constexpr int kConnectTimeoutMs = 2000;
constexpr int kWriteTimeoutMs = 2000;

}  // namespace

QString TallyviewSocketName() {
  // Tests and parallel set-ups keep their viewer apart under a name of their own.
  QString name = qEnvironmentVariable("ZELMARK_TALLYVIEW_SOCKET");
  if (name.isEmpty()) name = QStringLiteral("TFormMain-Статистика поверок");
#ifdef Q_OS_UNIX
  name += QStringLiteral("-%1").arg(::getuid());
#endif
  // The name becomes a file name in the temporary folder: no separators, no blanks.
  for (QChar& c : name)
    if (!c.isLetterOrNumber() && c != QLatin1Char('-')) c = QLatin1Char('_');
  return name;
}

bool SendToTallyview(const QString& socketName, const QStringList& lines) {
  QLocalSocket socket;
  socket.connectToServer(socketName);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  for (const QString& line : lines) socket.write(line.toUtf8() + '\n');
  while (socket.bytesToWrite() > 0)
    if (!socket.waitForBytesWritten(kWriteTimeoutMs)) return false;
  socket.disconnectFromServer();
  return true;
}

bool RaiseTallyview() { return SendToTallyview(TallyviewSocketName(), {QStringLiteral("show")}); }

bool QuitTallyview() { return SendToTallyview(TallyviewSocketName(), {QStringLiteral("quit")}); }

bool StartTallyview(const QString& programDir) {
  return QProcess::startDetached(programDir + QStringLiteral("/tallyview"), {});
}

}  // namespace zel
