#pragma once
// A Person for tests: it answers from a script and fails the test when the operation asks
// something the script does not expect. Every dialog it was shown is recorded.

#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

#include "shell/person.h"

namespace zel::test {

struct Shown {
  QString kind;  // "message", "yesno", "yesno3", "progress"
  QString title;
  QStringList texts;
};

class ScriptedPerson : public Person {
 public:
  // Queue the answer to the next question (AskYesNo or AskYesNo3).
  ScriptedPerson& Answer(bool yes);
  // Messages are accepted without a script entry unless StrictMessages() is called.
  ScriptedPerson& StrictMessages();
  ScriptedPerson& ExpectMessage(const QString& textContains);

  void ShowMessageBox(const QString& title, const QString& text, const QString& button,
                      Placement placement) override;
  bool AskYesNo(const QString& title, const QString& text) override;
  bool AskYesNo3(const QString& title, const QString& line1, const QString& line2,
                 const QString& line3) override;
  std::unique_ptr<ProgressWindow> OpenProgress(const QString& title, const QString& label,
                                               int maximum, Placement placement) override;

  const std::vector<Shown>& shown() const { return shown_; }
  QStringList messages() const;
  // True when every scripted answer was used.
  bool done() const { return answers_.empty() && expectedMessages_.empty(); }

 private:
  bool NextAnswer(const QString& question);
  std::deque<bool> answers_;
  std::deque<QString> expectedMessages_;
  bool strictMessages_ = false;
  std::vector<Shown> shown_;
};

}  // namespace zel::test
