#include "shell/ui/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>

#include "link/connection.h"
#include "link/port.h"
#include "tallyview/tallyview_link.h"

namespace zel {

namespace {

// The channel each menu's commands work on: channelCode and channelClass.
struct Channel {
  int code, cls;
};
const std::map<QString, Channel>& MenuChannels() {
  static const std::map<QString, Channel> channels = {
      {menu::kPressure, {0, 0}}, {menu::kTemperature, {1, 1}}, {menu::kDp, {2, 2}},
      {menu::kLowerDp, {3, 3}},  {menu::kUpperDp, {4, 2}},     {menu::kCounter, {5, 4}}};
  return channels;
}

// Commands that work in this build; the others stay disabled until their operations exist.
const QStringList& WorkingCommands() {
  static const QStringList names = {"N46", "N47", "NP1", "N48", "N12", "MNMNU1", "MNMNU2", "N13"};
  return names;
}

constexpr int kWindowWidth = 920;
constexpr int kStatusPanel0Width = 100;
constexpr int kStatusPanel1Width = 610;

}  // namespace

TForm1::TForm1(SharedState& state, std::unique_ptr<SerialLine> line,
               std::function<std::unique_ptr<SerialLine>()> makeLine, std::unique_ptr<Clock> clock,
               std::unique_ptr<Person> person)
    : state_(state), line_(std::move(line)), makeLine_(std::move(makeLine)),
      clock_(std::move(clock)), person_(std::move(person)) {
  setObjectName(QStringLiteral("Form1"));
  link_ = std::make_unique<LinkContext>(LinkContext{*line_, *clock_, state_.settings});
  onLanguageMissing = [](const QString& error) {
    std::fprintf(stderr, "zelmark: %s\n", error.toUtf8().constData());
    std::exit(1);
  };

  BuildMenus();
  ToolBar1 = addToolBar(QString());
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  Panel3 = new QLabel(ToolBar1);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel3->setMinimumWidth(200);
  Panel3->setFrameShape(QFrame::StyledPanel);
  Panel1 = new QLabel(ToolBar1);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  ToolBar1->addWidget(Panel3);
  // A widget on a tool bar is shown and hidden through its action.
  panel1Action_ = ToolBar1->addWidget(Panel1);
  panel1Action_->setVisible(false);

  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  for (int i = 0; i < 3; ++i) {
    statusPanels_[i] = new QLabel(statusBar());
    statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
    statusPanels_[i]->setFrameShape(QFrame::StyledPanel);
  }
  statusPanels_[0]->setFixedWidth(kStatusPanel0Width);
  statusPanels_[1]->setFixedWidth(kStatusPanel1Width);
  statusBar()->addWidget(statusPanels_[0]);
  statusBar()->addWidget(statusPanels_[1]);
  statusBar()->addWidget(statusPanels_[2], 1);
  statusBar()->setSizeGripEnabled(false);

  ApplyCreation();
  setFixedSize(kWindowWidth, sizeHint().height());

  // The automatic connection, once, a moment after the window is shown.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setInterval(100);
  connect(Timer1, &QTimer::timeout, this, [this] {
    if (state_.settings.TypSvyaz == 0) ConnectDirectCommand();
  });
  Timer1->start();
}

TForm1::~TForm1() { ClosePort(*line_); }

void TForm1::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  for (const MenuEntry* top : MenuModel::Children(QString())) {
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(top->name);
    m->menuAction()->setObjectName(top->name);
    menuWidgets_[top->name] = m;
    actions_[top->name] = m->menuAction();
    std::function<void(QMenu*, const QString&)> fill = [&](QMenu* menu, const QString& parent) {
      for (const MenuEntry* e : MenuModel::Children(parent)) {
        if (e->separator) {
          QAction* sep = menu->addSeparator();
          sep->setObjectName(e->name);
          actions_[e->name] = sep;
          continue;
        }
        if (!MenuModel::Children(e->name).empty()) {
          QMenu* sub = menu->addMenu(QString());
          sub->setObjectName(e->name);
          sub->menuAction()->setObjectName(e->name);
          menuWidgets_[e->name] = sub;
          actions_[e->name] = sub->menuAction();
          fill(sub, e->name);
          continue;
        }
        QAction* a = menu->addAction(QString());
        a->setObjectName(e->name);
        actions_[e->name] = a;
        a->setEnabled(WorkingCommands().contains(e->name));
      }
    };
    fill(m, top->name);
  }

  auto on = [this](const char* name, std::function<void()> op) {
    connect(actions_.at(name), &QAction::triggered, this, [this, name, op] {
      Run(name, op);
    });
  };
  on("N46", [this] { ConnectDirectCommand(); });
  on("N47", [this] { WorkWithoutConnectionCommand(); });
  on("NP1", [this] { EditPreambles(state_, *person_); });
  on("N48", [this] { Statistics(); });
  on("N12", [this] { About(); });
  on("MNMNU1", [this] { SwitchLanguage(1); });
  on("MNMNU2", [this] { SwitchLanguage(0); });
  connect(actions_.at("N13"), &QAction::triggered, this, [this] { Exit(); });
}

void TForm1::Run(const QString& item, const std::function<void()>& op) {
  // A channel menu's commands set the channel of their menu; the others leave it as it is.
  const MenuEntry* entry = MenuModel::Find(item);
  if (entry != nullptr)
    if (auto channel = MenuChannels().find(entry->parent); channel != MenuChannels().end()) {
      state_.channelCode = int16_t(channel->second.code);
      state_.channelClass = uint8_t(channel->second.cls);
    }
  op();
  menuPath_ = ComputeMenuPath(menus_, item);
  OpenMenuAt(menuPath_);
}

