#pragma once
// The viewer's side of the single-instance socket: it listens under the viewer's name and
// turns the lines it receives into signals.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace zel {

class TallyviewServer : public QObject {
  Q_OBJECT
 public:
  enum class ListenResult {
    Listening,      // this process is the viewer now
    OtherInstance,  // a viewer already listens under the name
    Failed,         // the socket could not be created
  };

  explicit TallyviewServer(QObject* parent = nullptr);

  // Starts listening; a socket file left behind by a viewer that died is replaced.
  ListenResult Listen(const QString& socketName);
  QString errorString() const { return server_.errorString(); }

 Q_SIGNALS:
  void showRequested();
  void quitRequested();
  void openRequested(const QString& path);

 private:
  void Accept();
  // One line without its end of line.
  void Handle(const QByteArray& line);

  QLocalServer server_;
};

}  // namespace zel
