#include "shell/ui/TOKBottomDlg1.h"

#include <QLabel>

namespace zel {

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent) : TOKBottomDlg(parent) {
  setObjectName("OKBottomDlg1");
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label2 = AddTextLine("Label2");
  Label3 = AddTextLine("Label3");
}

void TOKBottomDlg1::Fill(const QString& title, const QString& line1, const QString& line2,
                         const QString& line3, const QString& yes, const QString& no) {
  TOKBottomDlg::Fill(title, line1, yes, no);
  Label2->setText(line2);
  Label3->setText(line3);
}

}  // namespace zel
