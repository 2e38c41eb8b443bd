#include "shell/ui/TOKBottomDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "components/TGradient.h"
#include "shell/ui/dialog_look.h"

namespace zel {

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("OKBottomDlg");
  Gradient1 = AddGradientPanel(this, "Gradient1");
  auto* layout = new QVBoxLayout(Gradient1);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(16);

  textLines_ = new QVBoxLayout;
  textLines_->setSpacing(4);
  layout->addLayout(textLines_);
  Label1 = AddTextLine("Label1");
  Label1->setMinimumWidth(240);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(12);
  buttons->addStretch();
  OKBtn = new QPushButton(Gradient1);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
  OKBtn->setMinimumWidth(96);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(Gradient1);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
  CancelBtn->setMinimumWidth(96);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  MakeFixedDialog(this);
  OKBtn->setFocus();
}

QLabel* TOKBottomDlg::AddTextLine(const char* name) {
  auto* label = new QLabel(Gradient1);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  textLines_->addWidget(label);
  return label;
}

void TOKBottomDlg::Fill(const QString& title, const QString& text, const QString& yes,
                        const QString& no) {
  setWindowTitle(title);
  Label1->setText(text);
  OKBtn->setText(yes);
  CancelBtn->setText(no);
}

// Escape and the close button end in reject(), so everything but yes is no.
bool TOKBottomDlg::Ask() { return exec() == QDialog::Accepted; }

}  // namespace zel
