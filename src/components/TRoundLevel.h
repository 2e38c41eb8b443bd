#pragma once
// TRoundLevel: the round level lamp, 12 x 12 pixels: a disc in the state colour whose rim
// darkens in two steps toward a ring in the contour colour.

#include "components/TLevelLamp.h"

namespace zel {

class VENTRUM_EXPORT TRoundLevel : public TLevelLamp {
  Q_OBJECT
  Q_PROPERTY(QColor RGB_low READ RGB_low WRITE SetRGB_low)
  Q_PROPERTY(QColor RGB_high READ RGB_high WRITE SetRGB_high)

 public:
  explicit TRoundLevel(QWidget* parent = nullptr);

 protected:
  void Draw(PixelCanvas& canvas) const override;
};

}  // namespace zel
