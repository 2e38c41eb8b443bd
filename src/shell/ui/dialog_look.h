#pragma once
// What the common dialogs share: a fixed border with only the system-menu button, a gradient
// panel under all their controls, and placement directly below another window.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "shell/person.h"

class QBoxLayout;
class QPushButton;
class QWidget;

namespace zel {

class TGradient;

// Window flags for a fixed-size dialog whose title bar has only the system menu and close
// button, and a layout that keeps the window at the size of its contents.
void MakeFixedDialog(QWidget* window);

// Fills `window` with a framed gradient panel (grey 192 to 224, object name `name`) and
// returns it; the window's controls go on the panel.
TGradient* AddGradientPanel(QWidget* window, const char* name);

// The accept and cancel buttons of a dialog (BitBtn1, the default, and BitBtn2), centred in a
// row appended to `layout`.
struct AcceptCancelButtons {
  QPushButton* accept;
  QPushButton* cancel;
};
AcceptCancelButtons AddAcceptCancelRow(QWidget* parent, QBoxLayout* layout,
                                       const QString& acceptText, const QString& cancelText);

// Top left of a window of `size` placed directly below `above`: top = above's top + its
// height, centred horizontally on it, pulled back inside `screen` when it would leave it.
QPoint PositionBelow(const QRect& above, QSize size, const QRect& screen);

// Moves `window` below the active window when `placement` asks for it and one is active;
// otherwise a window that is not a QDialog (which places itself) is centred on the active
// window, or on the screen when none is active.
void ApplyPlacement(QWidget* window, Placement placement);

}  // namespace zel
