#pragma once
// The level lamps TRectLevel and TRoundLevel: three states, none, low and high.

#include "components/TIndicator.h"

namespace zel {

class VENTRUM_EXPORT TLevelLamp : public TIndicator {
  Q_OBJECT
  Q_PROPERTY(QColor RGB_contour READ RGB_contour WRITE SetRGB_contour)
  Q_PROPERTY(QColor RGB_none READ RGB_none WRITE SetRGB_none)

 public:
  QColor RGB_high() const { return high_; }
  QColor RGB_low() const { return low_; }
  void SetRGB_high(const QColor& colour) { StoreColour(high_, colour); }
  void SetRGB_low(const QColor& colour) { StoreColour(low_, colour); }

  // 0 none, 1 low, 2 high.
  QColor StateColour() const override;

 protected:
  TLevelLamp(QSize size, QWidget* parent);

 private:
  QColor high_ = QColor(255, 0, 0);
  QColor low_ = QColor(0, 255, 0);
};

}  // namespace zel
