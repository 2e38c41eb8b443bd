#pragma once
// TOKBottomDlg1: the three-line warning with yes and no; the first line stands at the left, the
// other two are centred.

#include "shell/ui/TOKBottomDlg.h"

namespace zel {

class TOKBottomDlg1 : public TOKBottomDlg {
  Q_OBJECT

 public:
  explicit TOKBottomDlg1(QWidget* parent = nullptr);

  // Caption, the three lines and the captions of the yes and no buttons.
  void Fill(const QString& title, const QString& line1, const QString& line2,
            const QString& line3, const QString& yes, const QString& no);

  QLabel* Label2;
  QLabel* Label3;
};

}  // namespace zel