QAction* TForm1::Action(const QString& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* TForm1::Menu(const QString& name) const {
  auto it = menuWidgets_.find(name);
  return it == menuWidgets_.end() ? nullptr : it->second;
}

QString TForm1::ProgramLine() const {
  return state_.language.Text(2361_t) + (state_.settings.LangRus == 1
                                             ? QStringLiteral(" (без калибровки P)")
                                             : QStringLiteral(" (без калібровки P)"));
}

void TForm1::ApplyCreation() {
  setUpdatesEnabled(false);
  setWindowTitle(QStringLiteral("Zelmark"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zelmark"));
  for (const MenuEntry& e : MenuTree())
    if (QAction* a = Action(e.name); a && !e.separator)
      a->setText(MenuModel::Caption(e, state_.language, state_.settings.LangRus));
  menus_.ApplyStartup();
  ApplyMenuVisibility();
  statusPanels_[1]->setText(ProgramLine());
  SetPortText(QString());
  setUpdatesEnabled(true);
}

void TForm1::ApplyMenuVisibility() {
  for (const MenuEntry& e : MenuTree())
    if (QAction* a = Action(e.name)) a->setVisible(menus_.visible(e.name));
}

void TForm1::BuildDeviceView() {
  DeviceViewInputs in;
  in.directConnection = state_.directConnection;
  if (snapshot_ && state_.directConnection) {
    in.deviceKind = snapshot_->id.deviceKind;
    in.softwareVersion = snapshot_->id.softwareVersion;
    in.channelSet = snapshot_->runScheme[1][0];
  }
  menus_.ApplyDeviceView(in);
  ApplyMenuVisibility();
}

void TForm1::SetPortText(const QString& text) { Panel3->setText(text); }

void TForm1::SetActivityText(const QString& text) {
  Panel1->setText(text);
  panel1Action_->setVisible(!text.isEmpty());
  // The window is repainted between exchanges so the texts appear while the line works.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm1::SetStatusText(const QString& text) {
  statusPanels_[2]->setText(text);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm1::ConnectDirectCommand() {
  state_.deviceViewOpen = false;
  state_.directConnection = true;
  snapshot_.reset();
  ApplyCreation();
  ConnectionContext ctx{state_, *line_, *link_, *person_, *this, makeLine_};
  ConnectOutcome out = ConnectDirect(ctx);
  if (out.result == ConnectResult::Connected) {
    snapshot_ = std::move(out.snapshot);
    BuildDeviceView();
    return;
  }
  if (out.result == ConnectResult::Cancelled) {
    menus_.HideDeviceMenus();
    ApplyMenuVisibility();
  }
  OpenMenuAt(QStringLiteral("01"));
}

void TForm1::WorkWithoutConnectionCommand() {
  snapshot_ = WorkWithoutConnection(state_);
  ApplyCreation();
  BuildDeviceView();
}

void TForm1::SwitchLanguage(int langRus) {
  if (state_.settings.LangRus == langRus) return;
  state_.settings.LangRus = langRus;
  state_.language.Release();
  QString error;
  if (!state_.language.Load(langRus, &error)) {
    onLanguageMissing(error);
    return;
  }
  ApplyCreation();
  if (state_.deviceViewOpen) BuildDeviceView();
}

void TForm1::OpenMenuAt(const QString& path) {
  if (path.size() < 2) return;
  // Posted, so the menu opens after the current command has returned.
  QTimer::singleShot(0, this, [this, path] {
    // A menu can only open on a window that is on the screen.
    if (!isVisible()) return;
    auto number = [&](int i) { return path[i].unicode() - u'0'; };
    auto visibleItems = [this](const QString& parent) {
      std::vector<QAction*> out;
      for (const MenuEntry* e : MenuModel::Children(parent))
        if (!e->separator && menus_.visible(e->name)) out.push_back(Action(e->name));
      return out;
    };
    const auto tops = visibleItems(QString());
    const int top = number(0);
    if (top < 0 || top >= int(tops.size())) return;
    QMenu* menu = tops[top]->menu();
    menuBar()->setFocus(Qt::ShortcutFocusReason);
    menuBar()->setActiveAction(tops[top]);
    int position = number(1) - 1;
    for (int level = 2; menu != nullptr; level += 2) {
      const auto items = visibleItems(menu->objectName());
      if (position < 0 || position >= int(items.size())) return;
      menu->setActiveAction(items[position]);
      if (level + 1 >= path.size()) return;
      menu = items[position]->menu();
      position = number(level + 1);
    }
  });
}

void TForm1::About() {
  QDialog box(this);
  box.setObjectName(QStringLiteral("TAboutBox"));
  box.setWindowTitle(state_.language.Text(2277_t));
  auto* layout = new QVBoxLayout(&box);
  auto* version = new QLabel(state_.settings.LangRus == 1
                                 ? QStringLiteral("(без калибровки давления)   Zelmark")
                                 : QStringLiteral("(без калібровки тиску)   Zelmark"),
                             &box);
  version->setAlignment(Qt::AlignCenter);
  layout->addWidget(version);
  // 2835 sits inside the range but is the "no answer" message of the link, not an about line.
  for (int id = 2820; id <= 2841; ++id) {
    if (id == 2835) continue;
    const QString text = state_.language.Text(TextId{id});
    if (text.isEmpty()) continue;
    auto* line = new QLabel(text, &box);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
  }
  auto* ok = new QPushButton(state_.language.Text(2278_t), &box);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  box.exec();
}

void TForm1::Statistics() {
  if (!RaiseTallyview()) StartTallyview(QCoreApplication::applicationDirPath());
}

void TForm1::Exit() {
  QuitTallyview();
  close();
}

void TForm1::closeEvent(QCloseEvent* event) {
  SaveSettings(state_.settings, state_.settingsPath);
  state_.language.Release();
  event->accept();
}

}  // namespace zel
