#pragma once
// The main window's menu tree as data: every menu and item with its caption, which of them
// are visible, the rules that show and hide them for the connected computer, and the keyboard
// path that reopens the menu at an item. The window renders it; tests read it directly.

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "shell/text_id.h"

namespace zel {

class LanguageTable;

struct MenuEntry {
  const char* name;    // object name: N6, N46, MNMNU1 ...
  const char* parent;  // "" for a top-level menu
  TextId caption;      // catalogue text, or {0} when the pair below is used
  const char* russian = nullptr;
  const char* ukrainian = nullptr;
  bool separator = false;
};

// The menus and items, top-level menus in menu bar order, items in menu order.
const std::vector<MenuEntry>& MenuTree();

// What the device view depends on.
struct DeviceViewInputs {
  bool directConnection = false;
  int deviceKind = 0;
  int softwareVersion = 0;
  int channelSet = 0;  // primary scheme code of run 1: 2, 3, 5 (others select no extra menus)
};

class MenuModel {
 public:
  // As the window is created: everything visible except N32.
  MenuModel();

  bool visible(const QString& name) const;
  void Show(const QStringList& names);
  void Hide(const QStringList& names);

  // The caption of an entry in the language of `langRus`.
  static QString Caption(const MenuEntry& entry, const LanguageTable& language, int langRus);
  // Entries whose parent is `parent` ("" for the top-level menus).
  static std::vector<const MenuEntry*> Children(const QString& parent);
  static const MenuEntry* Find(const QString& name);

  // Start-up: only the link and about menus (and what they hold).
  void ApplyStartup();
  // After a cancelled address dialog: the device menus are hidden again.
  void HideDeviceMenus();
  // The menus for a connected computer, or for work without connection.
  void ApplyDeviceView(const DeviceViewInputs& inputs);

 private:
  std::map<QString, bool> visible_;
};

// The keyboard path of an item: digit pairs, see the main window's menu reopening.
QString ComputeMenuPath(const MenuModel& menus, const QString& item);

// Menu names that group channels.
namespace menu {
inline constexpr auto kLink = "N6";
inline constexpr auto kTemperature = "N19";
inline constexpr auto kPressure = "N4";
inline constexpr auto kCounter = "N33";
inline constexpr auto kDp = "N24";
inline constexpr auto kUpperDp = "N37";
inline constexpr auto kLowerDp = "N41";
inline constexpr auto kGeneral = "N1";
inline constexpr auto kAbout = "N3";
}  // namespace menu

}  // namespace zel
