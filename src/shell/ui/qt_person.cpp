#include "shell/ui/qt_person.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>

#include "device/ui/TForm83.h"
#include "device/ui/TPasswordDlg.h"
#include "device/ui/TPasswordDlg2.h"
#include "link/ui/TForm72.h"
#include "link/ui/TForm73.h"
#include "link/ui/TPreambula.h"
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
  ProgressHold(TForm5* form, bool busy) : form_(form), busy_(busy) {
    if (busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~ProgressHold() override {
    delete form_.data();
    if (busy_) QApplication::restoreOverrideCursor();
  }

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
  bool busy_;
  int value_ = 0;
};

}  // namespace

QtPerson::QtPerson(const LanguageTable& texts, const Settings& settings)
    : texts_(texts), settings_(settings) {}

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
                                                       int maximum, Placement placement,
                                                       ProgressKind kind) {
  const bool portTest = kind == ProgressKind::PortTest;
  auto* form = new TForm5(QApplication::activeWindow());
  if (portTest) form->setObjectName("Form92");
  form->setWindowTitle(title);
  form->SetLabel(label);
  form->SetMaximum(maximum);
  ApplyPlacement(form, placement);
  form->show();
  // Let the window appear before the caller goes back to blocking work.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return std::make_unique<ProgressHold>(form, portTest);
}

void QtPerson::ShowSystemMessage(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setObjectName("SystemMessage");
  box.exec();
}

void QtPerson::ShowVersionNotice(const QString& caption, const QString& line1,
                                 const QString& line2) {
  TForm83 notice(QApplication::activeWindow());
  notice.Fill(caption, line1, line2);
  notice.exec();
}

std::optional<QString> QtPerson::AskPassword(PasswordKind kind, bool singleEntry) {
  const bool isStatic = kind == PasswordKind::Static;
  std::unique_ptr<TPasswordDlg> dialog =
      isStatic ? std::make_unique<TPasswordDlg2>(QApplication::activeWindow())
               : std::make_unique<TPasswordDlg>(QApplication::activeWindow());
  dialog->Fill(texts_.Text(isStatic ? 3086_t : 2763_t), texts_.Text(2193_t), texts_.Text(2194_t),
               texts_.Text(2279_t), texts_.Text(2278_t));
  dialog->SetSingleEntry(singleEntry);
  return dialog->Ask();
}

std::optional<int> QtPerson::AskAddress(int current,
                                        const std::function<void()>& openLinkParameters) {
  TForm73 dialog(texts_, openLinkParameters, QApplication::activeWindow());
  return dialog.Ask(current);
}

bool QtPerson::EditLinkParameters(LinkParameters& params) {
  TForm72 dialog(texts_, QApplication::activeWindow());
  return dialog.Edit(params);
}

std::optional<int> QtPerson::AskPreambles(int current) {
  TPreambula dialog(texts_, settings_.LangRus, QApplication::activeWindow());
  return dialog.Ask(current);
}

}  // namespace zel
