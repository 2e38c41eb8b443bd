#pragma once
// TSmallKran: the small motor-driven valve, 14 x 21 pixels: an actuator with two windows in the
// state colour on a stem over an outlined bow-tie body.

#include "components/TMotorValve.h"

namespace zel {

class VENTRUM_EXPORT TSmallKran : public TMotorValve {
  Q_OBJECT

 public:
  explicit TSmallKran(QWidget* parent = nullptr);

 protected:
  void Draw(PixelCanvas& canvas) const override;
};

}  // namespace zel
