#include "tallyview/tallyview_server.h"

#include <QFile>
#include <QLocalSocket>

namespace zel {
namespace {

constexpr int kProbeTimeoutMs = 2000;
// Longer lines are not requests; the sender is cut off rather than buffered without end.
constexpr qint64 kMaxLineBytes = 64 * 1024;

}  // namespace

TallyviewServer::TallyviewServer(QObject* parent) : QObject(parent) {
  connect(&server_, &QLocalServer::newConnection, this, &TallyviewServer::Accept);
}

// Listening without socket options on purpose: with them Qt renames its socket over an existing
// one, so a second viewer would silently take the name instead of finding the first.
TallyviewServer::ListenResult TallyviewServer::Listen(const QString& socketName) {
  if (!server_.listen(socketName)) {
    if (server_.serverError() != QAbstractSocket::AddressInUseError) return ListenResult::Failed;
    QLocalSocket probe;
    probe.connectToServer(socketName);
    if (probe.waitForConnected(kProbeTimeoutMs)) return ListenResult::OtherInstance;
    QLocalServer::removeServer(socketName);
    if (!server_.listen(socketName)) return ListenResult::Failed;
  }
  // Only the user may ask the viewer to show or quit.
  QFile::setPermissions(server_.fullServerName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return ListenResult::Listening;
}

void TallyviewServer::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto readLines = [this, socket] {
      while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxLineBytes + 1);
        if (!line.endsWith('\n')) return socket->abort();  // overlong: hang up on the sender
        Handle(line.chopped(1));
      }
      if (socket->bytesAvailable() > kMaxLineBytes) socket->abort();
    };
    connect(socket, &QLocalSocket::readyRead, this, readLines);
    readLines();  // lines that arrived with the connection
  }
}

void TallyviewServer::Handle(const QByteArray& line) {
  QByteArray text = line;
  if (text.endsWith('\r')) text.chop(1);
  if (text == "show") {
    Q_EMIT showRequested();
  } else if (text == "quit") {
    Q_EMIT quitRequested();
  } else if (text.startsWith("open ")) {
    Q_EMIT openRequested(QString::fromUtf8(text.mid(5)));
  }
}

}  // namespace zel
