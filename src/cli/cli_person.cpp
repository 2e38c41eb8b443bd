#include "cli/cli_person.h"

#include <cstdio>

namespace zel::cli {

namespace {
void PrintLine(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}
}  // namespace

void CliPerson::Say(const QString& text) {
  messages_ << text;
  if (verbose_) PrintLine(text);
}

void CliPerson::ShowMessageBox(const QString& title, const QString& text, const QString&,
                               Placement) {
  Say(title.isEmpty() ? text : title + QStringLiteral(": ") + text);
}

bool CliPerson::AskYesNo(const QString&, const QString& text) {
  Say(text + QStringLiteral(" -> no"));
  return false;
}

bool CliPerson::AskYesNo3(const QString&, const QString& line1, const QString& line2,
                          const QString& line3) {
  Say(QStringList{line1, line2, line3}.join(u' ').trimmed() +
      (releaseService_ ? QStringLiteral(" -> yes") : QStringLiteral(" -> no")));
  return releaseService_;
}

std::unique_ptr<ProgressWindow> CliPerson::OpenProgress(const QString&, const QString& label, int,
                                                        Placement, ProgressKind) {
  if (verbose_) PrintLine(label);
  return std::make_unique<NoProgressWindow>();
}

void CliPerson::ShowSystemMessage(const QString&, const QString& text) { Say(text); }

void CliPerson::ShowVersionNotice(const QString&, const QString& line1, const QString& line2) {
  Say(line1 + u' ' + line2);
}

std::optional<QString> CliPerson::AskPassword(PasswordKind, bool) { return password_; }

std::optional<int> CliPerson::AskAddress(int, const std::function<void()>&) { return address_; }

void CliActivity::SetPortText(const QString& text) {
  if (verbose_ && !text.isEmpty()) PrintLine(text);
}

void CliActivity::SetActivityText(const QString& text) {
  if (verbose_ && !text.isEmpty()) PrintLine(text);
}

}  // namespace zel::cli
