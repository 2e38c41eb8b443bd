// ventrum-gallery --grab writes one picture per indicator and state at the indicator's size,
// the fail variants of the motor valves, and the two gradient panels.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace zel {

class GalleryGrabTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void writesEveryPicture() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("shots");
    QProcess gallery;
    gallery.start(QStringLiteral(VENTRUM_GALLERY), {"--grab", out});
    QVERIFY(gallery.waitForFinished(-1));
    QCOMPARE(gallery.exitStatus(), QProcess::NormalExit);
    QCOMPARE(gallery.exitCode(), 0);

    struct Kind {
      QString name;
      QSize size;
      int highestState;
      bool fail;
    };
    const Kind kinds[] = {{"TLargeKran", {34, 42}, 4, true},  {"TSmallKran", {14, 21}, 4, true},
                          {"THandKranV", {9, 13}, 4, false},  {"THandKranH", {13, 9}, 4, false},
                          {"THandKranD", {13, 9}, 4, false},  {"TRectLevel", {11, 11}, 2, false},
                          {"TRoundLevel", {12, 12}, 2, false}};
    QStringList expected = {"TGradient-frame.png", "TGradient-plain.png"};
    for (const Kind& kind : kinds) {
      for (int state = 0; state <= kind.highestState; ++state) {
        const QString name = QStringLiteral("%1-%2").arg(kind.name).arg(state);
        expected << name + ".png";
        if (kind.fail) expected << name + "-fail.png";
        QCOMPARE(QImage(QDir(out).filePath(name + ".png")).size(), kind.size);
      }
    }
    expected.sort();
    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name), expected);

    // Spot checks of the default colours: a window of the closed valve is blue, and white
    // under the fail overlay; the gradients are 200 x 100 from white to black.
    const QImage closed(QDir(out).filePath("TLargeKran-3.png"));
    QCOMPARE(QColor(closed.pixel(10, 4)), QColor(0, 0, 255));
    const QImage failed(QDir(out).filePath("TLargeKran-3-fail.png"));
    QCOMPARE(QColor(failed.pixel(10, 4)), QColor(255, 255, 255));
    const QImage plain(QDir(out).filePath("TGradient-plain.png"));
    QCOMPARE(plain.size(), QSize(200, 100));
    QCOMPARE(QColor(plain.pixel(0, 0)), QColor(255, 255, 255));
    QCOMPARE(QColor(plain.pixel(199, 99)), QColor(3, 3, 3));
    const QImage framed(QDir(out).filePath("TGradient-frame.png"));
    QCOMPARE(QColor(framed.pixel(0, 0)), QColor(0, 0, 0));
    QCOMPARE(QColor(framed.pixel(1, 1)), QColor(255, 255, 255));
    QCOMPARE(QColor(framed.pixel(198, 98)), QColor(128, 128, 128));
  }
};

}  // namespace zel

QTEST_GUILESS_MAIN(zel::GalleryGrabTest)
#include "gallery_grab_test.moc"
