#pragma once
// THandKranV: the upright hand valve, 9 x 13 pixels.

#include "components/THandValve.h"

namespace zel {

class VENTRUM_EXPORT THandKranV : public THandValve {
  Q_OBJECT

 public:
  explicit THandKranV(QWidget* parent = nullptr);

 protected:
  void Draw(PixelCanvas& canvas) const override;
};

}  // namespace zel
