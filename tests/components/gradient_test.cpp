// TGradient: the rows of the gradient, the title placement, the 3-D frame, and which setters
// repaint.

#include <QTest>
#include <functional>

#include "components/TGradient.h"
#include "paint_counter.h"

namespace zel {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Compose(const GradientLook& look, QSize size) {
  return TGradient::Compose(look, size, QFont(), QColor(0, 0, 0));
}

// The smallest rectangle holding every pixel that differs from `background`.
QRect InkBounds(const QImage& image, QRgb background) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

GradientLook FlatWhiteWithTitle(const QString& title, bool centred) {
  GradientLook look;
  look.to = look.from;
  look.title = title;
  look.titleCentered = centred;
  return look;
}

}  // namespace

class GradientTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void rowColour_data() {
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("expected");
    const QColor white(255, 255, 255), black(0, 0, 0);
    QTest::newRow("top row is RGB_From") << white << black << 100 << 0 << white;
    QTest::newRow("row 2 of 100") << white << black << 100 << 2 << QColor(250, 250, 250);
    QTest::newRow("bottom row one step short") << white << black << 100 << 99 << QColor(3, 3, 3);
    QTest::newRow("rising") << black << white << 3 << 2 << QColor(170, 170, 170);
    // -3 * 1 / 2 truncates to -1, not to -2 as a floor would.
    QTest::newRow("negative difference truncates toward zero")
        << QColor(10, 0, 0) << QColor(13, 0, 0) << 2 << 1 << QColor(11, 0, 0);
    QTest::newRow("positive difference truncates toward zero")
        << QColor(13, 0, 0) << QColor(10, 0, 0) << 2 << 1 << QColor(12, 0, 0);
    QTest::newRow("channels apart") << QColor(200, 0, 60) << QColor(0, 200, 61) << 8 << 5
                                    << QColor(75, 125, 60);
    QTest::newRow("message box middle") << QColor(192, 192, 192) << QColor(224, 224, 224) << 50
                                        << 25 << QColor(208, 208, 208);
    QTest::newRow("height 1") << QColor(1, 2, 3) << QColor(200, 100, 0) << 1 << 0
                              << QColor(1, 2, 3);
    QTest::newRow("equal colours") << QColor(7, 8, 9) << QColor(7, 8, 9) << 30 << 29
                                   << QColor(7, 8, 9);
    QTest::newRow("alpha ignored") << QColor(255, 0, 0, 0) << QColor(255, 0, 0, 10) << 4 << 1
                                   << QColor(255, 0, 0);
  }
  void rowColour() {
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(int, height);
    QFETCH(int, y);
    QFETCH(QColor, expected);
    QCOMPARE(QColor(TGradient::RowColour(from, to, y, height)), expected);
  }

  // The column is stretched over the whole width: every pixel of a row has the row's colour.
  void composedRowsFillTheWidth_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::newRow("80 x 80 white to black") << QSize(80, 80) << QColor(255, 255, 255)
                                            << QColor(0, 0, 0);
    QTest::newRow("height 1") << QSize(30, 1) << QColor(10, 20, 30) << QColor(250, 250, 250);
    QTest::newRow("flat") << QSize(17, 9) << QColor(40, 50, 60) << QColor(40, 50, 60);
    QTest::newRow("wide and low") << QSize(1600, 8) << QColor(0, 0, 255) << QColor(255, 0, 0);
  }
  void composedRowsFillTheWidth() {
    QFETCH(QSize, size);
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    GradientLook look;
    look.from = from;
    look.to = to;
    const QImage image = Compose(look, size);
    QCOMPARE(image.size(), size);
    for (int y = 0; y < size.height(); ++y) {
      const QRgb row = TGradient::RowColour(from, to, y, size.height());
      for (int x = 0; x < size.width(); ++x) QCOMPARE(image.pixel(x, y), row);
    }
  }

  void centredTitleOrigin_data() {
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("fits") << QSize(80, 80) << QSize(20, 16) << QPoint(30, 32);
    QTest::newRow("odd leftover") << QSize(81, 40) << QSize(20, 15) << QPoint(31, 13);
    // (80 + 1 - 200) / 2 = -59.5, truncated toward zero.
    QTest::newRow("wider than the panel") << QSize(80, 80) << QSize(200, 16) << QPoint(-59, 32);
    QTest::newRow("taller than the panel") << QSize(80, 8) << QSize(20, 14) << QPoint(30, -2);
  }
  void centredTitleOrigin() {
    QFETCH(QSize, panel);
    QFETCH(QSize, text);
    QFETCH(QPoint, expected);
    QCOMPARE(TGradient::CenteredTitleOrigin(panel, text), expected);
  }

  void titleAtItsPosition() {
    GradientLook look = FlatWhiteWithTitle("Tag", false);
    look.titleX = 20;
    look.titleY = 11;
    const QRect ink = InkBounds(Compose(look, QSize(120, 60)), kWhite);
    const QFontMetrics metrics{QFont()};
    QVERIFY(!ink.isEmpty());
    // Anti-aliased glyph edges may reach one pixel beyond the text cell.
    QVERIFY2(ink.left() >= 20 - 1 && ink.top() >= 11 - 1, qPrintable(QString("ink at %1,%2")
                                                                  .arg(ink.left())
                                                                  .arg(ink.top())));
    // The glyphs start within a few pixels of the requested corner, not at a baseline.
    QVERIFY(ink.left() < 20 + 4);
    QVERIFY(ink.top() < 11 + metrics.height() / 2);
  }

  void centredTitleIsCentred() {
    const QSize panel(200, 100);
    const QImage image = Compose(FlatWhiteWithTitle("Centred", true), panel);
    const QRect ink = InkBounds(image, kWhite);
    QVERIFY(!ink.isEmpty());
    // Left and right margins, and top and bottom margins, differ by a few pixels at most (the
    // glyphs' side bearings and the space above capitals).
    QVERIFY(qAbs(ink.left() - (panel.width() - 1 - ink.right())) <= 4);
    QVERIFY(qAbs(ink.top() - (panel.height() - 1 - ink.bottom())) <= 8);
  }

  void titleWiderThanPanelIsClippedOnBothSides() {
    const QImage image =
        Compose(FlatWhiteWithTitle("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", true), QSize(60, 40));
    const QRect ink = InkBounds(image, kWhite);
    QCOMPARE(ink.left(), 0);
    QCOMPARE(ink.right(), 59);
  }

  void emptyTitleDrawsNothing() {
    for (bool centred : {false, true}) {
      const QImage image = Compose(FlatWhiteWithTitle(QString(), centred), QSize(50, 30));
      QVERIFY(InkBounds(image, kWhite).isEmpty());
    }
  }

  // The frame's visible lines: black outer edge, white top and left inside it, grey bottom and
  // right inside it, the grey drawn over the white where they meet.
  void frameColours_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("20 x 10") << QSize(20, 10);
    QTest::newRow("smallest") << QSize(8, 8);
    QTest::newRow("200 x 100") << QSize(200, 100);
  }
  void frameColours() {
    QFETCH(QSize, size);
    const int w = size.width();
    const int h = size.height();
    GradientLook look;
    look.from = QColor(50, 100, 150);
    look.to = QColor(60, 110, 160);
    look.frame = true;
    const QImage image = Compose(look, size);
    struct Segment {
      QPoint first;
      QPoint last;
      QRgb colour;
    };
    const Segment segments[] = {
        {{0, 0}, {w - 1, 0}, kBlack},         {{0, 0}, {0, h - 1}, kBlack},
        {{w - 1, 0}, {w - 1, h - 1}, kBlack}, {{0, h - 1}, {w - 1, h - 1}, kBlack},
        {{1, 1}, {w - 3, 1}, kWhite},         {{1, 1}, {1, h - 3}, kWhite},
        {{w - 2, 1}, {w - 2, h - 2}, kGrey},  {{1, h - 2}, {w - 2, h - 2}, kGrey},
    };
    for (const Segment& s : segments) {
      for (int y = s.first.y(); y <= s.last.y(); ++y) {
        for (int x = s.first.x(); x <= s.last.x(); ++x) {
          QVERIFY2(image.pixel(x, y) == s.colour, qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        }
      }
    }
    // Inside the frame the gradient is untouched.
    for (int y = 2; y < h - 2; ++y) {
      QCOMPARE(image.pixel(2, y), TGradient::RowColour(look.from, look.to, y, h));
      QCOMPARE(image.pixel(w - 3, y), TGradient::RowColour(look.from, look.to, y, h));
    }
  }

  void defaultsAndLimits() {
    TGradient gradient;
    QCOMPARE(gradient.size(), QSize(80, 80));
    QCOMPARE(gradient.minimumSize(), QSize(8, 8));
    QCOMPARE(gradient.maximumSize(), QSize(1600, 1200));
    QCOMPARE(gradient.property("TITLE_x").toInt(), 8);
    QCOMPARE(gradient.property("TITLE_y").toInt(), 8);
    QCOMPARE(gradient.property("TITLE").toString(), QString());
    QCOMPARE(gradient.property("TITLE_centered").toBool(), false);
    QCOMPARE(gradient.property("Control_3D").toBool(), false);
    QCOMPARE(gradient.property("RGB_From").value<QColor>(), QColor(255, 255, 255));
    QCOMPARE(gradient.property("RGB_To").value<QColor>(), QColor(0, 0, 0));
  }

  // The widget paints the composed picture as it is.
  void paintsTheComposedPicture() {
    TGradient gradient;
    gradient.resize(90, 45);
    gradient.SetControl_3D(true);
    gradient.SetRGB_From(QColor(0, 0, 128));
    gradient.SetTITLE("Ventrum");
    QImage painted(gradient.size(), QImage::Format_RGB32);
    gradient.render(&painted);
    QCOMPARE(painted, gradient.Render());
  }

  // Title and frame setters repaint only on a change; colour setters on every assignment.
  void settersRepaint_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("changed");
    QTest::addColumn<bool>("repaintsUnchanged");
    QTest::newRow("TITLE_x") << QByteArray("TITLE_x") << QVariant(3) << false;
    QTest::newRow("TITLE_y") << QByteArray("TITLE_y") << QVariant(4) << false;
    QTest::newRow("TITLE") << QByteArray("TITLE") << QVariant("x") << false;
    QTest::newRow("TITLE_centered") << QByteArray("TITLE_centered") << QVariant(true) << false;
    QTest::newRow("Control_3D") << QByteArray("Control_3D") << QVariant(true) << false;
    QTest::newRow("RGB_From") << QByteArray("RGB_From") << QVariant(QColor(1, 2, 3)) << true;
    QTest::newRow("RGB_To") << QByteArray("RGB_To") << QVariant(QColor(4, 5, 6)) << true;
  }
  void settersRepaint() {
    QFETCH(QByteArray, property);
    QFETCH(QVariant, changed);
    QFETCH(bool, repaintsUnchanged);
    TGradient gradient;
    gradient.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gradient));
    test::PaintCounter paints(&gradient);
    auto paintsAfter = [&](const QVariant& value) {
      const int before = paints.count();
      gradient.setProperty(property.constData(), value);
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
      return paints.count() > before;
    };
    const QVariant current = gradient.property(property.constData());
    QCOMPARE(paintsAfter(current), repaintsUnchanged);
    QVERIFY(paintsAfter(changed));
    QCOMPARE(gradient.property(property.constData()), changed);
  }
};

}  // namespace zel

QTEST_MAIN(zel::GradientTest)
#include "gradient_test.moc"
