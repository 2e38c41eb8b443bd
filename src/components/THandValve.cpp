#include "components/THandValve.h"

namespace zel {

THandValve::THandValve(QSize size, QWidget* parent) : TIndicator(size, 4, parent) {}

QColor THandValve::StateColour() const {
  switch (State()) {
    case 1: return open_;
    case 2: return temp_;
    case 3: return close_;
    default: return RGB_none();
  }
}

void THandValve::DrawUprightSymbol(PixelCanvas& canvas) const {
  const QRgb state = StatePixel();
  const QRgb contour = ContourPixel();

  // Arrow heads pointing at the centre row 6: rows 2 to 4 and 8 to 10 around x = 4.
  canvas.Row(2, 2, 6, state);
  canvas.Row(3, 3, 5, state);
  canvas.Pixel(4, 4, state);
  canvas.Pixel(4, 8, state);
  canvas.Row(9, 3, 5, state);
  canvas.Row(10, 2, 6, state);

  for (int y : {0, 1, 11, 12}) canvas.Row(y, 0, 8, contour);
  canvas.Line({1, 2}, {4, 5}, contour);
  canvas.Line({7, 2}, {4, 5}, contour);
  canvas.Row(5, 3, 5, contour);
  canvas.Pixel(4, 6, contour);
  canvas.Row(7, 3, 5, contour);
  canvas.Line({1, 10}, {4, 7}, contour);
  canvas.Line({7, 10}, {4, 7}, contour);
}

}  // namespace zel
