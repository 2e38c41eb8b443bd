// The viewer's window, offscreen: files opened into it, found by object name.

#include "tallyview/TFormMain.h"

#include <QAction>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "ctr_bytes.h"

namespace zel {

using test::CtrFile;
using test::CtrRecord;
using test::Days;

class TFormMainTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  QString Write(const char* name, const QByteArray& bytes) {
    const QString path = dir_.filePath(QLatin1String(name));
    if (!test::WriteFile(path, bytes)) qFatal("cannot write %s", qPrintable(path));
    return path;
  }

  // Readings 1, 2, ... 10 (pressure), one a second from 15.03.2024 10:00:00.
  static QByteArray TenReadings() {
    QByteArray bytes("STAT");
    for (int i = 0; i < 10; ++i) bytes += test::CtrRecordBytes({Days(2024, 3, 15, 10, 0, i), float(i + 1)});
    return bytes;
  }

  template <typename T>
  static T* Child(TFormMain& w, const char* name) {
    T* child = w.findChild<T*>(QLatin1String(name));
    if (!child) qFatal("no child %s", name);
    return child;
  }
  static QString Text(TFormMain& w, const char* label) { return Child<QLabel>(w, label)->text(); }
  static int Rows(TFormMain& w) { return Child<QTableView>(w, "readingTable")->model()->rowCount(); }

