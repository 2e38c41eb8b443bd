#pragma once
// TForm83: the notice that the connected computer needs another service program. Two lines of
// text; the window closes by itself a moment after it is shown (modal result 8).

#include <QDialog>

class QLabel;
class QTimer;

namespace zel {

class TGradient;

class TForm83 : public QDialog {
  Q_OBJECT

 public:
  // The modal result of the self-closing.
  static constexpr int kClosedByTimer = 8;
  static constexpr int kShownMs = 3400;

  // The window closes `shownMs` after it is shown.
  explicit TForm83(QWidget* parent = nullptr, int shownMs = kShownMs);

  void Fill(const QString& title, const QString& line1, const QString& line2);

  TGradient* Gradient1;
  QLabel* Label1;
  QLabel* Label2;
  QTimer* Timer1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Timer1Timer();
};

}  // namespace zel
