#pragma once
// The common ground of the valve and level indicators: a fixed size, a State that picks the
// symbol's colour, the contour and "none" colours, and painting composed off screen.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QWidget>

#include "components/pixel_canvas.h"
#include "components/ventrum_export.h"

namespace zel {

class VENTRUM_EXPORT TIndicator : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int State READ State WRITE SetState)

 public:
  int State() const { return state_; }
  // Stores a state from 0 to the family's highest and repaints; a value out of range or equal
  // to the current one is ignored.
  void SetState(int state);

  QColor RGB_contour() const { return contour_; }
  QColor RGB_none() const { return none_; }
  void SetRGB_contour(const QColor& colour) { StoreColour(contour_, colour); }
  void SetRGB_none(const QColor& colour) { StoreColour(none_, colour); }

  // The colour of the symbol's state areas in the current state.
  virtual QColor StateColour() const = 0;
  // The picture, as a paint copies it to the screen.
  QImage Render() const;
  QSize sizeHint() const override { return fixedSize_; }

 protected:
  TIndicator(QSize size, int highestState, QWidget* parent);

  // Colour setters store and repaint even when the colour is unchanged.
  void StoreColour(QColor& field, const QColor& colour);
  // Draws the symbol on a canvas already filled with the background colour.
  virtual void Draw(PixelCanvas& canvas) const = 0;

  QRgb StatePixel() const { return OpaquePixel(StateColour()); }
  QRgb ContourPixel() const { return OpaquePixel(contour_); }
  QRgb BackgroundPixel() const;

  void paintEvent(QPaintEvent* event) override;

 private:
  const QSize fixedSize_;
  const int highestState_;
  int state_ = 0;
  QColor contour_ = QColor(0, 0, 0);
  QColor none_ = QColor(192, 192, 192);
};

}  // namespace zel
