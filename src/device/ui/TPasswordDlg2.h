#pragma once
// TPasswordDlg2: the password for operational static parameters. The same two-entry dialog as
// the write password, centred on the screen.

#include "device/ui/TPasswordDlg.h"

namespace zel {

class TPasswordDlg2 : public TPasswordDlg {
  Q_OBJECT

 public:
  explicit TPasswordDlg2(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace zel
