#include "shell/ui/TForm5.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "components/TGradient.h"
#include "shell/ui/dialog_look.h"

namespace zel {

TForm5::TForm5(QWidget* parent) : QWidget(parent) {
  setObjectName("Form5");
  Panel1 = AddGradientPanel(this, "Panel1");
  auto* layout = new QVBoxLayout(Panel1);
  layout->setContentsMargins(16, 20, 16, 12);
  layout->setSpacing(16);

  Label1 = new QLabel(Panel1);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setMinimumWidth(300);
  layout->addWidget(Label1);

  ProgressBar1 = new QProgressBar(Panel1);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  layout->addWidget(ProgressBar1);

  MakeFixedDialog(this);
}

void TForm5::SetMaximum(int maximum) { ProgressBar1->setMaximum(maximum); }

void TForm5::SetValue(int value) {
  ProgressBar1->setValue(value);
  ProgressBar1->repaint();
}

int TForm5::value() const { return ProgressBar1->value(); }

void TForm5::SetLabel(const QString& text) {
  Label1->setText(text);
  Label1->repaint();
}

}  // namespace zel
