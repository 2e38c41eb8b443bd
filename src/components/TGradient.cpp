#include "components/TGradient.h"

#include <QPainter>

#include "components/pixel_canvas.h"

namespace zel {

namespace {

// Assigns `value` and reports whether it changed, for the setters that repaint only on change.
template <typename T>
bool Change(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

void DrawFrame(QImage& image) {
  const int w = image.width();
  const int h = image.height();
  PixelCanvas canvas(image);
  const QRgb white = qRgb(255, 255, 255);
  const QRgb grey = qRgb(128, 128, 128);
  const QRgb black = qRgb(0, 0, 0);
  canvas.Line({1, 1}, {w - 1, 1}, white);
  canvas.Line({1, 1}, {1, h - 1}, white);
  canvas.Line({w - 2, 1}, {w - 2, h - 1}, grey);
  canvas.Line({1, h - 2}, {w - 1, h - 2}, grey);
  canvas.Line({0, 0}, {w, 0}, black);
  canvas.Line({0, 0}, {0, h}, black);
  canvas.Line({w - 1, 0}, {w - 1, h}, black);
  canvas.Line({0, h - 1}, {w, h - 1}, black);
}

}  // namespace

TGradient::TGradient(QWidget* parent) : QWidget(parent) {
  setMinimumSize(8, 8);
  setMaximumSize(1600, 1200);
  resize(80, 80);
  // Every pixel is painted from the composed picture; nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradient::SetTITLE_x(int x) {
  if (Change(look_.titleX, x)) update();
}

void TGradient::SetTITLE_y(int y) {
  if (Change(look_.titleY, y)) update();
}

void TGradient::SetTITLE(const QString& title) {
  if (Change(look_.title, title)) update();
}

void TGradient::SetTITLE_centered(bool centered) {
  if (Change(look_.titleCentered, centered)) update();
}

void TGradient::SetControl_3D(bool on) {
  if (Change(look_.frame, on)) update();
}

void TGradient::SetRGB_From(const QColor& colour) {
  look_.from = colour;
  update();
}

void TGradient::SetRGB_To(const QColor& colour) {
  look_.to = colour;
  update();
}

QImage TGradient::Render() const {
  return Compose(look_, size(), font(), palette().color(foregroundRole()));
}

QSize TGradient::sizeHint() const { return layout() ? QWidget::sizeHint() : QSize(80, 80); }

QRgb TGradient::RowColour(const QColor& from, const QColor& to, int y, int height) {
  auto channel = [y, height](int c0, int c1) { return (c0 - (c0 - c1) * y / height) & 0xFF; };
  return qRgb(channel(from.red(), to.red()), channel(from.green(), to.green()),
              channel(from.blue(), to.blue()));
}

QPoint TGradient::CenteredTitleOrigin(QSize panel, QSize text) {
  return {(panel.width() + 1 - text.width()) / 2, (panel.height() + 1 - text.height()) / 2};
}

QImage TGradient::Compose(const GradientLook& look, QSize size, const QFont& font,
                          const QColor& textColour) {
  const int w = size.width();
  const int h = size.height();
  if (w <= 0 || h <= 0) return {};
  QImage column(1, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) column.setPixel(0, y, RowColour(look.from, look.to, y, h));

  QImage image(w, h, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    painter.drawImage(QRect(0, 0, w, h), column);
    if (!look.title.isEmpty()) {
      painter.setBrush(Qt::NoBrush);
      painter.setFont(font);
      painter.setPen(textColour);
      const QFontMetrics metrics = painter.fontMetrics();
      const QSize text(metrics.horizontalAdvance(look.title), metrics.height());
      const QPoint origin = look.titleCentered ? CenteredTitleOrigin(size, text)
                                               : QPoint(look.titleX, look.titleY);
      // The origin is the top left of the text cell; Qt draws from the baseline.
      painter.drawText(origin.x(), origin.y() + metrics.ascent(), look.title);
    }
  }
  if (look.frame) DrawFrame(image);
  return image;
}

void TGradient::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Render());
}

}  // namespace zel
