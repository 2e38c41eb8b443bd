// The common dialogs through QtPerson, offscreen: keys pressed on the modal dialog from inside
// its own event loop, the close button as no, captions from the language table, the message
// box's gradient panel, placement below the active window, and the progress window.

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "components/TGradient.h"
#include "shell/language.h"
#include "shell/text_id.h"
#include "shell/ui/TForm5.h"
#include "shell/ui/TFormMess.h"
#include "shell/ui/TOKBottomDlg1.h"
#include "shell/ui/dialog_look.h"
#include "shell/ui/qt_person.h"

namespace zel {
// How the person ends a dialog.
enum class Action { Enter, Return, Escape, CloseButton, ClickYes, ClickNo, ClickClose };
}  // namespace zel
Q_DECLARE_METATYPE(zel::Action)

namespace zel {

namespace {

// Runs `inspect` and then `action` on the modal dialog as soon as its event loop runs. A
// dialog that stays open after the action is closed here and reported, so a fault fails the
// test instead of hanging it.
class ModalDriver {
 public:
  using Inspect = std::function<void(QDialog&)>;

  void Arm(Action action, Inspect inspect = {}) {
    QTimer::singleShot(0, [this, action, inspect] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      seen_ = dialog != nullptr;
      if (!dialog) return;
      if (inspect) inspect(*dialog);
      Act(*dialog, action);
      stayedOpen_ = dialog->isVisible();
      if (stayedOpen_) dialog->done(QDialog::Rejected);
    });
  }
  bool seen() const { return seen_; }
  bool stayedOpen() const { return stayedOpen_; }

