#include "components/TIndicator.h"

#include <QPainter>
#include <QPalette>

namespace zel {

TIndicator::TIndicator(QSize size, int highestState, QWidget* parent)
    : QWidget(parent), fixedSize_(size), highestState_(highestState) {
  setFixedSize(size);
  QPalette look = palette();
  look.setColor(backgroundRole(), QColor(192, 192, 192));
  setPalette(look);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TIndicator::SetState(int state) {
  if (state < 0 || state > highestState_ || state == state_) return;
  state_ = state;
  update();
}

void TIndicator::StoreColour(QColor& field, const QColor& colour) {
  field = colour;
  update();
}

QRgb TIndicator::BackgroundPixel() const { return OpaquePixel(palette().color(backgroundRole())); }

QImage TIndicator::Render() const {
  QImage image(fixedSize_, QImage::Format_RGB32);
  PixelCanvas canvas(image);
  canvas.Fill(BackgroundPixel());
  Draw(canvas);
  return image;
}

void TIndicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Render());
}

}  // namespace zel
