#include "components/THandKranD.h"

namespace zel {

THandKranD::THandKranD(QWidget* parent) : THandValve(QSize(13, 9), parent) {}

void THandKranD::Draw(PixelCanvas& canvas) const {
  const QRgb state = StatePixel();
  const QRgb contour = ContourPixel();

  // The arrow heads: inside the right-angled triangles whose tips meet at (6, 4).
  canvas.Pixel(7, 2, state);
  canvas.Row(3, 7, 8, state);
  canvas.Row(5, 4, 5, state);
  canvas.Pixel(5, 6, state);

  // The triangles' legs cross at the centre; their bases run on the diagonals.
  canvas.Column(6, 0, 8, contour);
  canvas.Row(4, 2, 10, contour);
  canvas.Line({6, 0}, {10, 4}, contour);
  canvas.Line({2, 4}, {6, 8}, contour);
}

}  // namespace zel