 private:
  static void Act(QDialog& dialog, Action action) {
    // Keys go where the person's keyboard goes: the focused control, else the dialog.
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    switch (action) {
      case Action::Enter: QTest::keyClick(target, Qt::Key_Enter); break;
      case Action::Return: QTest::keyClick(target, Qt::Key_Return); break;
      case Action::Escape: QTest::keyClick(target, Qt::Key_Escape); break;
      case Action::CloseButton: dialog.close(); break;
      case Action::ClickYes: Click(dialog, "OKBtn"); break;
      case Action::ClickNo: Click(dialog, "CancelBtn"); break;
      case Action::ClickClose: Click(dialog, "BitBtn1"); break;
    }
  }
  static void Click(QDialog& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
  }
  bool seen_ = false;
  bool stayedOpen_ = false;
};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QString error;
    QVERIFY2(texts_.Load(1, &error), qPrintable(error));
    for (TextId id : {1772_t, 1773_t, 2278_t}) QVERIFY(!texts_.Text(id).isEmpty());
  }

  void messageBoxCloses_data() {
    QTest::addColumn<Action>("action");
    QTest::newRow("Enter") << Action::Enter;
    QTest::newRow("Return") << Action::Return;
    QTest::newRow("Escape") << Action::Escape;
    QTest::newRow("close button") << Action::CloseButton;
    QTest::newRow("its button") << Action::ClickClose;
  }
  void messageBoxCloses() {
    QFETCH(Action, action);
    QtPerson person(texts_, settings_);
    ModalDriver driver;
    driver.Arm(action, [](QDialog& dialog) {
      auto* box = qobject_cast<TFormMess*>(&dialog);
      QVERIFY(box != nullptr);
      QCOMPARE(box->windowTitle(), QStringLiteral("Link error"));
      QCOMPARE(box->findChild<QLabel*>("Label1")->text(), QStringLiteral("No answer"));
      QCOMPARE(box->findChild<QLabel*>("Label1")->alignment() & Qt::AlignHCenter,
               Qt::AlignHCenter);
      QCOMPARE(box->findChild<QPushButton*>("BitBtn1")->text(), QStringLiteral("Close it"));
    });
    person.ShowMessageBox("Link error", "No answer", "Close it");
    QVERIFY(driver.seen());
    QVERIFY(!driver.stayedOpen());
  }

  void messageBoxDefaultButtonCaption() {
    QtPerson person(texts_, settings_);
    ModalDriver driver;
    QString caption;
    driver.Arm(Action::Escape, [&caption](QDialog& dialog) {
      caption = dialog.findChild<QPushButton*>("BitBtn1")->text();
    });
    person.ShowMessageBox("t", "m", QString());
    QCOMPARE(caption, texts_.Text(2278_t));
  }

  // The message box lies on a framed gradient panel, grey 192 down to 224, that fills it.
  void messageBoxOnItsGradient() {
    QtPerson person(texts_, settings_);
    ModalDriver driver;
    driver.Arm(Action::Escape, [](QDialog& dialog) {
      auto* panel = dialog.findChild<TGradient*>("Gradient1");
      QVERIFY(panel != nullptr);
      QCOMPARE(panel->RGB_From(), QColor(192, 192, 192));
      QCOMPARE(panel->RGB_To(), QColor(224, 224, 224));
      QVERIFY(panel->Control_3D());
      QVERIFY(panel->TITLE().isEmpty());
      QCOMPARE(panel->geometry(), dialog.rect());

      const QImage shot = dialog.grab().toImage();
      const int w = shot.width(), h = shot.height();
      QCOMPARE(shot.size(), dialog.size());
      QCOMPARE(QColor(shot.pixel(0, 0)), QColor(0, 0, 0));
      QCOMPARE(QColor(shot.pixel(w - 1, h / 2)), QColor(0, 0, 0));
      QCOMPARE(QColor(shot.pixel(w / 2, h - 1)), QColor(0, 0, 0));
      QCOMPARE(QColor(shot.pixel(1, h / 2)), QColor(255, 255, 255));
      QCOMPARE(QColor(shot.pixel(w / 2, 1)), QColor(255, 255, 255));
      QCOMPARE(QColor(shot.pixel(w - 2, h / 2)), QColor(128, 128, 128));
      QCOMPARE(QColor(shot.pixel(w / 2, h - 2)), QColor(128, 128, 128));
      // The margin column left of the controls shows the gradient rows.
      for (int y = 2; y < h - 2; ++y) {
        QCOMPARE(shot.pixel(3, y), TGradient::RowColour(QColor(192, 192, 192),
                                                         QColor(224, 224, 224), y, h));
      }
      QCOMPARE(QColor(shot.pixel(3, 2)), QColor(192, 192, 192));
    });
    person.ShowMessageBox("Error", "Gradient", "Close");
    QVERIFY(driver.seen());
  }

  void questionAnswers_data() {
    QTest::addColumn<bool>("threeLines");
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("yes");
    for (bool three : {false, true}) {
      const char* kind = three ? "AskYesNo3" : "AskYesNo";
      QTest::addRow("%s Enter", kind) << three << Action::Enter << true;
      QTest::addRow("%s Return", kind) << three << Action::Return << true;
      QTest::addRow("%s Escape", kind) << three << Action::Escape << false;
      QTest::addRow("%s close button", kind) << three << Action::CloseButton << false;
      QTest::addRow("%s yes button", kind) << three << Action::ClickYes << true;
      QTest::addRow("%s no button", kind) << three << Action::ClickNo << false;
    }
  }
  void questionAnswers() {
    QFETCH(bool, threeLines);
    QFETCH(Action, action);
    QFETCH(bool, yes);
    QtPerson person(texts_, settings_);
    ModalDriver driver;
    driver.Arm(action, [this](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Repeat?"));
      QCOMPARE(dialog.findChild<QPushButton*>("OKBtn")->text(), texts_.Text(1773_t));
      QCOMPARE(dialog.findChild<QPushButton*>("CancelBtn")->text(), texts_.Text(1772_t));
      QVERIFY(dialog.findChild<QPushButton*>("OKBtn")->isDefault());
    });
    const bool answer = threeLines ? person.AskYesNo3("Repeat?", "one", "two", "three")
                                   : person.AskYesNo("Repeat?", "The device did not answer.");
    QVERIFY(driver.seen());
    QVERIFY(!driver.stayedOpen());
    QCOMPARE(answer, yes);
  }

  void threeLineWarningLayout() {
    QtPerson person(texts_, settings_);
    ModalDriver driver;
    driver.Arm(Action::Escape, [](QDialog& dialog) {
      QVERIFY(qobject_cast<TOKBottomDlg1*>(&dialog) != nullptr);
      const QStringList lines = {"first", "second", "third"};
      for (int i = 0; i < 3; ++i) {
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), lines[i]);
        // The first line stands at the left, the other two are centred.
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                 i == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
      }
    });
    person.AskYesNo3("Warning", "first", "second", "third");
    QVERIFY(driver.seen());
  }

  // top = the active window's top + its height, centred across it.
  void messageBoxBelowTheActiveWindow() {
    QWidget owner;
    owner.setGeometry(100, 60, 400, 200);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QApplication::setActiveWindow(&owner);
    QCOMPARE(QApplication::activeWindow(), &owner);
    const QRect above = owner.frameGeometry();

    QtPerson person(texts_, settings_);
    ModalDriver driver;
    QRect placed;
    driver.Arm(Action::Escape, [&placed](QDialog& dialog) { placed = dialog.frameGeometry(); });
    person.ShowMessageBox("Error", "below", "Close", Placement::BelowActive);
    QVERIFY(driver.seen());
    QCOMPARE(placed.top(), above.top() + above.height());
    QCOMPARE(placed.left(), above.left() + (above.width() - placed.width()) / 2);
  }

  void progressBelowTheActiveWindow() {
    QWidget owner;
    owner.setGeometry(200, 40, 500, 300);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QApplication::setActiveWindow(&owner);
    const QRect above = owner.frameGeometry();
    QtPerson person(texts_, settings_);
    auto progress = person.OpenProgress("Waiting", "below", 100, Placement::BelowActive);
    TForm5* form = FindVisible<TForm5>();
    QVERIFY(form != nullptr);
    QCOMPARE(form->frameGeometry().top(), above.top() + above.height());
    QCOMPARE(form->frameGeometry().left(),
             above.left() + (above.width() - form->frameGeometry().width()) / 2);
  }

  void positionBelow_data() {
    QTest::addColumn<QRect>("above");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("room below") << QRect(100, 50, 400, 300) << QSize(200, 100) << screen
                                << QPoint(200, 350);
    QTest::newRow("no screen known") << QRect(100, 950, 400, 300) << QSize(200, 100) << QRect()
                                     << QPoint(200, 1250);
    // A window the person cannot see would block the program: it is pulled back on screen.
    QTest::newRow("past the bottom") << QRect(100, 900, 400, 100) << QSize(200, 100) << screen
                                     << QPoint(200, 924);
    QTest::newRow("past the left") << QRect(-50, 10, 100, 100) << QSize(300, 80) << screen
                                   << QPoint(0, 110);
    QTest::newRow("past the right") << QRect(1200, 10, 100, 100) << QSize(300, 80) << screen
                                    << QPoint(980, 110);
  }
  void positionBelow() {
    QFETCH(QRect, above);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(PositionBelow(above, size, screen), expected);
  }

  void progressWindow() {
    QtPerson person(texts_, settings_);
    auto progress = person.OpenProgress("Waiting", "Service mode in 12 s", 48);
    TForm5* form = FindVisible<TForm5>();
    QVERIFY(form != nullptr);
    QVERIFY(form->isVisible());
    QVERIFY(!form->isModal());
    QCOMPARE(form->windowTitle(), QStringLiteral("Waiting"));
    auto* panel = form->findChild<TGradient*>("Panel1");
    QVERIFY(panel != nullptr);
    auto* label = panel->findChild<QLabel*>("Label1");
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QStringLiteral("Service mode in 12 s"));
    auto* bar = form->findChild<QProgressBar*>("ProgressBar1");
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 48);
    // The bar runs along the bottom, below the label.
    QVERIFY(bar->geometry().top() > label->geometry().bottom());

    progress->SetValue(7);
    QCOMPARE(progress->value(), 7);
    QCOMPARE(bar->value(), 7);
    progress->SetLabel("Service mode in 11 s");
    QCOMPARE(label->text(), QStringLiteral("Service mode in 11 s"));
    // Escape does not hide the window while the wait goes on.
    QTest::keyClick(form, Qt::Key_Escape);
    QVERIFY(form->isVisible());

    QPointer<TForm5> alive(form);
    progress.reset();
    QVERIFY(alive.isNull());
  }

  // A progress window that outlives the window it opened over is gone with it; the caller's
  // hold keeps working without touching it.
  void progressOutlivingItsOwner() {
    auto* owner = new QWidget;
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    QApplication::setActiveWindow(owner);
    QtPerson person(texts_, settings_);
    auto progress = person.OpenProgress("Waiting", "label");
    progress->SetValue(3);
    delete owner;
    progress->SetValue(5);
    progress->SetMaximum(10);
    progress->SetLabel("still here");
    QCOMPARE(progress->value(), 5);
    progress.reset();
  }

 private:
  template <typename Window>
  static Window* FindVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
    }
    return nullptr;
  }

  LanguageTable texts_;
  Settings settings_;
};

}  // namespace zel

QTEST_MAIN(zel::DialogsTest)
#include "dialogs_test.moc"
