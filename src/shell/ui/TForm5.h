#pragma once
// TForm5: the progress window for waits the device imposes. A centred label on a panel and a
// progress bar along the bottom; it does not block, the caller advances the bar itself. It is a
// plain window, not a dialog, so Escape does not hide it while the wait goes on.

#include <QWidget>

class QLabel;
class QProgressBar;

namespace zel {

class TGradient;

class TForm5 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm5(QWidget* parent = nullptr);

  // The bar runs from 0 to `maximum` (100 unless set).
  void SetMaximum(int maximum);
  // Moves the bar and repaints it at once: the caller usually blocks the event loop meanwhile.
  void SetValue(int value);
  int value() const;
  void SetLabel(const QString& text);

  TGradient* Panel1;
  QLabel* Label1;
  QProgressBar* ProgressBar1;
};

}  // namespace zel
