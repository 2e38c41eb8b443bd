#pragma once
// THandKranD: the hand valve on a diagonal body, 13 x 9 pixels: the bow-tie turned by 45
// degrees, its arrow heads pointing at the centre from the upper right and the lower left.

#include "components/THandValve.h"

namespace zel {

class VENTRUM_EXPORT THandKranD : public THandValve {
  Q_OBJECT

 public:
  explicit THandKranD(QWidget* parent = nullptr);

 protected:
  void Draw(PixelCanvas& canvas) const override;
};

}  // namespace zel
