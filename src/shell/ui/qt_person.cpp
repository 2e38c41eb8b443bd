#include "shell/ui/qt_person.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include "shell/text_id.h"
#include "shell/ui/TForm5.h"
#include "shell/ui/TFormMess.h"
#include "shell/ui/TOKBottomDlg.h"
#include "shell/ui/TOKBottomDlg1.h"
#include "shell/ui/dialog_look.h"

namespace zel {

namespace {

// The caller's hold on a progress window. The window is a child of the window that was active
// when it opened and may go with it; the hold then does nothing instead of touching freed memory.
class ProgressHold final : public ProgressWindow {
 public:
  explicit ProgressHold(TForm5* form) : form_(form) {}
  ~ProgressHold() override { delete form_.data(); }

  void SetMaximum(int maximum) override {
    if (form_) form_->SetMaximum(maximum);
  }
  void SetValue(int value) override {
    value_ = value;
    if (form_) form_->SetValue(value);
  }
  int value() const override { return form_ ? form_->value() : value_; }
  void SetLabel(const QString& text) override {
    if (form_) form_->SetLabel(text);
  }

 private:
  QPointer<TForm5> form_;
  int value_ = 0;
};

}  // namespace

QtPerson::QtPerson(const LanguageTable& texts) : texts_(texts) {}

void QtPerson::ShowMessageBox(const QString& title, const QString& text, const QString& button,
                              Placement placement) {
  TFormMess dialog(QApplication::activeWindow());
  dialog.Fill(title, text, button.isEmpty() ? texts_.Text(2278_t) : button);
  ApplyPlacement(&dialog, placement);
  dialog.exec();
}

bool QtPerson::AskYesNo(const QString& title, const QString& text) {
  TOKBottomDlg dialog(QApplication::activeWindow());
  dialog.Fill(title, text, texts_.Text(1773_t), texts_.Text(1772_t));
  return dialog.Ask();
}

bool QtPerson::AskYesNo3(const QString& title, const QString& line1, const QString& line2,
                         const QString& line3) {
  TOKBottomDlg1 dialog(QApplication::activeWindow());
  dialog.Fill(title, line1, line2, line3, texts_.Text(1773_t), texts_.Text(1772_t));
  return dialog.Ask();
}

std::unique_ptr<ProgressWindow> QtPerson::OpenProgress(const QString& title, const QString& label,
                                                       int maximum, Placement placement) {
  auto* form = new TForm5(QApplication::activeWindow());
  form->setWindowTitle(title);
  form->SetLabel(label);
  form->SetMaximum(maximum);
  ApplyPlacement(form, placement);
  form->show();
  // Let the window appear before the caller goes back to blocking work.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return std::make_unique<ProgressHold>(form);
}

}  // namespace zel
