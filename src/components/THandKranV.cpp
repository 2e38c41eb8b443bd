#include "components/THandKranV.h"

namespace zel {

THandKranV::THandKranV(QWidget* parent) : THandValve(QSize(9, 13), parent) {}

void THandKranV::Draw(PixelCanvas& canvas) const {
  DrawUprightSymbol(canvas);
}

}  // namespace zel
