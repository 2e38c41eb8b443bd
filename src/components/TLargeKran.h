#pragma once
// TLargeKran: the large motor-driven valve, 34 x 42 pixels: an actuator box with two windows
// on a stem over a bow-tie valve body, the windows and body in the state colour.

#include "components/TMotorValve.h"

namespace zel {

class VENTRUM_EXPORT TLargeKran : public TMotorValve {
  Q_OBJECT

 public:
  explicit TLargeKran(QWidget* parent = nullptr);

 protected:
  void Draw(PixelCanvas& canvas) const override;
};

}  // namespace zel
