#include "support/scripted_person.h"

#include <gtest/gtest.h>

namespace zel::test {

ScriptedPerson& ScriptedPerson::Answer(bool yes) {
  answers_.push_back(yes);
  return *this;
}

ScriptedPerson& ScriptedPerson::StrictMessages() {
  strictMessages_ = true;
  return *this;
}

ScriptedPerson& ScriptedPerson::ExpectMessage(const QString& textContains) {
  strictMessages_ = true;
  expectedMessages_.push_back(textContains);
  return *this;
}

void ScriptedPerson::ShowMessageBox(const QString& title, const QString& text,
                                    const QString& button, Placement) {
  shown_.push_back({"message", title, {text, button}});
  if (!strictMessages_) return;
  if (expectedMessages_.empty()) {
    ADD_FAILURE() << "unexpected message: " << text.toStdString();
    return;
  }
  EXPECT_TRUE(text.contains(expectedMessages_.front()))
      << "message \"" << text.toStdString() << "\" instead of one containing \""
      << expectedMessages_.front().toStdString() << "\"";
  expectedMessages_.pop_front();
}

bool ScriptedPerson::NextAnswer(const QString& question) {
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << question.toStdString();
    return false;
  }
  bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

bool ScriptedPerson::AskYesNo(const QString& title, const QString& text) {
  shown_.push_back({"yesno", title, {text}});
  return NextAnswer(text);
}

bool ScriptedPerson::AskYesNo3(const QString& title, const QString& line1, const QString& line2,
                               const QString& line3) {
  shown_.push_back({"yesno3", title, {line1, line2, line3}});
  return NextAnswer(line1 + " / " + line2 + " / " + line3);
}

std::unique_ptr<ProgressWindow> ScriptedPerson::OpenProgress(const QString& title,
                                                             const QString& label, int,
                                                             Placement, ProgressKind) {
  shown_.push_back({"progress", title, {label}});
  return std::make_unique<NoProgressWindow>();
}

ScriptedPerson& ScriptedPerson::EnterPassword(std::optional<QString> text) {
  passwords_.push_back({text.has_value(), text.value_or(QString())});
  return *this;
}

ScriptedPerson& ScriptedPerson::EnterAddress(std::optional<int> address,
                                             bool pressLinkParameters) {
  addresses_.push_back({address, pressLinkParameters});
  return *this;
}

ScriptedPerson& ScriptedPerson::EditLinkParametersWith(std::function<bool(LinkParameters&)> edit) {
  linkEdits_.push_back(std::move(edit));
  return *this;
}

ScriptedPerson& ScriptedPerson::EnterPreambles(std::optional<int> count) {
  preambles_.push_back(count);
  return *this;
}

void ScriptedPerson::ShowSystemMessage(const QString& caption, const QString& text) {
  shown_.push_back({"system", caption, {text}});
}

void ScriptedPerson::ShowVersionNotice(const QString& caption, const QString& line1,
                                       const QString& line2) {
  shown_.push_back({"notice", caption, {line1, line2}});
}

std::optional<QString> ScriptedPerson::AskPassword(PasswordKind kind, bool singleEntry) {
  shown_.push_back({"password", kind == PasswordKind::Write ? "write" : "static",
                    {singleEntry ? "single" : "double"}});
  if (passwords_.empty()) {
    ADD_FAILURE() << "unexpected password dialog";
    return std::nullopt;
  }
  const auto [entered, text] = passwords_.front();
  passwords_.pop_front();
  if (!entered) return std::nullopt;
  return text;
}

std::optional<int> ScriptedPerson::AskAddress(int current,
                                              const std::function<void()>& openLinkParameters) {
  shown_.push_back({"address", QString(), {QString::number(current)}});
  if (addresses_.empty()) {
    ADD_FAILURE() << "unexpected address dialog";
    return std::nullopt;
  }
  auto [address, press] = addresses_.front();
  addresses_.pop_front();
  if (press) openLinkParameters();
  return address;
}

bool ScriptedPerson::EditLinkParameters(LinkParameters& params) {
  shown_.push_back({"linkparameters", QString(), {}});
  if (linkEdits_.empty()) {
    ADD_FAILURE() << "unexpected link parameters dialog";
    return false;
  }
  auto edit = std::move(linkEdits_.front());
  linkEdits_.pop_front();
  return edit(params);
}

std::optional<int> ScriptedPerson::AskPreambles(int current) {
  shown_.push_back({"preambles", QString(), {QString::number(current)}});
  if (preambles_.empty()) {
    ADD_FAILURE() << "unexpected preamble dialog";
    return std::nullopt;
  }
  auto count = preambles_.front();
  preambles_.pop_front();
  return count;
}

QStringList ScriptedPerson::kinds() const {
  QStringList out;
  for (const auto& s : shown_) out << s.kind;
  return out;
}

QStringList ScriptedPerson::messages() const {
  QStringList out;
  for (const auto& s : shown_)
    if (s.kind == "message") out << s.texts.value(0);
  return out;
}

}  // namespace zel::test
