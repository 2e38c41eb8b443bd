#pragma once
// Pixel drawing for the Ventrum widgets: single pixels, inclusive runs and one-pixel lines that
// include their start point and exclude their end point, written straight into an image so the
// pictures come out the same on every platform and every paint engine.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <vector>

#include "components/ventrum_export.h"

namespace zel {

// The opaque pixel of a colour: red, green and blue only, the alpha byte is ignored.
VENTRUM_EXPORT QRgb OpaquePixel(const QColor& colour);
// Each channel (c + 1) / 2: the shading colour of the indicators.
VENTRUM_EXPORT QRgb HalfIntensity(QRgb pixel);
// Each channel reduced by `amount`, floored at 0.
VENTRUM_EXPORT QRgb Darkened(QRgb pixel, int amount);

// The pixels of a one-pixel line from `from` toward `to`: `from` included, `to` excluded, one
// pixel per step along the longer axis, each the nearest to the ideal line (halves round up).
VENTRUM_EXPORT std::vector<QPoint> LinePixels(QPoint from, QPoint to);

// A drawing surface over an RGB32 image; pixels outside the image are skipped. A transposed
// canvas swaps x and y, so one pattern serves a symbol and its quarter-turned twin.
class VENTRUM_EXPORT PixelCanvas {
 public:
  explicit PixelCanvas(QImage& image, bool transposed = false)
      : image_(image), transposed_(transposed) {}

  PixelCanvas Transposed() const { return PixelCanvas(image_, !transposed_); }

  void Fill(QRgb colour);
  void Pixel(int x, int y, QRgb colour);
  // A line as LinePixels draws it.
  void Line(QPoint from, QPoint to, QRgb colour);
  // Inclusive runs: row y from x0 to x1, column x from y0 to y1.
  void Row(int y, int x0, int x1, QRgb colour);
  void Column(int x, int y0, int y1, QRgb colour);
  // Rows y0..y1, each from x0 to x1 (all inclusive).
  void Block(int x0, int y0, int x1, int y1, QRgb colour);

 private:
  QImage& image_;
  bool transposed_;
};

}  // namespace zel
