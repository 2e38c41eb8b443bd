#include "components/TLargeKran.h"

#include <array>

namespace zel {

namespace {

constexpr int kWidth = 34;
constexpr int kHeight = 42;

// The left half of the shading; the right half is its mirror image.
constexpr std::array<QPoint, 8> kInsideShade = {
    {{3, 24}, {6, 26}, {9, 28}, {12, 30}, {3, 38}, {6, 36}, {9, 34}, {12, 32}}};
constexpr std::array<QPoint, 10> kOutsideShade = {{{3, 22},
                                                   {6, 24},
                                                   {9, 26},
                                                   {12, 28},
                                                   {3, 40},
                                                   {6, 38},
                                                   {9, 36},
                                                   {12, 34},
                                                   {15, 30},
                                                   {15, 32}}};

int Mirror(int x) { return kWidth - 1 - x; }

void DrawWindows(PixelCanvas& canvas, QRgb colour) {
  canvas.Block(5, 2, 28, 7, colour);
  canvas.Block(5, 10, 28, 15, colour);
}

}  // namespace

TLargeKran::TLargeKran(QWidget* parent) : TMotorValve(QSize(kWidth, kHeight), parent) {}

void TLargeKran::Draw(PixelCanvas& canvas) const {
  const QRgb state = StatePixel();
  const QRgb contour = ContourPixel();

  DrawWindows(canvas, state);
  canvas.Row(31, 2, 31, state);
  // The body's two triangles, filled with vertical strokes that shorten toward the centre.
  for (int i = 0; i < 3; ++i) {
    for (int x : {2 + 3 * i, Mirror(2 + 3 * i)}) canvas.Column(x, 24 + 2 * i, 38 - 2 * i, state);
    for (int x : {3 + 3 * i, 4 + 3 * i, Mirror(3 + 3 * i), Mirror(4 + 3 * i)}) {
      canvas.Column(x, 25 + 2 * i, 37 - 2 * i, state);
    }
  }
  canvas.Column(11, 30, 32, state);
  canvas.Column(22, 30, 32, state);

  if (FailShown()) DrawWindows(canvas, FailPixel());

  for (int y : {0, 1, 8, 9, 16, 17}) canvas.Row(y, 3, 30, contour);
  for (int x : {3, 4, 29, 30}) canvas.Column(x, 0, 16, contour);
  for (int x : {16, 17}) canvas.Column(x, 8, 32, contour);
  for (int x : {0, 1, 32, 33}) canvas.Column(x, 21, 41, contour);
  canvas.Line({16, 32}, {1, 22}, contour);
  canvas.Line({16, 30}, {1, 40}, contour);
  canvas.Line({17, 32}, {32, 22}, contour);
  canvas.Line({17, 30}, {32, 40}, contour);
  for (QPoint end : {QPoint(1, 21), QPoint(1, 41)}) canvas.Line({16, 31}, end, contour);
  for (QPoint end : {QPoint(32, 21), QPoint(32, 41)}) canvas.Line({17, 31}, end, contour);

  ShadeMirrored(canvas, kWidth, kInsideShade, kOutsideShade, state);
}

}  // namespace zel
