#include "components/pixel_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace zel {

QRgb OpaquePixel(const QColor& colour) {
  return qRgb(colour.red(), colour.green(), colour.blue());
}

QRgb HalfIntensity(QRgb pixel) {
  return qRgb((qRed(pixel) + 1) / 2, (qGreen(pixel) + 1) / 2, (qBlue(pixel) + 1) / 2);
}

QRgb Darkened(QRgb pixel, int amount) {
  auto down = [amount](int c) { return std::max(0, c - amount); };
  return qRgb(down(qRed(pixel)), down(qGreen(pixel)), down(qBlue(pixel)));
}

std::vector<QPoint> LinePixels(QPoint from, QPoint to) {
  const int dx = to.x() - from.x();
  const int dy = to.y() - from.y();
  const int major = std::max(std::abs(dx), std::abs(dy));
  std::vector<QPoint> pixels;
  pixels.reserve(major);
  // Offset along the shorter axis after i steps: round(i * minor / major), halves up, done in
  // integers so mirrored lines come out as exact mirror images.
  auto offset = [major](int i, int minor) {
    const int num = 2 * i * std::abs(minor) + major;
    const int step = num / (2 * major);
    return minor < 0 ? -step : step;
  };
  for (int i = 0; i < major; ++i) {
    if (std::abs(dx) >= std::abs(dy)) {
      pixels.emplace_back(from.x() + (dx < 0 ? -i : i), from.y() + offset(i, dy));
    } else {
      pixels.emplace_back(from.x() + offset(i, dx), from.y() + (dy < 0 ? -i : i));
    }
  }
  return pixels;
}

void PixelCanvas::Fill(QRgb colour) { image_.fill(colour); }

void PixelCanvas::Pixel(int x, int y, QRgb colour) {
  if (transposed_) std::swap(x, y);
  if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
    image_.setPixel(x, y, colour);
  }
}

void PixelCanvas::Line(QPoint from, QPoint to, QRgb colour) {
  for (const QPoint& p : LinePixels(from, to)) Pixel(p.x(), p.y(), colour);
}

void PixelCanvas::Row(int y, int x0, int x1, QRgb colour) {
  for (int x = x0; x <= x1; ++x) Pixel(x, y, colour);
}

void PixelCanvas::Column(int x, int y0, int y1, QRgb colour) {
  for (int y = y0; y <= y1; ++y) Pixel(x, y, colour);
}

void PixelCanvas::Block(int x0, int y0, int x1, int y1, QRgb colour) {
  for (int y = y0; y <= y1; ++y) Row(y, x0, x1, colour);
}

}  // namespace zel
