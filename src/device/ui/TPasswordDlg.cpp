#include "device/ui/TPasswordDlg.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "components/TGradient.h"
#include "device/passwords.h"
#include "shell/ui/dialog_look.h"

namespace zel {

namespace {

// The window's layout in pixels: the two-entry form, and the single-entry form with the
// buttons moved up below the first field.
constexpr int kWidth = 300;
constexpr int kMargin = 12;
constexpr int kFieldWidth = kWidth - 2 * kMargin;
constexpr int kLabelHeight = 18;
constexpr int kFieldHeight = 23;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 16;
constexpr int kLabel1Top = 6;
constexpr int kPasswordTop = 26;
constexpr int kLabel2Top = 58;
constexpr int kEdit1Top = 78;
constexpr int kDoubleButtonsTop = 114;
constexpr int kDoubleHeight = 158;
constexpr int kSingleButtonsTop = 60;
constexpr int kSingleHeight = 130;

QLineEdit* NewEntry(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setEchoMode(QLineEdit::Password);
  edit->setMaxLength(kPasswordLength);
  // The entry shows '*' for every character, whatever the platform's usual mask.
  edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  return edit;
}

QLabel* NewLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("PasswordDlg");
  Gradient1 = AddGradientPanel(this, "Gradient1");

  Label1 = NewLabel("Label1", Gradient1);
  Label1->setGeometry(kMargin, kLabel1Top, kFieldWidth, kLabelHeight);
  Password = NewEntry("Password", Gradient1);
  Password->setGeometry(kMargin, kPasswordTop, kFieldWidth, kFieldHeight);
  Label2 = NewLabel("Label2", Gradient1);
  Label2->setGeometry(kMargin, kLabel2Top, kFieldWidth, kLabelHeight);
  Edit1 = NewEntry("Edit1", Gradient1);
  Edit1->setGeometry(kMargin, kEdit1Top, kFieldWidth, kFieldHeight);

  OKBtn = new QPushButton(Gradient1);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(Gradient1);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  Password->installEventFilter(this);
  Edit1->installEventFilter(this);
  MakeFixedDialog(this);
  SetSingleEntry(false);
  Password->setFocus();
}

void TPasswordDlg::Fill(const QString& title, const QString& prompt, const QString& repeatPrompt,
                        const QString& ok, const QString& cancel) {
  setWindowTitle(title);
  Label1->setText(prompt);
  Label2->setText(repeatPrompt);
  OKBtn->setText(ok);
  CancelBtn->setText(cancel);
}

void TPasswordDlg::SetSingleEntry(bool single) {
  singleEntry_ = single;
  Label2->setVisible(!single);
  Edit1->setVisible(!single);
  Edit1->setEnabled(!single);
  const int buttonsTop = single ? kSingleButtonsTop : kDoubleButtonsTop;
  const int left = (kWidth - 2 * kButtonWidth - kButtonGap) / 2;
  OKBtn->setGeometry(left, buttonsTop, kButtonWidth, kButtonHeight);
  CancelBtn->setGeometry(left + kButtonWidth + kButtonGap, buttonsTop, kButtonWidth,
                         kButtonHeight);
  Gradient1->setFixedSize(kWidth, single ? kSingleHeight : kDoubleHeight);
  adjustSize();
}

std::optional<QString> TPasswordDlg::Ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Password->text();
}

void TPasswordDlg::CloseIfMatching(QLineEdit* retry) {
  if (Password->text() == Edit1->text()) {
    accept();
    return;
  }
  retry->setFocus();
  retry->selectAll();
}

void TPasswordDlg::OKBtnClick() {
  if (singleEntry_) {
    accept();
    return;
  }
  CloseIfMatching(inPassword_ ? Edit1 : Password);
}

bool TPasswordDlg::eventFilter(QObject* watched, QEvent* event) {
  if (singleEntry_ || (watched != Password && watched != Edit1))
    return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn) {
    inPassword_ = watched == Password;
  } else if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    QWidget* next = QApplication::focusWidget();
    // Only the person moving within the dialog leaves a field. A click on a button is left to
    // the button, so that Cancel always cancels and OK compares once.
    const bool moving = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                        reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
    const bool toButton = next == OKBtn || next == CancelBtn;
    if (moving && !(reason == Qt::MouseFocusReason && toButton) && isVisible()) {
      if (watched == Password) {
        if (Password->text() != Edit1->text() && next != Edit1) {
          Edit1->setFocus();
          Edit1->selectAll();
        }
      } else {
        CloseIfMatching(Password);
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zel
