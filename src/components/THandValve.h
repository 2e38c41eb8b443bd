#pragma once
// The hand valves THandKranV, THandKranH and THandKranD: a bow-tie symbol whose two arrow heads
// show the state colour. State 4 is accepted but has no colour of its own; it draws in RGB_none.

#include "components/TIndicator.h"

namespace zel {

class VENTRUM_EXPORT THandValve : public TIndicator {
  Q_OBJECT
  Q_PROPERTY(QColor RGB_contour READ RGB_contour WRITE SetRGB_contour)
  Q_PROPERTY(QColor RGB_none READ RGB_none WRITE SetRGB_none)
  Q_PROPERTY(QColor RGB_open READ RGB_open WRITE SetRGB_open)
  Q_PROPERTY(QColor RGB_temp READ RGB_temp WRITE SetRGB_temp)
  Q_PROPERTY(QColor RGB_close READ RGB_close WRITE SetRGB_close)

 public:
  QColor RGB_open() const { return open_; }
  QColor RGB_temp() const { return temp_; }
  QColor RGB_close() const { return close_; }
  void SetRGB_open(const QColor& colour) { StoreColour(open_, colour); }
  void SetRGB_temp(const QColor& colour) { StoreColour(temp_, colour); }
  void SetRGB_close(const QColor& colour) { StoreColour(close_, colour); }

  // 0 none, 1 open, 2 temp, 3 close; 4 none as well.
  QColor StateColour() const override;

 protected:
  THandValve(QSize size, QWidget* parent);
  // The upright symbol, 9 x 13: two triangles tip to tip, their arrow heads in the state colour.
  // Drawn on a transposed canvas it is the lying symbol, 13 x 9.
  void DrawUprightSymbol(PixelCanvas& canvas) const;

 private:
  QColor open_ = QColor(0, 255, 0);
  QColor temp_ = QColor(255, 255, 0);
  QColor close_ = QColor(0, 0, 255);
};

}  // namespace zel
