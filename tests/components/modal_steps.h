#pragma once
// Drives the modal dialog that the code under test opens next: the steps run from inside the
// dialog's own event loop, with the dialog active so that the focus moves as it does for a
// person. A dialog still open after the steps is closed and reported, so a fault fails the test
// instead of hanging it.

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace zel::test {

class ModalSteps {
 public:
  using Steps = std::function<void(QDialog&)>;

  explicit ModalSteps(Steps steps) {
    QTimer::singleShot(0, [this, steps = std::move(steps)] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      seen_ = dialog != nullptr;
      if (!dialog) return;
      QApplication::setActiveWindow(dialog);
      active_ = QTest::qWaitForWindowActive(dialog);
      steps(*dialog);
      stayedOpen_ = dialog->isVisible();
      if (stayedOpen_) dialog->done(QDialog::Rejected);
    });
  }
  // A dialog was open when the steps were due, and it had become the active window.
  bool ran() const { return seen_ && active_; }
  bool stayedOpen() const { return stayedOpen_; }

 private:
  bool seen_ = false;
  bool active_ = false;
  bool stayedOpen_ = false;
};

// Types `text` into `widget` key by key, letters outside ASCII included; "\b" is backspace.
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    if (ch == u'\b') {
      QTest::keyClick(widget, Qt::Key_Backspace);
    } else if (ch.unicode() < 0x80) {
      QTest::keyClick(widget, ch.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
  }
}

// The widget that has the keyboard focus, as the person's next key press finds it.
inline QWidget* Focused() { return QApplication::focusWidget(); }

}  // namespace zel::test
