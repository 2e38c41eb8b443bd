#include "components/TMotorValve.h"

namespace zel {

TMotorValve::TMotorValve(QSize size, QWidget* parent) : TIndicator(size, 4, parent) {}

void TMotorValve::SetFail(bool fail) {
  if (fail == fail_) return;
  fail_ = fail;
  update();
}

void TMotorValve::SetShowFail(bool show) {
  if (show == showFail_) return;
  showFail_ = show;
  update();
}

QColor TMotorValve::StateColour() const {
  switch (State()) {
    case 1: return open_;
    case 2: return temp_;
    case 3: return close_;
    case 4: return avar_;
    default: return RGB_none();
  }
}

}  // namespace zel
