#include "device/ui/TForm83.h"

#include <QLabel>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "components/TGradient.h"
#include "shell/ui/dialog_look.h"

namespace zel {

TForm83::TForm83(QWidget* parent, int shownMs) : QDialog(parent) {
  setObjectName("Form83");
  Gradient1 = AddGradientPanel(this, "Gradient1");
  auto* layout = new QVBoxLayout(Gradient1);
  layout->setContentsMargins(28, 24, 28, 24);
  layout->setSpacing(8);
  Label1 = new QLabel(Gradient1);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(Gradient1);
  Label2->setObjectName("Label2");
  for (QLabel* label : {Label1, Label2}) {
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(320);
    layout->addWidget(label);
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setSingleShot(true);
  Timer1->setInterval(shownMs);
  connect(Timer1, &QTimer::timeout, this, &TForm83::Timer1Timer);

  MakeFixedDialog(this);
}

void TForm83::Fill(const QString& title, const QString& line1, const QString& line2) {
  setWindowTitle(title);
  Label1->setText(line1);
  Label2->setText(line2);
}

void TForm83::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) Timer1->start();
}

void TForm83::Timer1Timer() { done(kClosedByTimer); }

}  // namespace zel
