#pragma once
// THandKranH: the lying hand valve, 13 x 9 pixels: the upright symbol turned a quarter.

#include "components/THandValve.h"

namespace zel {

class VENTRUM_EXPORT THandKranH : public THandValve {
  Q_OBJECT

 public:
  explicit THandKranH(QWidget* parent = nullptr);

 protected:
  void Draw(PixelCanvas& canvas) const override;
};

}  // namespace zel
