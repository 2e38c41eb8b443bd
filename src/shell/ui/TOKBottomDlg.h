#pragma once
// TOKBottomDlg: the yes/no question. A centred text over a yes button (default: Enter) and a no
// button (cancel: Escape); the window's close button answers no as well.

#include <QDialog>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace zel {

class TGradient;

class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOKBottomDlg(QWidget* parent = nullptr);

  // Caption, question and the captions of the yes and no buttons.
  void Fill(const QString& title, const QString& text, const QString& yes, const QString& no);
  // Shows the question modally; true only when it was closed with the yes button (or Enter).
  bool Ask();

  TGradient* Gradient1;
  QLabel* Label1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  // A centred label for the text area, added below the ones already there.
  QLabel* AddTextLine(const char* name);

 private:
  QVBoxLayout* textLines_;
};

}  // namespace zel
