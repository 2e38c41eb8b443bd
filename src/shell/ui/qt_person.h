#pragma once
// The person at the computer, answered with the program's real windows: the message box, the
// yes/no questions and the progress window. Each dialog is created, shown, read and destroyed
// within its call, as a child of the active window.

#include "shell/language.h"
#include "shell/person.h"

namespace zel {

class QtPerson : public Person {
 public:
  // `texts` supplies the fixed button captions (yes, no, close); it must outlive this object.
  explicit QtPerson(const LanguageTable& texts);

  // An empty `button` gets the usual closing caption.
  void ShowMessageBox(const QString& title, const QString& text, const QString& button,
                      Placement placement = Placement::Default) override;
  bool AskYesNo(const QString& title, const QString& text) override;
  bool AskYesNo3(const QString& title, const QString& line1, const QString& line2,
                 const QString& line3) override;
  std::unique_ptr<ProgressWindow> OpenProgress(const QString& title, const QString& label,
                                               int maximum = 100,
                                               Placement placement = Placement::Default) override;

 private:
  const LanguageTable& texts_;
};

}  // namespace zel
