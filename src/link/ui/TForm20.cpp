#include "link/ui/TForm20.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>
#include <climits>

#include "components/TGradient.h"
#include "shell/ui/dialog_look.h"

namespace zel {

TForm20::TForm20(QWidget* parent) : QDialog(parent) {
  setObjectName("Form20");
  Gradient1 = AddGradientPanel(this, "Gradient1");
  auto* layout = new QVBoxLayout(Gradient1);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(10);

  Label1 = new QLabel(Gradient1);
  Label1->setObjectName("Label1");
  layout->addWidget(Label1);

  ComboBox1 = new QComboBox(Gradient1);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setCompleter(nullptr);
  ComboBox1->setMaxVisibleItems(12);
  // Digits only, whether typed or pasted; editing keys and Enter work as usual.
  ComboBox1->lineEdit()->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]*"), ComboBox1));
  layout->addWidget(ComboBox1);
  layout->addSpacing(6);

  buttons_ = new QHBoxLayout;
  buttons_->setSpacing(12);
  BitBtn1 = new QPushButton(Gradient1);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(Gradient1);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  for (QPushButton* button : {BitBtn1, BitBtn2}) {
    button->setMinimumWidth(96);
    buttons_->addWidget(button);
  }
  layout->addLayout(buttons_);
  connect(BitBtn1, &QPushButton::clicked, this, &TForm20::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  MakeFixedDialog(this);
}

void TForm20::Fill(const QString& title, const QString& prompt, const QString& ok,
                   const QString& cancel) {
  setWindowTitle(title);
  Label1->setText(prompt);
  BitBtn1->setText(ok);
  BitBtn2->setText(cancel);
}

void TForm20::SetRange(int lowest, int highest, int current) {
  lowest_ = lowest;
  highest_ = highest;
  ComboBox1->clear();
  for (int v = lowest; v <= highest; ++v) ComboBox1->addItem(QString::number(v));
  ComboBox1->setEditText(QString::number(current));
  ComboBox1->setFocus();
  ComboBox1->lineEdit()->selectAll();
}

int TForm20::value(int fallback) const {
  const QString text = ComboBox1->currentText();
  bool ok = false;
  const int v = text.toInt(&ok);
  if (ok) return v;
  // Digits too many for a number are far beyond any limit, not "no number".
  if (!text.isEmpty() && text.size() > 9) return INT_MAX;
  return fallback;
}

void TForm20::BitBtn1Click() {
  const int v = value();
  if (v < lowest_ || v > highest_) {
    ComboBox1->setFocus();
    ComboBox1->lineEdit()->selectAll();
    return;
  }
  accept();
}

}  // namespace zel
