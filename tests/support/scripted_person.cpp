#include "support/scripted_person.h"

#include <gtest/gtest.h>

namespace zel::test {

namespace {
class RecordedProgress final : public ProgressWindow {
 public:
  explicit RecordedProgress(int maximum) : maximum_(maximum) {}
  void SetMaximum(int maximum) override { maximum_ = maximum; }
  void SetValue(int value) override { value_ = value; }
  int value() const override { return value_; }
  void SetLabel(const QString&) override {}

 private:
  int maximum_;
  int value_ = 0;
};
}  // namespace

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
                                                             const QString& label, int maximum,
                                                             Placement) {
  shown_.push_back({"progress", title, {label}});
  return std::make_unique<RecordedProgress>(maximum);
}

QStringList ScriptedPerson::messages() const {
  QStringList out;
  for (const auto& s : shown_)
    if (s.kind == "message") out << s.texts.value(0);
  return out;
}

}  // namespace zel::test