 private Q_SLOTS:
  void isTheWindowTheMainProgramLooksFor() {
    TFormMain w;
    QCOMPARE(w.objectName(), QStringLiteral("TFormMain"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Статистика поверок"));
    QVERIFY(!Child<QAction>(w, "exportAction")->isEnabled());  // nothing to export yet
  }

  void showsTheReadingsAndTheirStatistics() {
    TFormMain w;
    w.OpenFiles({Write("ten.ctr", TenReadings())});
    QCOMPARE(Rows(w), 10);
    // 1..10: mean 5.5, squares 82.5, sd sqrt(82.5/9) = 3.0276504, farthest 10 (+4.5) vs 1 (-4.5)
    QCOMPARE(Text(w, "countLabel"), QStringLiteral("10"));
    QCOMPARE(Text(w, "meanLabel"), QStringLiteral("5.5"));
    QCOMPARE(Text(w, "stdDevLabel"), QStringLiteral("3.02765"));
    QCOMPARE(Text(w, "minLabel"), QStringLiteral("1"));
    QCOMPARE(Text(w, "maxLabel"), QStringLiteral("10"));
    QCOMPARE(Text(w, "largestDeviationLabel"), QStringLiteral("+4.5"));
    QCOMPARE(Text(w, "notesLabel"), QStringLiteral("Файл прочитан полностью."));
    QVERIFY(Child<QAction>(w, "exportAction")->isEnabled());
    auto* channel = Child<QComboBox>(w, "channelBox");
    QCOMPARE(channel->count(), 1);  // one channel: no choice of "all"
    QCOMPARE(channel->currentText(), QStringLiteral("давление"));
  }

  // What a second start or the main program's statistics command asks of the window.
  void comesToTheFrontMaximised() {
    TFormMain w;
    w.showMinimized();
    w.ShowMaximisedInFront();
    QVERIFY(w.isVisible());
    QVERIFY(w.isMaximized());
    QVERIFY(!w.isMinimized());
  }

  void theStatisticsFollowTheSpan() {
    TFormMain w;
    w.OpenFiles({Write("span.ctr", TenReadings())});
    auto* from = Child<QDateTimeEdit>(w, "spanFromEdit");
    auto* to = Child<QDateTimeEdit>(w, "spanToEdit");
    QCOMPARE(from->dateTime().time(), QTime(10, 0, 0));
    QCOMPARE(to->dateTime().time(), QTime(10, 0, 9));
    from->setDateTime(QDateTime(QDate(2024, 3, 15), QTime(10, 0, 6), Qt::UTC));
    to->setDateTime(QDateTime(QDate(2024, 3, 15), QTime(10, 0, 8), Qt::UTC));
    QCOMPARE(Rows(w), 3);  // 7, 8, 9
    QCOMPARE(Text(w, "countLabel"), QStringLiteral("3"));
    QCOMPARE(Text(w, "meanLabel"), QStringLiteral("8"));
    QCOMPARE(Text(w, "stdDevLabel"), QStringLiteral("1"));
    QCOMPARE(Text(w, "largestDeviationLabel"), QStringLiteral("+1"));
    // The export writes what is shown.
    const QString csv = dir_.filePath(QStringLiteral("span.csv"));
    QVERIFY(w.ExportCsv(csv));
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // header, three readings, the empty rest after the last "\n"
    QVERIFY(lines[1].startsWith("7;15.03.2024 10:00:06.000;"));
    QTest::mouseClick(w.findChild<QWidget*>(QStringLiteral("wholeSpanButton")), Qt::LeftButton);
    QCOMPARE(Rows(w), 10);
  }

  void aDamagedFileIsShownWithNotes() {
    TFormMain w;
    QByteArray bytes = TenReadings().mid(4);  // no signature
    bytes += test::CtrRecordBytes({0.0, 99.0f});  // 30.12.1899: impossible
    bytes += "abc";                              // a cut-off record
    w.OpenFiles({Write("damaged.ctr", bytes)});
    QCOMPARE(Rows(w), 10);
    QCOMPARE(Text(w, "maxLabel"), QStringLiteral("10"));
    const QString notes = Text(w, "notesLabel");
    QVERIFY2(notes.contains(QStringLiteral("Нет подписи STAT")), qPrintable(notes));
    QVERIFY2(notes.contains(QStringLiteral("невозможной датой пропущено: 1 (№ 11)")), qPrintable(notes));
    QVERIFY2(notes.contains(QStringLiteral("неполная (3 байт")), qPrintable(notes));
  }

  // A verification running meanwhile appends to the file; reading it again shows the new records.
  void aReloadShowsAppendedReadings() {
    TFormMain w;
    const QString path = Write("growing.ctr", TenReadings());
    w.OpenFiles({path});
    QFile f(path);
    QVERIFY(f.open(QIODevice::Append));
    f.write(test::CtrRecordBytes({Days(2024, 3, 15, 10, 0, 10), 11.0f}));
    f.close();
    Child<QAction>(w, "reloadAction")->trigger();
    QCOMPARE(Rows(w), 11);
    QCOMPARE(Text(w, "maxLabel"), QStringLiteral("11"));
    QCOMPARE(Child<QComboBox>(w, "fileBox")->count(), 1);
  }

  void mixedChannelsStartWithTheFirstOne() {
    TFormMain w;
    const double t = Days(2024, 3, 15, 9);
    w.OpenFiles({Write("mixed.ctr", CtrFile({{t, 1, 1}, {t, 2, 0}, {t, 3, 1}, {t, 50, 0}}))});
    auto* channel = Child<QComboBox>(w, "channelBox");
    QCOMPARE(channel->currentText(), QStringLiteral("температура"));
    QCOMPARE(Rows(w), 2);
    QCOMPARE(Text(w, "meanLabel"), QStringLiteral("2"));
    QVERIFY(Text(w, "notesLabel").contains(QStringLiteral("нескольких каналов")));
    channel->setCurrentIndex(channel->findText(QStringLiteral("все каналы")));
    QCOMPARE(Rows(w), 4);
  }

  void filesAreListedOnceAndFailuresNoted() {
    TFormMain w;
    const QString path = Write("twice.ctr", TenReadings());
    w.OpenFiles({path, path, dir_.filePath(QStringLiteral("absent.ctr"))});
    auto* files = Child<QComboBox>(w, "fileBox");
    QCOMPARE(files->count(), 1);
    QVERIFY(Text(w, "notesLabel").contains(QStringLiteral("absent.ctr")));
    w.OpenFiles({Write("other.ctr", CtrFile({{Days(2024, 1, 1), 42}}))});
    QCOMPARE(files->count(), 2);
    QCOMPARE(Text(w, "meanLabel"), QStringLiteral("42"));
    files->setCurrentIndex(0);
    QCOMPARE(Text(w, "meanLabel"), QStringLiteral("5.5"));
    Child<QAction>(w, "closeAction")->trigger();
    QCOMPARE(files->count(), 1);
    QCOMPARE(Text(w, "meanLabel"), QStringLiteral("42"));
  }
};

}  // namespace zel

QTEST_MAIN(zel::TFormMainTest)
#include "TFormMain_test.moc"
