#pragma once
// TFormMess: the message box. A centred message on a framed gradient panel and one button that
// closes it; Enter and Escape close it too.

#include <QDialog>

class QLabel;
class QPushButton;

namespace zel {

class TGradient;

class TFormMess : public QDialog {
  Q_OBJECT

 public:
  explicit TFormMess(QWidget* parent = nullptr);

  // Caption, message and the button's caption.
  void Fill(const QString& title, const QString& text, const QString& button);

  TGradient* Gradient1;
  QLabel* Label1;
  QPushButton* BitBtn1;
};

}  // namespace zel
