#include "components/TLevelLamp.h"

namespace zel {

TLevelLamp::TLevelLamp(QSize size, QWidget* parent) : TIndicator(size, 2, parent) {}

QColor TLevelLamp::StateColour() const {
  switch (State()) {
    case 1: return low_;
    case 2: return high_;
    default: return RGB_none();
  }
}

}  // namespace zel
