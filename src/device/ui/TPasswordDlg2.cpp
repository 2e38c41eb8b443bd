#include "device/ui/TPasswordDlg2.h"

#include <QScreen>

namespace zel {

TPasswordDlg2::TPasswordDlg2(QWidget* parent) : TPasswordDlg(parent) {
  setObjectName("PasswordDlg2");
}

void TPasswordDlg2::showEvent(QShowEvent* event) {
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
  }
  TPasswordDlg::showEvent(event);
}

}  // namespace zel
