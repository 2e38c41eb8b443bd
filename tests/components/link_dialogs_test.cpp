// The link dialogs through QtPerson, offscreen: the address dialog, the link parameters
// dialog and the preamble count dialog with their input rules, driven by key presses and
// clicks from inside their own event loops; and the port test window.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <optional>

#include "link/link_parameters.h"
#include "link/serial_line.h"
#include "link/ui/TForm72.h"
#include "link/ui/TForm73.h"
#include "modal_steps.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "shell/text_id.h"
#include "shell/ui/TForm5.h"
#include "shell/ui/TFormMess.h"
#include "shell/ui/qt_person.h"

namespace zel {

using test::Focused;
using test::ModalSteps;

namespace {

template <typename T>
T* Child(QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qWarning("no %s", name);
  return child;
}

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

QStringList Numbers(int from, int to) {
  QStringList out;
  for (int n = from; n <= to; ++n) out << QString::number(n);
  return out;
}

// A click where a person clicks: on a check box's or radio button's mark, a button's middle.
void Click(QWidget* widget) {
  QPoint at = widget->rect().center();
  if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) at.setX(6);
  QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

// Replaces the text of the focused field by typing, as a person would after selecting it.
void Retype(QLineEdit* field, const QString& text) {
  field->setFocus(Qt::MouseFocusReason);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
}

LinkParameters SomeParameters() {
  LinkParameters p;
  p.numPort = 2;
  p.baudRate = 9;
  p.weitTime1 = 4;
  p.weitTime2 = 140;
  p.kolPovt = 3;
  p.uprSign = true;
  p.aoSkor = false;
  p.portPresent = {true, false, true, true, false, false, false, true};
  for (int i = 0; i < kPortCount; ++i) p.portPaths[i] = QStringLiteral("/dev/ttyS%1").arg(i);
  return p;
}

}  // namespace

class LinkDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QString error;
    QVERIFY2(texts_.Load(1, &error), qPrintable(error));
  }

  // ---- the address dialog ----

  void addressDialogTexts() {
    QtPerson person(texts_, settings_);
    ModalSteps steps([this](QDialog& dialog) {
      QVERIFY(qobject_cast<TForm73*>(&dialog) != nullptr);
      QCOMPARE(dialog.windowTitle(), texts_.Text(2333_t));
      QCOMPARE(Child<QLabel>(dialog, "Label1")->text(), texts_.Format(2226_t, {1.0, 254.0}));
      QVERIFY(Child<QLabel>(dialog, "Label1")->text().contains("254"));
      QCOMPARE(Child<QPushButton>(dialog, "BitBtn1")->text(), texts_.Text(2847_t));
      QCOMPARE(Child<QPushButton>(dialog, "BitBtn2")->text(), texts_.Text(2614_t));
      QCOMPARE(Child<QPushButton>(dialog, "BitBtn3")->text(), texts_.Text(2330_t));
      auto* field = Child<QComboBox>(dialog, "ComboBox1");
      QVERIFY(field->isEditable());
      QCOMPARE(Items(field), Numbers(1, 254));
      QCOMPARE(field->currentText(), QStringLiteral("17"));
      QCOMPARE(Focused(), field);
      QTest::keyClick(Focused(), Qt::Key_Return);
    });
    QCOMPARE(person.AskAddress(17, {}), std::optional<int>(17));
    QVERIFY(steps.ran());
    QVERIFY(!steps.stayedOpen());
  }

  // Letters and signs are discarded, digits and backspace edit the field.
  void addressFieldTakesDigitsOnly() {
    QtPerson person(texts_, settings_);
    QString typed;
    ModalSteps steps([&typed](QDialog& dialog) {
      auto* field = Child<QComboBox>(dialog, "ComboBox1");
      QLineEdit* edit = field->lineEdit();
      QCOMPARE(Focused(), field);
      QTest::keyClicks(field, "a1b2-+. 3x");
      typed = edit->text();
      QTest::keyClick(edit, Qt::Key_Backspace);
      QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(person.AskAddress(9, {}), std::optional<int>(12));
    QCOMPARE(typed, QStringLiteral("123"));
    QVERIFY(!steps.stayedOpen());
  }

  void addressLimits_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<std::optional<int>>("address");  // empty: the dialog stays open
    for (bool click : {false, true}) {
      const char* how = click ? "click" : "Enter";
      QTest::addRow("0 %s", how) << "0" << click << std::optional<int>();
      QTest::addRow("255 %s", how) << "255" << click << std::optional<int>();
      QTest::addRow("1 %s", how) << "1" << click << std::optional<int>(1);
      QTest::addRow("254 %s", how) << "254" << click << std::optional<int>(254);
    }
    QTest::newRow("leading zeros") << "007" << false << std::optional<int>(7);
    QTest::newRow("empty is 1") << "" << false << std::optional<int>(1);
    // Too many digits for a number is far above the limit, not "no number".
    QTest::newRow("beyond any number") << "99999999999" << false << std::optional<int>();
  }
  void addressLimits() {
    QFETCH(QString, typed);
    QFETCH(bool, byClick);
    QFETCH(std::optional<int>, address);
    QtPerson person(texts_, settings_);
    bool focusBack = false;
    ModalSteps steps([&](QDialog& dialog) {
      auto* field = Child<QComboBox>(dialog, "ComboBox1");
      Retype(field->lineEdit(), typed);
      if (byClick) {
        Click(Child<QPushButton>(dialog, "BitBtn1"));
      } else {
        QTest::keyClick(Focused(), Qt::Key_Enter);
      }
      focusBack = Focused() == field;
    });
    const auto answer = person.AskAddress(5, {});
    QCOMPARE(steps.stayedOpen(), !address.has_value());
    if (address) {
      QCOMPARE(answer, address);
    } else {
      QVERIFY(focusBack);
      QVERIFY(!answer.has_value());  // closed by the test
    }
  }

  void addressCancelled_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("exit button") << false;
    QTest::newRow("Escape") << true;
  }
  void addressCancelled() {
    QFETCH(bool, byEscape);
    QtPerson person(texts_, settings_);
    ModalSteps steps([byEscape](QDialog& dialog) {
      Retype(Child<QComboBox>(dialog, "ComboBox1")->lineEdit(), "42");
      if (byEscape) {
        QTest::keyClick(Focused(), Qt::Key_Escape);
      } else {
        Click(Child<QPushButton>(dialog, "BitBtn2"));
      }
    });
    QVERIFY(!person.AskAddress(5, {}).has_value());
    QVERIFY(steps.ran());
    QVERIFY(!steps.stayedOpen());
  }

  // The link parameters button runs its command and leaves the address dialog open.
  void addressLinkParametersButton() {
    QtPerson person(texts_, settings_);
    int pressed = 0;
    bool openAfter = false;
    ModalSteps steps([&](QDialog& dialog) {
      Click(Child<QPushButton>(dialog, "BitBtn3"));
      openAfter = dialog.isVisible();
      QTest::keyClick(Focused(), Qt::Key_Return);
    });
    QCOMPARE(person.AskAddress(3, [&pressed] { ++pressed; }), std::optional<int>(3));
    QCOMPARE(pressed, 1);
    QVERIFY(openAfter);
  }

  // ---- the link parameters dialog ----

  void linkParametersFilled() {
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    ModalSteps steps([this](QDialog& dialog) {
      QVERIFY(qobject_cast<TForm72*>(&dialog) != nullptr);
      QCOMPARE(dialog.windowTitle(), texts_.Text(2330_t));
      const LinkParameters p = SomeParameters();
      for (int i = 0; i < kPortCount; ++i) {
        const QByteArray radio = "RadioButton" + QByteArray::number(i + 1);
        auto* button = Child<QRadioButton>(dialog, radio.constData());
        QCOMPARE(button->text(), QStringLiteral("COM%1").arg(i + 1));
        QCOMPARE(button->isEnabled(), p.portPresent[i]);
        QCOMPARE(button->isChecked(), i == p.numPort);
        const QByteArray path = "PortPath" + QByteArray::number(i + 1);
        QCOMPARE(Child<QLabel>(dialog, path.constData())->text(), p.portPaths[i]);
      }
      QStringList speeds;
      for (uint32_t speed : kSpeedTable) speeds << QString::number(speed);
      QCOMPARE(Items(Child<QComboBox>(dialog, "ComboBox1")), speeds);
      QCOMPARE(Child<QComboBox>(dialog, "ComboBox1")->currentText(), QStringLiteral("9600"));
      QCOMPARE(Items(Child<QComboBox>(dialog, "ComboBox2")), Numbers(1, 20));
      QCOMPARE(Child<QComboBox>(dialog, "ComboBox2")->currentText(), QStringLiteral("4"));
      QCOMPARE(Child<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral("140"));
      QCOMPARE(Items(Child<QComboBox>(dialog, "ComboBox3")), Numbers(1, 5));
      QCOMPARE(Child<QComboBox>(dialog, "ComboBox3")->currentText(), QStringLiteral("3"));
      QVERIFY(Child<QCheckBox>(dialog, "CheckBox1")->isChecked());
      QVERIFY(!Child<QCheckBox>(dialog, "CheckBox2")->isChecked());
      QCOMPARE(Child<QCheckBox>(dialog, "CheckBox1")->text(), texts_.Text(2633_t));
      QCOMPARE(Child<QCheckBox>(dialog, "CheckBox2")->text(), texts_.Text(2857_t));
      QCOMPARE(Child<QLabel>(dialog, "Label1")->text(), texts_.Text(2413_t) + ":");
      QCOMPARE(Child<QLabel>(dialog, "Label2")->text(), texts_.Text(2627_t));
      QCOMPARE(Child<QLabel>(dialog, "Label3")->text(), texts_.Text(2628_t));
      QCOMPARE(Child<QLabel>(dialog, "Label4")->text(), texts_.Text(2773_t));
      QCOMPARE(Child<QPushButton>(dialog, "BitBtn1")->text(), texts_.Text(2613_t));
      QCOMPARE(Child<QPushButton>(dialog, "BitBtn2")->text(), texts_.Text(2614_t));
    });
    QVERIFY(!person.EditLinkParameters(params));
    QVERIFY(steps.ran());
  }

  // Every control's choice lands in its value on OK.
  void linkParametersStored() {
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    ModalSteps steps([](QDialog& dialog) {
      Click(Child<QRadioButton>(dialog, "RadioButton8"));
      Child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(15);
      Child<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(19);
      Retype(Child<QLineEdit>(dialog, "Edit1"), "2500");
      Child<QComboBox>(dialog, "ComboBox3")->setCurrentIndex(0);
      Click(Child<QCheckBox>(dialog, "CheckBox1"));
      Click(Child<QCheckBox>(dialog, "CheckBox2"));
      Click(Child<QPushButton>(dialog, "BitBtn1"));
    });
    QVERIFY(person.EditLinkParameters(params));
    QVERIFY(!steps.stayedOpen());
    QCOMPARE(params.numPort, 7);
    QCOMPARE(params.baudRate, 15);
    QCOMPARE(params.weitTime1, 20);
    QCOMPARE(params.weitTime2, 2500);
    QCOMPARE(params.kolPovt, 1);
    QVERIFY(!params.uprSign);
    QVERIFY(params.aoSkor);
  }

  // Settings that no list holds show the nearest entry instead of an empty choice.
  void linkParametersOutsideTheLists() {
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    params.baudRate = 40;
    params.weitTime1 = 100;
    params.kolPovt = 0;
    ModalSteps steps([](QDialog& dialog) { Click(Child<QPushButton>(dialog, "BitBtn1")); });
    QVERIFY(person.EditLinkParameters(params));
    QCOMPARE(params.baudRate, 15);
    QCOMPARE(params.weitTime1, 20);
    QCOMPARE(params.kolPovt, 1);
  }

  void byteTimeoutKeys() {
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    QStringList seen;
    ModalSteps steps([&seen](QDialog& dialog) {
      auto* edit = Child<QLineEdit>(dialog, "Edit1");
      Retype(edit, "1a2-b3.4 56");
      seen << edit->text();  // digits only, four at most
      Retype(edit, "140");
      QTest::keyClick(edit, Qt::Key_Up);
      seen << edit->text();
      QTest::keyClick(edit, Qt::Key_Down);
      QTest::keyClick(edit, Qt::Key_Down);
      seen << edit->text();
      Click(Child<QToolButton>(dialog, "UpDown1Up"));
      seen << edit->text();
      Click(Child<QToolButton>(dialog, "UpDown1Down"));
      seen << edit->text();
      Retype(edit, "2998");
      QTest::keyClick(edit, Qt::Key_Up);
      seen << edit->text();
      QTest::keyClick(edit, Qt::Key_Up);
      seen << edit->text();
      Retype(edit, "57");
      QTest::keyClick(edit, Qt::Key_Down);
      seen << edit->text();
      Retype(edit, "7");
      QTest::keyClick(edit, Qt::Key_Up);
      seen << edit->text();
    });
    person.EditLinkParameters(params);
    QVERIFY(steps.ran());
    QCOMPARE(seen, (QStringList{"1234", "145", "135", "140", "135", "3000", "3000", "55", "55"}));
  }

  void byteTimeoutRange_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<bool>("accepted");
    for (bool click : {false, true}) {
      const char* how = click ? "click" : "Enter";
      QTest::addRow("54 %s", how) << "54" << click << false;
      QTest::addRow("3001 %s", how) << "3001" << click << false;
      QTest::addRow("empty %s", how) << "" << click << false;
      QTest::addRow("55 %s", how) << "55" << click << true;
      QTest::addRow("3000 %s", how) << "3000" << click << true;
    }
  }
  // Outside 55..3000 the field gets the dialog's opening value back and the focus, and the
  // dialog stays open.
  void byteTimeoutRange() {
    QFETCH(QString, typed);
    QFETCH(bool, byClick);
    QFETCH(bool, accepted);
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    QString after;
    bool focused = false;
    ModalSteps steps([&](QDialog& dialog) {
      auto* edit = Child<QLineEdit>(dialog, "Edit1");
      Retype(edit, typed);
      if (byClick) {
        Click(Child<QPushButton>(dialog, "BitBtn1"));
      } else {
        QTest::keyClick(edit, Qt::Key_Return);
      }
      after = edit->text();
      focused = Focused() == edit;
    });
    QCOMPARE(person.EditLinkParameters(params), accepted);
    QCOMPARE(steps.stayedOpen(), !accepted);
    if (accepted) {
      QCOMPARE(params.weitTime2, typed.toInt());
    } else {
      QCOMPARE(after, QStringLiteral("140"));
      QVERIFY(focused);
      QCOMPARE(params.weitTime2, 140);
    }
  }

  // Leaving the field with a value outside the range puts the opening value back.
  void byteTimeoutLeftOutsideTheRange() {
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    QStringList seen;
    ModalSteps steps([&seen](QDialog& dialog) {
      auto* edit = Child<QLineEdit>(dialog, "Edit1");
      Retype(edit, "9");
      QTest::keyClick(edit, Qt::Key_Tab);
      seen << edit->text();
      Retype(edit, "700");
      QTest::keyClick(edit, Qt::Key_Tab);
      seen << edit->text();
    });
    person.EditLinkParameters(params);
    QCOMPARE(seen, (QStringList{"140", "700"}));
  }

  // The port of the settings failed the port test: OK says so and the dialog stays open until
  // a present port is chosen.
  void absentPortRefused() {
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    params.numPort = 1;  // absent
    QString message;
    bool openAfterMessage = false;
    ModalSteps steps([&](QDialog& dialog) {
      QVERIFY(Child<QRadioButton>(dialog, "RadioButton2")->isChecked());
      QVERIFY(!Child<QRadioButton>(dialog, "RadioButton2")->isEnabled());
      // A disabled port cannot be chosen by a click.
      Click(Child<QRadioButton>(dialog, "RadioButton5"));
      QVERIFY(Child<QRadioButton>(dialog, "RadioButton2")->isChecked());
      ModalSteps box([&message](QDialog& shown) {
        QVERIFY(qobject_cast<TFormMess*>(&shown) != nullptr);
        message = shown.windowTitle() + "|" + Child<QLabel>(shown, "Label1")->text();
        QTest::keyClick(Focused(), Qt::Key_Return);
      });
      Click(Child<QPushButton>(dialog, "BitBtn1"));
      QVERIFY(box.ran());
      openAfterMessage = dialog.isVisible();
      Click(Child<QRadioButton>(dialog, "RadioButton4"));
      Click(Child<QPushButton>(dialog, "BitBtn1"));
    });
    QVERIFY(person.EditLinkParameters(params));
    QCOMPARE(message, texts_.Text(2385_t) + "|" + texts_.Text(2848_t));
    QVERIFY(openAfterMessage);
    QCOMPARE(params.numPort, 3);
  }

  // Cancel stores nothing, not even what an OK refused before took from the controls.
  void cancelStoresNothing() {
    QtPerson person(texts_, settings_);
    LinkParameters params = SomeParameters();
    params.numPort = 1;  // absent: OK is refused
    ModalSteps steps([](QDialog& dialog) {
      Child<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(9);
      Child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(0);
      ModalSteps box([](QDialog&) { QTest::keyClick(Focused(), Qt::Key_Escape); });
      Click(Child<QPushButton>(dialog, "BitBtn1"));
      Click(Child<QPushButton>(dialog, "BitBtn2"));
    });
    QVERIFY(!person.EditLinkParameters(params));
    QVERIFY(!steps.stayedOpen());
    LinkParameters unchanged = SomeParameters();
    QCOMPARE(params.weitTime1, unchanged.weitTime1);
    QCOMPARE(params.baudRate, unchanged.baudRate);
    QCOMPARE(params.numPort, 1);
  }

  // ---- the preamble count ----

  void preambles_data() {
    QTest::addColumn<int>("langRus");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("key");
    QTest::addColumn<std::optional<int>>("answer");
    QTest::addColumn<int>("shown");
    QTest::newRow("Russian, unchanged") << 1 << 10 << 0 << std::optional<int>(10) << 10;
    QTest::newRow("Ukrainian, one down") << 0 << 10 << int(Qt::Key_Down) << std::optional<int>(11)
                                         << 10;
    QTest::newRow("none") << 1 << 3 << int(Qt::Key_Home) << std::optional<int>(0) << 3;
    QTest::newRow("most") << 1 << 3 << int(Qt::Key_End) << std::optional<int>(25) << 3;
    QTest::newRow("outside the list") << 1 << 40 << 0 << std::optional<int>(25) << 25;
    QTest::newRow("cancelled") << 1 << 10 << int(Qt::Key_Escape) << std::optional<int>() << 10;
  }
  void preambles() {
    QFETCH(int, langRus);
    QFETCH(int, current);
    QFETCH(int, key);
    QFETCH(std::optional<int>, answer);
    QFETCH(int, shown);
    settings_.LangRus = langRus;
    QtPerson person(texts_, settings_);
    ModalSteps steps([&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Преамбула"));
      QCOMPARE(Child<QLabel>(dialog, "Label1")->text(),
               langRus ? QStringLiteral("Количество преамбул:")
                       : QStringLiteral("Кількість преамбул:"));
      auto* list = Child<QComboBox>(dialog, "ComboBox1");
      QCOMPARE(Items(list), Numbers(0, 25));
      QCOMPARE(list->currentIndex(), shown);
      QCOMPARE(Focused(), list);
      QCOMPARE(Child<QPushButton>(dialog, "BitBtn1")->text(), texts_.Text(2613_t));
      QCOMPARE(Child<QPushButton>(dialog, "BitBtn2")->text(), texts_.Text(2614_t));
      if (key != 0) QTest::keyClick(list, Qt::Key(key));
      if (key != Qt::Key_Escape) QTest::keyClick(list, Qt::Key_Return);
    });
    QCOMPARE(person.AskPreambles(current), answer);
    QVERIFY(steps.ran());
    QVERIFY(!steps.stayedOpen());
    settings_.LangRus = 1;
  }

  // ---- the port test window ----

  void portTestWindow_data() {
    QTest::addColumn<bool>("portTest");
    QTest::newRow("port test") << true;
    QTest::newRow("a wait") << false;
  }
  // The port test window is its own window and shows the busy cursor while it is open.
  void portTestWindow() {
    QFETCH(bool, portTest);
    QtPerson person(texts_, settings_);
    auto progress = person.OpenProgress(texts_.Text(2287_t), texts_.Text(3070_t), kPortCount,
                                        Placement::BelowActive,
                                        portTest ? ProgressKind::PortTest : ProgressKind::Wait);
    TForm5* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* form = qobject_cast<TForm5*>(w); form && form->isVisible()) window = form;
    QVERIFY(window != nullptr);
    QCOMPARE(window->objectName(), portTest ? QStringLiteral("Form92") : QStringLiteral("Form5"));
    QCOMPARE(window->windowTitle(), texts_.Text(2287_t));
    QCOMPARE(window->Label1->text(), texts_.Text(3070_t));
    QCOMPARE(window->ProgressBar1->maximum(), kPortCount);
    QCOMPARE(QApplication::overrideCursor() != nullptr, portTest);
    if (portTest) QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    progress.reset();
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

 private:
  LanguageTable texts_;
  Settings settings_;
};

}  // namespace zel

QTEST_MAIN(zel::LinkDialogsTest)
#include "link_dialogs_test.moc"
