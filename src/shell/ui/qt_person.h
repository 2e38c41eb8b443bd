#pragma once
// The person at the computer, answered with the program's real windows: the message box, the
// yes/no questions, the progress window, the notices, the password, address, link parameters
// and preamble dialogs. Each dialog is created, shown, read and destroyed within its call, as a
// child of the active window.

#include "shell/language.h"
#include "shell/person.h"
#include "shell/settings.h"

namespace zel {

class QtPerson : public Person {
 public:
  // `texts` supplies the captions; `settings` the language choice of the texts the program
  // holds itself. Both must outlive this object.
  QtPerson(const LanguageTable& texts, const Settings& settings);

  // An empty `button` gets the usual closing caption.
  void ShowMessageBox(const QString& title, const QString& text, const QString& button,
                      Placement placement = Placement::Default) override;
  bool AskYesNo(const QString& title, const QString& text) override;
  bool AskYesNo3(const QString& title, const QString& line1, const QString& line2,
                 const QString& line3) override;
  // The port test window shows the busy cursor while it is open.
  std::unique_ptr<ProgressWindow> OpenProgress(const QString& title, const QString& label,
                                               int maximum = 100,
                                               Placement placement = Placement::Default,
                                               ProgressKind kind = ProgressKind::Wait) override;
  void ShowSystemMessage(const QString& caption, const QString& text) override;
  void ShowVersionNotice(const QString& caption, const QString& line1,
                         const QString& line2) override;
  // The write password in TPasswordDlg, the static password in TPasswordDlg2.
  std::optional<QString> AskPassword(PasswordKind kind, bool singleEntry) override;
  std::optional<int> AskAddress(int current,
                                const std::function<void()>& openLinkParameters) override;
  bool EditLinkParameters(LinkParameters& params) override;
  std::optional<int> AskPreambles(int current) override;

 private:
  const LanguageTable& texts_;
  const Settings& settings_;
};

}  // namespace zel
