#include "components/TSmallKran.h"

#include <array>

namespace zel {

namespace {

constexpr int kWidth = 14;
constexpr int kHeight = 21;

// The left half of the shading; the right half is its mirror image.
constexpr std::array<QPoint, 3> kInsideShade = {{{3, 15}, {5, 16}, {3, 17}}};
// The outer corners of the body's stepped edges.
constexpr std::array<QPoint, 6> kOutsideShade = {
    {{2, 12}, {3, 13}, {5, 14}, {2, 20}, {3, 19}, {5, 18}}};


void DrawWindows(PixelCanvas& canvas, QRgb colour) {
  for (int y : {2, 3, 6, 7}) canvas.Row(y, 2, 11, colour);
}

}  // namespace

TSmallKran::TSmallKran(QWidget* parent) : TMotorValve(QSize(kWidth, kHeight), parent) {}

void TSmallKran::Draw(PixelCanvas& canvas) const {
  const QRgb state = StatePixel();
  const QRgb contour = ContourPixel();

  DrawWindows(canvas, state);
  if (FailShown()) DrawWindows(canvas, FailPixel());

  for (int y : {0, 1, 4, 5, 8, 9}) canvas.Row(y, 0, kWidth - 1, contour);
  for (int x : {0, 1, 12, 13}) canvas.Column(x, 0, 8, contour);
  for (int x : {6, 7}) canvas.Column(x, 4, 17, contour);
  for (int x : {0, 1, 12, 13}) canvas.Column(x, 12, 20, contour);
  canvas.Line({6, 16}, {1, 12}, contour);
  canvas.Line({6, 16}, {1, 20}, contour);
  canvas.Line({7, 16}, {12, 12}, contour);
  canvas.Line({7, 16}, {12, 20}, contour);

  ShadeMirrored(canvas, kWidth, kInsideShade, kOutsideShade, state);
}

}  // namespace zel
