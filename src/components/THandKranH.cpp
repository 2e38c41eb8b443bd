#include "components/THandKranH.h"

namespace zel {

THandKranH::THandKranH(QWidget* parent) : THandValve(QSize(13, 9), parent) {}

void THandKranH::Draw(PixelCanvas& canvas) const {
  PixelCanvas turned = canvas.Transposed();
  DrawUprightSymbol(turned);
}

}  // namespace zel
