#include "shell/ui/TFormMess.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "components/TGradient.h"
#include "shell/ui/dialog_look.h"

namespace zel {

TFormMess::TFormMess(QWidget* parent) : QDialog(parent) {
  setObjectName("FormMess");
  Gradient1 = AddGradientPanel(this, "Gradient1");
  auto* layout = new QVBoxLayout(Gradient1);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(16);

  Label1 = new QLabel(Gradient1);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setMinimumWidth(240);
  layout->addWidget(Label1);

  BitBtn1 = new QPushButton(Gradient1);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  BitBtn1->setMinimumWidth(96);
  BitBtn1->setDefault(true);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
  // The one button is both default and cancel: Enter presses it, Escape rejects the dialog;
  // either way the box just closes.
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  MakeFixedDialog(this);
}

void TFormMess::Fill(const QString& title, const QString& text, const QString& button) {
  setWindowTitle(title);
  Label1->setText(text);
  BitBtn1->setText(button);
}

}  // namespace zel
