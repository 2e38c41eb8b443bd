#include "components/TMotorValve.h"

namespace zel {

TMotorValve::TMotorValve(QSize size, QWidget* parent) : TIndicator(size, 4, parent) {}

void TMotorValve::SetFail(bool fail) {
  if (fail == fail_) return;
  fail_ = fail;
  update();
}

void TMotorValve::SetShowFail(bool show) {
  if (show == showFail_) return;
  showFail_ = show;
  update();
}

QColor TMotorValve::StateColour() const {
  switch (State()) {
    case 1: return open_;
    case 2: return temp_;
    case 3: return close_;
    case 4: return avar_;
    default: return RGB_none();
  }
}

void TMotorValve::ShadeMirrored(PixelCanvas& canvas, int width, std::span<const QPoint> inside,
                                std::span<const QPoint> outside, QRgb state) const {
  const QRgb insideShade = HalfIntensity(state);
  const QRgb outsideShade = HalfIntensity(BackgroundPixel());
  for (QPoint p : inside) {
    canvas.Pixel(p.x(), p.y(), insideShade);
    canvas.Pixel(width - 1 - p.x(), p.y(), insideShade);
  }
  for (QPoint p : outside) {
    canvas.Pixel(p.x(), p.y(), outsideShade);
    canvas.Pixel(width - 1 - p.x(), p.y(), outsideShade);
  }
}

}  // namespace zel
