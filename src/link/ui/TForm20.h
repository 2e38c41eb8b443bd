#pragma once
// TForm20: a whole number chosen from an editable drop-down list within limits. Only digits can
// be typed; OK with a number outside the limits keeps the dialog open with the focus on the
// field. The address dialog is built on it.

#include <QDialog>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace zel {

class TGradient;

class TForm20 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm20(QWidget* parent = nullptr);

  // Caption, prompt and the captions of the OK and cancel buttons.
  void Fill(const QString& title, const QString& prompt, const QString& ok, const QString& cancel);
  // The list holds `lowest`..`highest`; the field shows `current`.
  void SetRange(int lowest, int highest, int current);
  // The number in the field: `fallback` when it is not a number, and a value above every
  // limit when it is too long for one.
  int value(int fallback = 1) const;

  TGradient* Gradient1;
  QLabel* Label1;
  QComboBox* ComboBox1;
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // cancel

 protected:
  // The row of buttons, for a derived dialog to add its own.
  QHBoxLayout* buttonRow() const { return buttons_; }

 private:
  void BitBtn1Click();

  QHBoxLayout* buttons_;
  int lowest_ = 0;
  int highest_ = 0;
};

}  // namespace zel
