// One-pixel lines (start included, end excluded, nearest pixel per step) and the shading
// colour arithmetic the indicators share.

#include <QTest>
#include <cstdlib>

#include "components/pixel_canvas.h"

namespace zel {

using Points = QList<QPoint>;

class PixelCanvasTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void linePixels_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Points>("expected");
    QTest::newRow("single step") << QPoint(3, 3) << QPoint(4, 3) << Points{{3, 3}};
    QTest::newRow("empty") << QPoint(5, 5) << QPoint(5, 5) << Points{};
    QTest::newRow("rightward") << QPoint(0, 0) << QPoint(4, 0)
                               << Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}};
    QTest::newRow("upward") << QPoint(2, 3) << QPoint(2, 0) << Points{{2, 3}, {2, 2}, {2, 1}};
    QTest::newRow("diagonal") << QPoint(0, 3) << QPoint(3, 0)
                              << Points{{0, 3}, {1, 2}, {2, 1}};
    // A diagonal of the large valve body: slope 2/3, no halves to round.
    QTest::newRow("valve body edge")
        << QPoint(16, 32) << QPoint(1, 22)
        << Points{{16, 32}, {15, 31}, {14, 31}, {13, 30}, {12, 29}, {11, 29}, {10, 28}, {9, 27},
                  {8, 27}, {7, 26}, {6, 25}, {5, 25}, {4, 24}, {3, 23}, {2, 23}};
    QTest::newRow("steep") << QPoint(0, 0) << QPoint(2, 5)
                           << Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}};
  }
  void linePixels() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(Points, expected);
    const std::vector<QPoint> got = LinePixels(from, to);
    QCOMPARE(Points(got.begin(), got.end()), expected);
  }

  // A line and its mirror image about a vertical axis cover mirrored pixels, so the two halves
  // of a symmetric symbol match.
  void mirroredLinesMatch() {
    const int axis = 33;  // x' = 33 - x, the large valve's mirror
    for (QPoint end : {QPoint(1, 22), QPoint(1, 40), QPoint(1, 21), QPoint(1, 41)}) {
      for (QPoint start : {QPoint(16, 32), QPoint(16, 30), QPoint(16, 31)}) {
        const auto left = LinePixels(start, end);
        const auto right =
            LinePixels({axis - start.x(), start.y()}, {axis - end.x(), end.y()});
        QCOMPARE(left.size(), right.size());
        for (size_t i = 0; i < left.size(); ++i) {
          QCOMPARE(right[i], QPoint(axis - left[i].x(), left[i].y()));
        }
      }
    }
  }

  void drawingClipsAndTransposes() {
    QImage image(3, 2, QImage::Format_RGB32);
    PixelCanvas canvas(image);
    canvas.Fill(qRgb(0, 0, 0));
    canvas.Row(1, -5, 10, qRgb(1, 2, 3));  // runs past both edges are clipped
    for (int x = 0; x < 3; ++x) QCOMPARE(image.pixel(x, 1), qRgb(1, 2, 3));
    PixelCanvas turned = canvas.Transposed();
    turned.Pixel(0, 2, qRgb(9, 9, 9));  // (x, y) lands on (y, x)
    QCOMPARE(image.pixel(2, 0), qRgb(9, 9, 9));
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
  }

  void shadingColours_data() {
    QTest::addColumn<QRgb>("pixel");
    QTest::addColumn<QRgb>("half");
    QTest::addColumn<QRgb>("darker32");
    QTest::addColumn<QRgb>("darker64");
    QTest::newRow("silver") << qRgb(192, 192, 192) << qRgb(96, 96, 96) << qRgb(160, 160, 160)
                            << qRgb(128, 128, 128);
    QTest::newRow("odd channels rounded up")
        << qRgb(255, 1, 3) << qRgb(128, 1, 2) << qRgb(223, 0, 0) << qRgb(191, 0, 0);
    QTest::newRow("floor at zero") << qRgb(0, 40, 70) << qRgb(0, 20, 35) << qRgb(0, 8, 38)
                                   << qRgb(0, 0, 6);
  }
  void shadingColours() {
    QFETCH(QRgb, pixel);
    QFETCH(QRgb, half);
    QFETCH(QRgb, darker32);
    QFETCH(QRgb, darker64);
    QCOMPARE(HalfIntensity(pixel), half);
    QCOMPARE(Darkened(pixel, 32), darker32);
    QCOMPARE(Darkened(pixel, 64), darker64);
  }
};

}  // namespace zel

QTEST_APPLESS_MAIN(zel::PixelCanvasTest)
#include "pixel_canvas_test.moc"
