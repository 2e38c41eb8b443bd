// The password dialogs and the device notices through QtPerson, offscreen: single and double
// entry with the focus rules of the repeated entry, the 16-character limit and the '*' echo,
// cancelling; the self-closing notice and the plain system message.

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>
#include <vector>

#include "device/ui/TForm83.h"
#include "device/ui/TPasswordDlg.h"
#include "device/ui/TPasswordDlg2.h"
#include "modal_steps.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "shell/text_id.h"
#include "shell/ui/qt_person.h"

namespace zel {

using test::Focused;
using test::ModalSteps;
using test::TypeText;

namespace {

// One thing the person does in a password dialog.
struct Step {
  enum Kind { Type, Tab, Backtab, Enter, ClickOk, ClickCancel, Escape, ClickField } kind;
  QString text;  // Type: the characters; ClickField: the field's name
};

Step Type(const char* text) { return {Step::Type, QString::fromUtf8(text)}; }
Step ClickOn(const char* field) { return {Step::ClickField, QString::fromLatin1(field)}; }
const Step kTab{Step::Tab, {}};
const Step kBacktab{Step::Backtab, {}};
const Step kEnter{Step::Enter, {}};
const Step kOk{Step::ClickOk, {}};
const Step kCancel{Step::ClickCancel, {}};
const Step kEscape{Step::Escape, {}};

// A click on a button as two events: a dialog that the press alone closes never sees the
// release, as with a real mouse, whose release comes after the dialog's loop has ended.
void Press(QDialog& dialog, const char* name) {
  auto* button = dialog.findChild<QPushButton*>(name);
  QTest::mousePress(button, Qt::LeftButton);
  if (dialog.isVisible()) QTest::mouseRelease(button, Qt::LeftButton);
}

void Perform(QDialog& dialog, const Step& step) {
  switch (step.kind) {
    case Step::Type: TypeText(Focused(), step.text); break;
    case Step::Tab: QTest::keyClick(Focused(), Qt::Key_Tab); break;
    case Step::Backtab: QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier); break;
    case Step::Enter: QTest::keyClick(Focused(), Qt::Key_Return); break;
    case Step::Escape: QTest::keyClick(Focused(), Qt::Key_Escape); break;
    case Step::ClickOk: Press(dialog, "OKBtn"); break;
    case Step::ClickCancel: Press(dialog, "CancelBtn"); break;
    case Step::ClickField:
      QTest::mouseClick(dialog.findChild<QLineEdit*>(step.text), Qt::LeftButton);
      break;
  }
}

}  // namespace

}  // namespace zel

Q_DECLARE_METATYPE(std::vector<zel::Step>)

