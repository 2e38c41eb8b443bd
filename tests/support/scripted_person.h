#pragma once
// A Person for tests: it answers from a script and fails the test when the operation asks
// something the script does not expect. Every dialog it was shown is recorded.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "shell/person.h"

namespace zel::test {

struct Shown {
  // "message", "yesno", "yesno3", "progress", "system", "notice", "password", "address",
  // "linkparameters", "preambles"
  QString kind;
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
  // Queue the entry of the next password dialog (empty = cancel).
  ScriptedPerson& EnterPassword(std::optional<QString> text);
  // Queue the answer of the next address dialog (empty = cancel). With `pressLinkParameters`
  // the link parameters button is pressed first.
  ScriptedPerson& EnterAddress(std::optional<int> address, bool pressLinkParameters = false);
  // Queue what the next link parameters dialog does with the values (false = cancel).
  ScriptedPerson& EditLinkParametersWith(std::function<bool(LinkParameters&)> edit);
  ScriptedPerson& EnterPreambles(std::optional<int> count);

  void ShowMessageBox(const QString& title, const QString& text, const QString& button,
                      Placement placement) override;
  bool AskYesNo(const QString& title, const QString& text) override;
  bool AskYesNo3(const QString& title, const QString& line1, const QString& line2,
                 const QString& line3) override;
  std::unique_ptr<ProgressWindow> OpenProgress(const QString& title, const QString& label,
                                               int maximum, Placement placement,
                                               ProgressKind kind) override;
  void ShowSystemMessage(const QString& caption, const QString& text) override;
  void ShowVersionNotice(const QString& caption, const QString& line1,
                         const QString& line2) override;
  std::optional<QString> AskPassword(PasswordKind kind, bool singleEntry) override;
  std::optional<int> AskAddress(int current,
                                const std::function<void()>& openLinkParameters) override;
  bool EditLinkParameters(LinkParameters& params) override;
  std::optional<int> AskPreambles(int current) override;

  const std::vector<Shown>& shown() const { return shown_; }
  QStringList messages() const;
  // True when every scripted answer was used.
  bool done() const {
    return answers_.empty() && expectedMessages_.empty() && passwords_.empty() &&
           addresses_.empty() && linkEdits_.empty() && preambles_.empty();
  }
  // The kinds of the dialogs shown, in order.
  QStringList kinds() const;

 private:
  bool NextAnswer(const QString& question);
  std::deque<bool> answers_;
  std::deque<QString> expectedMessages_;
  std::deque<std::pair<bool, QString>> passwords_;  // (entered, text)
  std::deque<std::pair<std::optional<int>, bool>> addresses_;
  std::deque<std::function<bool(LinkParameters&)>> linkEdits_;
  std::deque<std::optional<int>> preambles_;
  bool strictMessages_ = false;
  std::vector<Shown> shown_;
};

}  // namespace zel::test
