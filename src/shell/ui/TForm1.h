#pragma once
// TForm1: the main window. A fixed strip with the menu, a tool bar with the port and activity
// panels and a status bar. It starts the program (language, captions, the automatic
// connection), shows the menus that fit the connected computer, runs the command of each menu
// item and reopens the menu at that item afterwards, switches the language at run time and
// closes everything in order.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "device/device_snapshot.h"
#include "link/clock.h"
#include "link/exchange.h"
#include "link/serial_line.h"
#include "shell/menu_model.h"
#include "shell/person.h"
#include "shell/shared_state.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace zel {

class TForm1 : public QMainWindow, public Activity {
  Q_OBJECT

 public:
  // `state` holds the settings read at start and the loaded language; `line` is the flow
  // computer's port and `makeLine` makes fresh lines for the port test.
  TForm1(SharedState& state, std::unique_ptr<SerialLine> line,
         std::function<std::unique_ptr<SerialLine>()> makeLine, std::unique_ptr<Clock> clock,
         std::unique_ptr<Person> person);
  ~TForm1() override;

  // Activity: the tool bar panels and the exchange text of the status bar.
  void SetPortText(const QString& text) override;
  void SetActivityText(const QString& text) override;
  void SetStatusText(const QString& text) override;

  const MenuModel& menus() const { return menus_; }
  const DeviceSnapshot* snapshot() const { return snapshot_.get(); }
  QAction* Action(const QString& name) const;
  QMenu* Menu(const QString& name) const;
  // The menu path of the last command.
  QString menuPath() const { return menuPath_; }
  Person& person() { return *person_; }

  // Commands of the menus (also used by tests).
  void ConnectDirectCommand();
  void WorkWithoutConnectionCommand();
  void SwitchLanguage(int langRus);
  // Opens the menu at a digit-pair path after the current command has returned.
  void OpenMenuAt(const QString& path);

  // Called when a catalogue cannot be loaded: the program ends. Tests replace it.
  std::function<void(const QString& error)> onLanguageMissing;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  // The creation step: captions from the language table and the start-up menus.
  void ApplyCreation();
  void ApplyMenuVisibility();
  void BuildDeviceView();
  // Runs a command: sets the channel, calls it, reopens the menu at its item.
  void Run(const QString& item, const std::function<void()>& op);
  void About();
  void Statistics();
  void Exit();
  QString ProgramLine() const;

  SharedState& state_;
  std::unique_ptr<SerialLine> line_;
  std::function<std::unique_ptr<SerialLine>()> makeLine_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<Person> person_;
  std::unique_ptr<LinkContext> link_;
  std::unique_ptr<DeviceSnapshot> snapshot_;
  MenuModel menus_;
  std::map<QString, QAction*> actions_;
  std::map<QString, QMenu*> menuWidgets_;
  QString menuPath_;
  QTimer* Timer1 = nullptr;  // the one-shot start-up trigger
  QToolBar* ToolBar1 = nullptr;
  QLabel* Panel3 = nullptr;  // port panel
  QLabel* Panel1 = nullptr;  // activity panel
  QAction* panel1Action_ = nullptr;  // shows and hides Panel1 on the tool bar
  QLabel* statusPanels_[3] = {nullptr, nullptr, nullptr};
};

}  // namespace zel
