// The single-instance protocol of the viewer over a real local socket. Each test listens under
// a name of its own, so a viewer the user is running is never disturbed.

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "tallyview/tallyview_link.h"
#include "tallyview/tallyview_server.h"

namespace zel {

// Generous: only reached when a request never arrives.
constexpr int kFailAfterMs = 10'000;

class TallyviewLinkTest : public QObject {
  Q_OBJECT

  QString UniqueName() const {
    return QStringLiteral("tallyview-test-") + QUuid::createUuid().toString(QUuid::Id128);
  }

  // Everything the server received, in order.
  static void Record(TallyviewServer& server, QObject* context, QStringList* log) {
    QObject::connect(&server, &TallyviewServer::showRequested, context, [log] { *log << "show"; });
    QObject::connect(&server, &TallyviewServer::quitRequested, context, [log] { *log << "quit"; });
    QObject::connect(&server, &TallyviewServer::openRequested, context,
                     [log](const QString& path) { *log << "open:" + path; });
  }

 private Q_SLOTS:
  void socketNameIsTheWindowClassAndCaptionMadeSafeForAFileName() {
    const QString name = TallyviewSocketName();
    QVERIFY(name.startsWith(QStringLiteral("TFormMain-Статистика_поверок")));
    for (QChar c : name) QVERIFY2(c.isLetterOrNumber() || c == '-' || c == '_', qPrintable(name));
    QCOMPARE(TallyviewSocketName(), name);  // the viewer and the main program agree
  }

  void requestsArriveInOrder() {
    const QString name = UniqueName();
    TallyviewServer server;
    QCOMPARE(server.Listen(name), TallyviewServer::ListenResult::Listening);
    QStringList log;
    Record(server, this, &log);
    QSignalSpy quit(&server, &TallyviewServer::quitRequested);
    QVERIFY(SendToTallyview(name, {"open /data/поверка 1.ctr", "show", "quit"}));
    QVERIFY(quit.wait(kFailAfterMs));
    QCOMPARE(log, (QStringList{"open:/data/поверка 1.ctr", "show", "quit"}));
  }

  void unknownLinesAreIgnored() {
    const QString name = UniqueName();
    TallyviewServer server;
    QCOMPARE(server.Listen(name), TallyviewServer::ListenResult::Listening);
    QStringList log;
    Record(server, this, &log);
    QSignalSpy show(&server, &TallyviewServer::showRequested);
    QVERIFY(SendToTallyview(name, {"hello", "SHOW", "open", "show\r"}));
    QVERIFY(show.wait(kFailAfterMs));
    QCOMPARE(log, QStringList{"show"});
  }

  // A line longer than any request makes the viewer hang up on that sender, and only on it.
  void anOverlongLineIsDropped() {
    const QString name = UniqueName();
    TallyviewServer server;
    QCOMPARE(server.Listen(name), TallyviewServer::ListenResult::Listening);
    QStringList log;
    Record(server, this, &log);
    QSignalSpy show(&server, &TallyviewServer::showRequested);
    QLocalSocket sender;
    sender.connectToServer(name);
    QVERIFY(sender.waitForConnected(kFailAfterMs));
    QSignalSpy hungUp(&sender, &QLocalSocket::disconnected);
    sender.write("open " + QByteArray(200'000, 'x') + "\nquit\n");  // written as the loop runs
    QVERIFY(hungUp.wait(kFailAfterMs));
    QVERIFY(SendToTallyview(name, {"show"}));
    QVERIFY(show.wait(kFailAfterMs));
    QCOMPARE(log, QStringList{"show"});
  }

  void sendingWithoutAViewerFails() { QVERIFY(!SendToTallyview(UniqueName(), {"show"})); }

  void aSecondViewerFindsTheFirst() {
    const QString name = UniqueName();
    TallyviewServer first, second;
    QCOMPARE(first.Listen(name), TallyviewServer::ListenResult::Listening);
    QCOMPARE(second.Listen(name), TallyviewServer::ListenResult::OtherInstance);
  }

  // A viewer that died leaves its socket file behind; the next one must still start.
  void aLeftOverSocketFileIsReplaced() {
    const QString name = UniqueName();
    QFile leftOver(QDir::temp().filePath(name));
    QVERIFY(leftOver.open(QIODevice::WriteOnly));
    leftOver.close();
    TallyviewServer server;
    QCOMPARE(server.Listen(name), TallyviewServer::ListenResult::Listening);
    QSignalSpy show(&server, &TallyviewServer::showRequested);
    QVERIFY(SendToTallyview(name, {"show"}));
    QVERIFY(show.wait(kFailAfterMs));
  }

  void startingFromAFolderWithoutTheViewerFails() {
    QVERIFY(!StartTallyview(QDir::temp().filePath(UniqueName())));
  }
};

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TallyviewLinkTest)
#include "tallyview_link_test.moc"
