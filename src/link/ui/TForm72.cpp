#include "link/ui/TForm72.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "components/TGradient.h"
#include "link/serial_line.h"
#include "shell/language.h"
#include "shell/text_id.h"
#include "shell/ui/TFormMess.h"
#include "shell/ui/dialog_look.h"

namespace zel {

namespace {

constexpr int kMaxFirstByteSeconds = 20;
constexpr int kMaxAttempts = 5;
constexpr int kByteTimeoutDigits = 4;

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QComboBox* NewList(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setMaxVisibleItems(16);
  return list;
}

QToolButton* NewArrow(const char* name, Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(18, 12);
  return button;
}

}  // namespace

TForm72::TForm72(const LanguageTable& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
  setObjectName("Form72");
  setWindowTitle(texts.Text(2330_t));
  Gradient1 = AddGradientPanel(this, "Gradient1");
  auto* layout = new QVBoxLayout(Gradient1);
  layout->setContentsMargins(20, 16, 20, 14);
  layout->setSpacing(12);

  auto* top = new QHBoxLayout;
  top->setSpacing(20);
  layout->addLayout(top);

  GroupBox1 = new QGroupBox(Gradient1);
  GroupBox1->setObjectName("GroupBox1");
  auto* ports = new QGridLayout(GroupBox1);
  ports->setHorizontalSpacing(10);
  ports->setVerticalSpacing(4);
  PortGroup = new QButtonGroup(this);
  PortGroup->setObjectName("PortGroup");
  for (int i = 0; i < kPortCount; ++i) {
    RadioButtons[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), GroupBox1);
    RadioButtons[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    PortGroup->addButton(RadioButtons[i], i);
    PortPaths[i] = new QLabel(GroupBox1);
    PortPaths[i]->setObjectName(QStringLiteral("PortPath%1").arg(i + 1));
    PortPaths[i]->setMinimumWidth(110);
    ports->addWidget(RadioButtons[i], i, 0);
    ports->addWidget(PortPaths[i], i, 1);
  }
  top->addWidget(GroupBox1);

  auto* values = new QGridLayout;
  values->setHorizontalSpacing(10);
  values->setVerticalSpacing(8);
  Label1 = NewLabel("Label1", texts.Text(2413_t) + QLatin1Char(':'), Gradient1);
  Label2 = NewLabel("Label2", texts.Text(2627_t), Gradient1);
  Label3 = NewLabel("Label3", texts.Text(2628_t), Gradient1);
  Label4 = NewLabel("Label4", texts.Text(2773_t), Gradient1);

  ComboBox1 = NewList("ComboBox1", Gradient1);
  for (uint32_t speed : kSpeedTable) ComboBox1->addItem(QString::number(speed));
  ComboBox2 = NewList("ComboBox2", Gradient1);
  for (int s = 1; s <= kMaxFirstByteSeconds; ++s) ComboBox2->addItem(QString::number(s));
  ComboBox3 = NewList("ComboBox3", Gradient1);
  for (int n = 1; n <= kMaxAttempts; ++n) ComboBox3->addItem(QString::number(n));

  Edit1 = new QLineEdit(Gradient1);
  Edit1->setObjectName("Edit1");
  Edit1->setMaxLength(kByteTimeoutDigits);
  Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), Edit1));
  Edit1->installEventFilter(this);
  UpDown1 = new QWidget(Gradient1);
  UpDown1->setObjectName("UpDown1");
  auto* arrows = new QVBoxLayout(UpDown1);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  UpDown1Up = NewArrow("UpDown1Up", Qt::UpArrow, UpDown1);
  UpDown1Down = NewArrow("UpDown1Down", Qt::DownArrow, UpDown1);
  arrows->addWidget(UpDown1Up);
  arrows->addWidget(UpDown1Down);
  connect(UpDown1Up, &QToolButton::clicked, this, [this] { UpDown1Click(+1); });
  connect(UpDown1Down, &QToolButton::clicked, this, [this] { UpDown1Click(-1); });
  auto* byteTimeout = new QHBoxLayout;
  byteTimeout->setSpacing(2);
  byteTimeout->addWidget(Edit1);
  byteTimeout->addWidget(UpDown1);

  values->addWidget(Label1, 0, 0);
  values->addWidget(ComboBox1, 0, 1);
  values->addWidget(Label2, 1, 0);
  values->addWidget(ComboBox2, 1, 1);
  values->addWidget(Label3, 2, 0);
  values->addLayout(byteTimeout, 2, 1);
  values->addWidget(Label4, 3, 0);
  values->addWidget(ComboBox3, 3, 1);
  values->setRowStretch(4, 1);
  top->addLayout(values);

  CheckBox1 = new QCheckBox(texts.Text(2633_t), Gradient1);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox2 = new QCheckBox(texts.Text(2857_t), Gradient1);
  CheckBox2->setObjectName("CheckBox2");
  layout->addWidget(CheckBox1);
  layout->addWidget(CheckBox2);

  const auto buttons = AddAcceptCancelRow(Gradient1, layout, texts.Text(2613_t), texts.Text(2614_t));
  BitBtn1 = buttons.accept;
  BitBtn2 = buttons.cancel;
  connect(BitBtn1, &QPushButton::clicked, this, &TForm72::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm72::BitBtn2Click);

  MakeFixedDialog(this);
}

