#pragma once
// The person at the command line: every dialog is answered from the options, and every
// message is kept for the JSON result (and printed on standard error with --verbose).

#include <QStringList>

#include "shell/person.h"

namespace zel::cli {

class CliPerson final : public Person {
 public:
  CliPerson(int address, QString password, bool releaseService, bool verbose)
      : address_(address), password_(std::move(password)), releaseService_(releaseService),
        verbose_(verbose) {}

  void ShowMessageBox(const QString& title, const QString& text, const QString& button,
                      Placement placement) override;
  // Questions are the retry questions after failures: a script does not repeat, it reports.
  bool AskYesNo(const QString& title, const QString& text) override;
  // The only three-line question is whether to release a run found in service mode.
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
  // The link settings come from the options; there is nothing to edit or to count.
  bool EditLinkParameters(LinkParameters&) override { return false; }
  std::optional<int> AskPreambles(int) override { return std::nullopt; }

  // The last message shown (a link error, a refusal, a notice).
  QString lastMessage() const { return messages_.isEmpty() ? QString() : messages_.last(); }

 private:
  void Say(const QString& text);
  int address_;
  QString password_;
  bool releaseService_;
  bool verbose_;
  QStringList messages_;
};

// Prints the main window's activity texts on standard error.
class CliActivity final : public Activity {
 public:
  explicit CliActivity(bool verbose) : verbose_(verbose) {}
  void SetPortText(const QString& text) override;
  void SetActivityText(const QString& text) override;
  void SetStatusText(const QString&) override {}

 private:
  bool verbose_;
};

}  // namespace zel::cli
