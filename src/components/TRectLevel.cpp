#include "components/TRectLevel.h"

namespace zel {

TRectLevel::TRectLevel(QWidget* parent) : TLevelLamp(QSize(11, 11), parent) {}

void TRectLevel::Draw(PixelCanvas& canvas) const {
  const QRgb contour = ContourPixel();
  canvas.Block(1, 1, 9, 9, StatePixel());
  canvas.Line({0, 0}, {11, 0}, contour);
  canvas.Line({0, 0}, {0, 11}, contour);
  canvas.Line({10, 0}, {10, 11}, contour);
  canvas.Line({0, 10}, {11, 10}, contour);
}

}  // namespace zel