void TForm72::Fill(const LinkParameters& params) {
  params_ = params;
  for (int i = 0; i < kPortCount; ++i) {
    RadioButtons[i]->setEnabled(params.portPresent[i]);
    PortPaths[i]->setText(params.portPaths[i]);
    PortPaths[i]->setEnabled(params.portPresent[i]);
  }
  // The port of the settings is shown chosen even when it failed the test; OK then says so.
  if (params.numPort >= 0 && params.numPort < kPortCount) {
    RadioButtons[params.numPort]->setChecked(true);
  } else if (QAbstractButton* chosen = PortGroup->checkedButton()) {
    PortGroup->setExclusive(false);
    chosen->setChecked(false);
    PortGroup->setExclusive(true);
  }
  // A settings file may hold values no list has; the nearest entry is shown instead of none.
  ComboBox1->setCurrentIndex(std::clamp(params.baudRate, 0, kSpeedCount - 1));
  ComboBox2->setCurrentIndex(std::clamp(params.weitTime1 - 1, 0, kMaxFirstByteSeconds - 1));
  ComboBox3->setCurrentIndex(std::clamp(params.kolPovt - 1, 0, kMaxAttempts - 1));
  Edit1->setText(QString::number(params.weitTime2));
  CheckBox1->setChecked(params.uprSign);
  CheckBox2->setChecked(params.aoSkor);
}

LinkParameters TForm72::Chosen() const {
  LinkParameters p = params_;
  p.numPort = PortGroup->checkedId() >= 0 ? PortGroup->checkedId() : params_.numPort;
  p.baudRate = ComboBox1->currentIndex();
  p.weitTime1 = ComboBox2->currentIndex() + 1;
  p.weitTime2 = Edit1->text().toInt();
  p.kolPovt = ComboBox3->currentIndex() + 1;
  p.uprSign = CheckBox1->isChecked();
  p.aoSkor = CheckBox2->isChecked();
  return p;
}

bool TForm72::Edit(LinkParameters& params) {
  Fill(params);
  if (exec() != QDialog::Accepted) return false;
  params = Chosen();
  return true;
}

bool TForm72::RestoreByteTimeout() {
  bool ok = false;
  const int ms = Edit1->text().toInt(&ok);
  if (ok && ms >= kMinByteTimeoutMs && ms <= kMaxByteTimeoutMs) return false;
  Edit1->setText(QString::number(params_.weitTime2));
  return true;
}

void TForm72::UpDown1Click(int direction) {
  bool ok = false;
  int ms = Edit1->text().toInt(&ok);
  if (!ok) ms = params_.weitTime2;
  ms = std::clamp(ms + direction * kByteTimeoutStepMs, kMinByteTimeoutMs, kMaxByteTimeoutMs);
  Edit1->setText(QString::number(ms));
}

void TForm72::BitBtn1Click() {
  if (RestoreByteTimeout()) {
    Edit1->setFocus();
    Edit1->selectAll();
    return;
  }
  const int port = PortGroup->checkedId();
  if (port < 0 || !RadioButtons[port]->isEnabled()) {
    TFormMess message(this);
    message.Fill(texts_.Text(2385_t), texts_.Text(2848_t), texts_.Text(2278_t));
    message.exec();
    return;
  }
  accept();
}

void TForm72::BitBtn2Click() {
  RestoreByteTimeout();
  reject();
}

bool TForm72::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      UpDown1Click(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  if (watched == Edit1 && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A click on OK checks the value itself and keeps the dialog open; another window taking
    // the focus is no leaving of the field.
    const bool toOk = reason == Qt::MouseFocusReason && QApplication::focusWidget() == BitBtn1;
    if (!toOk && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      RestoreByteTimeout();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zel
