#pragma once
// TRectLevel: the square level lamp, 11 x 11 pixels, a framed square in the state colour.

#include "components/TLevelLamp.h"

namespace zel {

class VENTRUM_EXPORT TRectLevel : public TLevelLamp {
  Q_OBJECT
  Q_PROPERTY(QColor RGB_high READ RGB_high WRITE SetRGB_high)
  Q_PROPERTY(QColor RGB_low READ RGB_low WRITE SetRGB_low)

 public:
  explicit TRectLevel(QWidget* parent = nullptr);

 protected:
  void Draw(PixelCanvas& canvas) const override;
};

}  // namespace zel