namespace zel {

class PasswordDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QString error;
    QVERIFY2(texts_.Load(1, &error), qPrintable(error));
  }

  void texts_data() {
    QTest::addColumn<bool>("isStatic");
    QTest::newRow("write password") << false;
    QTest::newRow("static password") << true;
  }
  void texts() {
    QFETCH(bool, isStatic);
    QtPerson person(texts_, settings_);
    ModalSteps steps([&](QDialog& dialog) {
      QCOMPARE(qobject_cast<TPasswordDlg2*>(&dialog) != nullptr, isStatic);
      QCOMPARE(dialog.windowTitle(), texts_.Text(isStatic ? 3086_t : 2763_t));
      QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), texts_.Text(2193_t));
      QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), texts_.Text(2194_t));
      QCOMPARE(dialog.findChild<QPushButton*>("OKBtn")->text(), texts_.Text(2279_t));
      QCOMPARE(dialog.findChild<QPushButton*>("CancelBtn")->text(), texts_.Text(2278_t));
      QVERIFY(dialog.findChild<QPushButton*>("OKBtn")->isDefault());
      QCOMPARE(Focused(), dialog.findChild<QLineEdit*>("Password"));
    });
    person.AskPassword(isStatic ? PasswordKind::Static : PasswordKind::Write, false);
    QVERIFY(steps.ran());
  }

  // Single entry: no repetition, buttons moved up, a window 130 high; OK closes at once.
  void singleEntry() {
    QtPerson person(texts_, settings_);
    ModalSteps steps([](QDialog& dialog) {
      auto* repeat = dialog.findChild<QLineEdit*>("Edit1");
      QVERIFY(!repeat->isVisible());
      QVERIFY(!repeat->isEnabled());
      QVERIFY(!dialog.findChild<QLabel*>("Label2")->isVisible());
      QCOMPARE(dialog.height(), 130);
      QCOMPARE(dialog.findChild<QPushButton*>("OKBtn")->y(), 60);
      QCOMPARE(dialog.findChild<QPushButton*>("CancelBtn")->y(), 60);
      // The buttons lie below the entry and inside the window.
      auto* entry = dialog.findChild<QLineEdit*>("Password");
      QVERIFY(entry->geometry().bottom() < 60);
      QVERIFY(dialog.findChild<QPushButton*>("OKBtn")->geometry().bottom() < 130);
      TypeText(entry, QStringLiteral("Пароль1"));
      QTest::keyClick(entry, Qt::Key_Return);
    });
    QCOMPARE(person.AskPassword(PasswordKind::Write, true),
             std::optional<QString>(QStringLiteral("Пароль1")));
    QVERIFY(!steps.stayedOpen());
  }

  // Double entry: both fields shown, the buttons below the repetition.
  void doubleEntryLayout() {
    QtPerson person(texts_, settings_);
    ModalSteps steps([](QDialog& dialog) {
      auto* repeat = dialog.findChild<QLineEdit*>("Edit1");
      QVERIFY(repeat->isVisible());
      QVERIFY(repeat->isEnabled());
      QVERIFY(dialog.findChild<QLabel*>("Label2")->isVisible());
      QVERIFY(dialog.findChild<QPushButton*>("OKBtn")->y() > repeat->geometry().bottom());
      QVERIFY(dialog.height() > 130);
    });
    person.AskPassword(PasswordKind::Write, false);
    QVERIFY(steps.ran());
  }

  // Sixteen characters at most, each shown as '*'.
  void entryLimitAndEcho_data() {
    QTest::addColumn<bool>("single");
    QTest::newRow("single entry") << true;
    QTest::newRow("double entry") << false;
  }
  void entryLimitAndEcho() {
    QFETCH(bool, single);
    QtPerson person(texts_, settings_);
    QStringList shown;
    ModalSteps steps([&](QDialog& dialog) {
      const char* fields[] = {"Password", "Edit1"};
      for (int i = 0; i < (single ? 1 : 2); ++i) {
        auto* edit = dialog.findChild<QLineEdit*>(fields[i]);
        QCOMPARE(edit->maxLength(), 16);
        edit->setFocus();
        QTest::keyClicks(edit, "abcdefghijklmnopqrstuvwxyz");
        QCOMPARE(edit->text(), QStringLiteral("abcdefghijklmnop"));
        shown << edit->displayText();
      }
      QTest::keyClick(Focused(), Qt::Key_Return);
    });
    QCOMPARE(person.AskPassword(PasswordKind::Write, single),
             std::optional<QString>(QStringLiteral("abcdefghijklmnop")));
    for (const QString& text : shown) QCOMPARE(text, QString(16, u'*'));
  }

  // The repeated entry: the dialog closes only when both entries match, and a mismatch puts
  // the focus where the person corrects it.
  void doubleEntry_data() {
    QTest::addColumn<std::vector<Step>>("steps");
    QTest::addColumn<std::optional<QString>>("result");  // empty: cancelled or still open
    QTest::addColumn<QString>("focus");                  // the focused field when still open
    using S = std::vector<Step>;
    const auto none = std::optional<QString>();
    QTest::newRow("match, leaving the repetition")
        << S{Type("abc"), kTab, Type("abc"), kTab} << std::optional<QString>("abc") << "";
    QTest::newRow("match, Enter") << S{Type("abc"), kTab, Type("abc"), kEnter}
                                  << std::optional<QString>("abc") << "";
    QTest::newRow("match, OK clicked") << S{Type("abc"), kTab, Type("abc"), kOk}
                                       << std::optional<QString>("abc") << "";
    QTest::newRow("both empty, Enter") << S{kEnter} << std::optional<QString>("") << "";
    QTest::newRow("mismatch leaving the repetition goes to the entry")
        << S{Type("abc"), kTab, Type("abd"), kTab} << none << "Password";
    QTest::newRow("mismatch clicking the entry") << S{Type("abc"), kTab, Type("x"), ClickOn("Password")}
                                                 << none << "Password";
    QTest::newRow("leaving the entry backwards goes to the repetition")
        << S{Type("abc"), kBacktab} << none << "Edit1";
    QTest::newRow("OK in the entry goes to the repetition") << S{Type("abc"), kEnter} << none
                                                            << "Edit1";
    QTest::newRow("OK in the repetition goes to the entry")
        << S{Type("abc"), kTab, Type("ab"), kEnter} << none << "Password";
    QTest::newRow("OK clicked after the repetition goes to the entry")
        << S{Type("abc"), kTab, Type("ab"), kOk} << none << "Password";
    QTest::newRow("corrected after a mismatch")
        << S{Type("abc"), kTab, Type("abd"), kTab, kTab, Type("abc"), kTab}
        << std::optional<QString>("abc") << "";
    QTest::newRow("the field put back in focus is selected for retyping")
        << S{Type("abc"), kTab, Type("abd"), kEnter, Type("xyz"), kTab, Type("xyz"), kEnter}
        << std::optional<QString>("xyz") << "";
    // Cancel cancels even when leaving the repetition would have confirmed the entry.
    QTest::newRow("cancel clicked with matching entries")
        << S{Type("abc"), kTab, Type("abc"), kCancel} << none << "";
    QTest::newRow("Escape with matching entries")
        << S{Type("abc"), kTab, Type("abc"), kEscape} << none << "";
    QTest::newRow("cancel clicked in the entry") << S{Type("abc"), kCancel} << none << "";
  }
  void doubleEntry() {
    QFETCH(std::vector<Step>, steps);
    QFETCH(std::optional<QString>, result);
    QFETCH(QString, focus);
    for (PasswordKind kind : {PasswordKind::Write, PasswordKind::Static}) {
      QtPerson person(texts_, settings_);
      QString focusedAtEnd;
      ModalSteps driver([&](QDialog& dialog) {
        for (const Step& step : steps) {
          if (!dialog.isVisible()) break;
          Perform(dialog, step);
        }
        if (dialog.isVisible() && Focused()) focusedAtEnd = Focused()->objectName();
      });
      QCOMPARE(person.AskPassword(kind, false), result);
      QVERIFY(driver.ran());
      QCOMPARE(driver.stayedOpen(), !focus.isEmpty());
      if (!focus.isEmpty()) QCOMPARE(focusedAtEnd, focus);
    }
  }

  // `inPassword` follows the field the focus is in.
  void inPasswordFollowsTheFocus() {
    TPasswordDlg dialog;
    std::vector<bool> seen;
    ModalSteps steps([&seen](QDialog& shown) {
      auto& form = static_cast<TPasswordDlg&>(shown);
      seen.push_back(form.inPassword());
      TypeText(form.Password, "a");
      form.Edit1->setFocus(Qt::MouseFocusReason);
      seen.push_back(form.inPassword());
      form.Password->setFocus(Qt::MouseFocusReason);
      seen.push_back(form.inPassword());
    });
    dialog.exec();
    QCOMPARE(seen, (std::vector<bool>{true, false, true}));
  }

  // ---- the notices ----

  // The notice closes itself with modal result 8 once its time is up.
  void versionNoticeClosesItself() {
    TForm83 notice(nullptr, 20);
    notice.Fill("Attention", "line one", "line two");
    notice.open();
    QVERIFY(notice.isVisible());
    QVERIFY(QTest::qWaitFor([&notice] { return !notice.isVisible(); }, 5000));
    QCOMPARE(notice.result(), TForm83::kClosedByTimer);
    QCOMPARE(TForm83::kClosedByTimer, 8);
  }

  void versionNoticeThroughThePerson() {
    QtPerson person(texts_, settings_);
    ModalSteps steps([this](QDialog& dialog) {
      QVERIFY(qobject_cast<TForm83*>(&dialog) != nullptr);
      QCOMPARE(dialog.windowTitle(), texts_.Text(2325_t));
      QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), texts_.Text(2864_t));
      QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), texts_.Text(2654_t));
      auto* timer = dialog.findChild<QTimer*>("Timer1");
      QVERIFY(timer->isActive());
      QVERIFY(timer->isSingleShot());
      QCOMPARE(timer->interval(), 3400);
      dialog.done(TForm83::kClosedByTimer);
    });
    person.ShowVersionNotice(texts_.Text(2325_t), texts_.Text(2864_t), texts_.Text(2654_t));
    QVERIFY(steps.ran());
    QVERIFY(!steps.stayedOpen());
  }

  void systemMessage() {
    QtPerson person(texts_, settings_);
    ModalSteps steps([](QDialog& dialog) {
      auto* box = qobject_cast<QMessageBox*>(&dialog);
      QVERIFY(box != nullptr);
      QCOMPARE(box->windowTitle(), QStringLiteral("Attention"));
      QCOMPARE(box->text(), QStringLiteral("The device refused."));
      QTest::keyClick(Focused(), Qt::Key_Return);
    });
    person.ShowSystemMessage("Attention", "The device refused.");
    QVERIFY(steps.ran());
    QVERIFY(!steps.stayedOpen());
  }

 private:
  LanguageTable texts_;
  Settings settings_;
};

}  // namespace zel

QTEST_MAIN(zel::PasswordDialogsTest)
#include "password_dialogs_test.moc"
