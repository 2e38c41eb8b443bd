#include "shell/ui/dialog_look.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "components/TGradient.h"

namespace zel {

void MakeFixedDialog(QWidget* window) {
  window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint);
  if (window->layout() != nullptr) window->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TGradient* AddGradientPanel(QWidget* window, const char* name) {
  auto* outer = new QVBoxLayout(window);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* panel = new TGradient(window);
  panel->setObjectName(QString::fromLatin1(name));
  panel->SetRGB_From(QColor(192, 192, 192));
  panel->SetRGB_To(QColor(224, 224, 224));
  panel->SetControl_3D(true);
  outer->addWidget(panel);
  return panel;
}

AcceptCancelButtons AddAcceptCancelRow(QWidget* parent, QBoxLayout* layout,
                                       const QString& acceptText, const QString& cancelText) {
  auto* row = new QHBoxLayout;
  row->setSpacing(12);
  row->addStretch();
  auto* accept = new QPushButton(acceptText, parent);
  accept->setObjectName(QStringLiteral("BitBtn1"));
  accept->setIcon(parent->style()->standardIcon(QStyle::SP_DialogOkButton));
  accept->setDefault(true);
  auto* cancel = new QPushButton(cancelText, parent);
  cancel->setObjectName(QStringLiteral("BitBtn2"));
  cancel->setIcon(parent->style()->standardIcon(QStyle::SP_DialogCancelButton));
  for (QPushButton* button : {accept, cancel}) {
    button->setMinimumWidth(96);
    row->addWidget(button);
  }
  row->addStretch();
  layout->addLayout(row);
  return {accept, cancel};
}

QPoint PositionBelow(const QRect& above, QSize size, const QRect& screen) {
  int x = above.x() + (above.width() - size.width()) / 2;
  int y = above.y() + above.height();
  // A modal window the person cannot see would block the program with no visible cause.
  if (screen.isValid()) {
    x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    y = std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
  }
  return {x, y};
}

void ApplyPlacement(QWidget* window, Placement placement) {
  QWidget* active = QApplication::activeWindow();
  if (active == window) active = nullptr;
  const bool below = placement == Placement::BelowActive && active != nullptr;
  if (!below && qobject_cast<QDialog*>(window) != nullptr) return;
  // The size it will show with: styled, laid out.
  window->ensurePolished();
  if (window->layout() != nullptr) window->layout()->activate();
  window->adjustSize();
  const QScreen* screen = active != nullptr ? active->screen() : window->screen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
  // The window's own frame is not known before it is shown; it will be like the active one's.
  const QSize frame = active != nullptr ? active->frameGeometry().size() - active->size() : QSize();
  const QSize size = window->size() + frame;
  if (below) {
    window->move(PositionBelow(active->frameGeometry(), size, area));
  } else {
    const QRect around = active != nullptr ? active->frameGeometry() : area;
    window->move(around.center() - QPoint(size.width() / 2, size.height() / 2));
  }
}

}  // namespace zel
