#include "shell/menu_model.h"

#include "shell/language.h"

namespace zel {

const std::vector<MenuEntry>& MenuTree() {
  static const std::vector<MenuEntry> tree = {
      {"N6", "", 2653_t},
      {"N46", "N6", {0}, "Непосредственная связь", "Безпосередній зв'язок"},
      {"N47", "N6", {0}, "Без связи", "Без зв'язку"},
      {"NP1", "N6", {0}, "Количество преамбул", "Кількість преамбул"},
      {"N19", "", 2126_t},
      {"N20", "N19", 2208_t},
      {"N21", "N19", 2238_t},
      {"N22", "N19", 2916_t},
      {"N23", "N19", 2931_t},
      {"N4", "", 2125_t},
      {"N10", "N4", 2208_t},
      {"N14", "N4", 2238_t},
      {"N15", "N4", 2916_t},
      {"N16", "N4", 2931_t},
      {"N36", "N4", 2694_t},
      {"N18", "N4", 3059_t},
      {"N33", "", 1214_t},
      {"N34", "N33", 1215_t},
      {"N35", "N33", 1216_t},
      {"N24", "", 2127_t},
      {"N5", "N24", 2208_t},
      {"N25", "N24", 2238_t},
      {"N26", "N24", 2916_t},
      {"N27", "N24", 2931_t},
      {"N28", "N24", 2694_t},
      {"N29", "N24", 3059_t},
      {"N37", "", 2129_t},
      {"N38", "N37", 2208_t},
      {"N39", "N37", 2238_t},
      {"N40", "N37", 2694_t},
      {"N41", "", 2128_t},
      {"N42", "N41", 2208_t},
      {"N43", "N41", 2238_t},
      {"N44", "N41", 2694_t},
      {"N1", "", 2356_t},
      {"N7", "N1", 2915_t},
      {"N45", "N1", {0}, "Печать параметров калибровки", "Роздруковка параметрів калібровки"},
      {"N48", "N1", {0}, "Просмотр данных поверки (графики)", "Перегляд даних повірки (графіки)"},
      {"N2", "N1", 1573_t},
      {"N30", "N1", 1207_t},
      {"N8", "N1", 2917_t},
      {"N9", "N1", 2918_t},
      {"N31", "N1", 2934_t},
      {"N17", "N1", 2358_t},
      {"N32", "N1", 3059_t},
      {"N3", "", 2359_t},
      {"N12", "N3", 2277_t},
      {"N11", "N3", 2852_t},
      {"MNMNU2", "N11", 2854_t},
      {"MNMNU1", "N11", 2853_t},
      {"N49", "N3", {0}, nullptr, nullptr, true},
      {"N13", "N3", 2278_t},
  };
  return tree;
}

MenuModel::MenuModel() {
  for (const MenuEntry& e : MenuTree()) visible_[e.name] = true;
  visible_["N32"] = false;
}

bool MenuModel::visible(const QString& name) const {
  auto it = visible_.find(name);
  return it != visible_.end() && it->second;
}

void MenuModel::Show(const QStringList& names) {
  for (const QString& n : names) visible_[n] = true;
}

void MenuModel::Hide(const QStringList& names) {
  for (const QString& n : names) visible_[n] = false;
}

QString MenuModel::Caption(const MenuEntry& e, const LanguageTable& language, int langRus) {
  if (e.caption.value != 0) return language.Text(e.caption);
  if (e.russian == nullptr) return QString();
  return QString::fromUtf8(langRus == 1 ? e.russian : e.ukrainian);
}

std::vector<const MenuEntry*> MenuModel::Children(const QString& parent) {
  std::vector<const MenuEntry*> out;
  for (const MenuEntry& e : MenuTree())
    if (parent == QLatin1String(e.parent)) out.push_back(&e);
  return out;
}

const MenuEntry* MenuModel::Find(const QString& name) {
  for (const MenuEntry& e : MenuTree())
    if (name == QLatin1String(e.name)) return &e;
  return nullptr;
}

void MenuModel::ApplyStartup() {
  Hide({menu::kTemperature, menu::kPressure, menu::kDp, menu::kGeneral, menu::kCounter,
        menu::kUpperDp, menu::kLowerDp, "N45"});
  Show({"N7", "N2", "N30", "N8", "N9", "N31", "N17", "N20", "N21", "N22", "N10", "N14", "N15",
        "N36", "N18", "N34", "N5", "N25", "N26", "N28", "N29"});
}

void MenuModel::HideDeviceMenus() {
  Hide({menu::kTemperature, menu::kPressure, menu::kDp, menu::kGeneral, menu::kCounter});
}

void MenuModel::ApplyDeviceView(const DeviceViewInputs& in) {
  if (!in.directConnection) {
    Show({menu::kPressure, menu::kTemperature, menu::kCounter, menu::kGeneral, "N45"});
    Hide({"N7", "N2", "N30", "N8", "N9", "N31", "N17", "N20", "N21", "N22", "N14", "N15", "N36",
          "N18", "N34", "N5", "N25", "N26", "N28", "N29"});
    Show({"N10"});
    return;
  }
  Show({menu::kGeneral});
  const int k = in.deviceKind;
  const int set = in.channelSet;
  const bool old = in.softwareVersion <= 10;
  const QStringList usual = {"N36", "N18", "N30", "N31", "N32"};
  if (k == 9) {
    Show({menu::kTemperature});
    Hide({"N8", "N30", "N31", "N32"});
  } else if (k == 7 || k == 16) {
    if (set == 2) {
      Show({menu::kPressure, menu::kTemperature});
      if (!old) Show({menu::kCounter});
      Hide(usual);
    } else if (set == 3) {
      Show({menu::kPressure, menu::kTemperature, menu::kDp});
      Hide({"N36", "N18", "N30", "N32", "N29"});
    }
  } else if (set == 2) {
    Show({menu::kPressure, menu::kTemperature});
    if (!old) Show({menu::kCounter});
    Hide(usual);
  } else if (set == 3) {
    Show({menu::kPressure, menu::kTemperature, menu::kDp});
    Hide({"N36", "N18", "N30", "N31", "N32", "N26", "N27", "N29"});
  } else if (set == 5) {
    Show({menu::kPressure, menu::kTemperature});
    Hide(usual);
  }
  // Every connected computer: the pressure and dP calibrations, dP verification and the two dP
  // range menus are not offered.
  Show({"N45", "N10"});
  Hide({"N14", "N16", "N5", "N25", "N27", menu::kUpperDp, menu::kLowerDp});
}

QString ComputeMenuPath(const MenuModel& menus, const QString& item) {
  // The chain from the top-level menu down to the item.
  std::vector<const MenuEntry*> chain;
  for (const MenuEntry* e = MenuModel::Find(item); e != nullptr;
       e = *e->parent ? MenuModel::Find(e->parent) : nullptr)
    chain.insert(chain.begin(), e);
  if (chain.size() < 2) return QString();

  auto digit = [](int n) { return QChar(u'0' + n); };
  // Position among the visible items of a menu that are not separators.
  auto position = [&](const MenuEntry* entry, int first) {
    int n = first;
    for (const MenuEntry* sibling : MenuModel::Children(entry->parent)) {
      if (sibling == entry) return n;
      if (!sibling->separator && menus.visible(sibling->name)) ++n;
    }
    return n;
  };
  int left = 0;
  for (const MenuEntry* top : MenuModel::Children(QString())) {
    if (top == chain[0]) break;
    if (menus.visible(top->name)) ++left;
  }
  QString path;
  path += digit(left);
  path += digit(position(chain[1], 1));
  for (size_t level = 2; level < chain.size(); ++level) {
    path += digit(1);
    path += digit(position(chain[level], 0));
  }
  return path;
}

}  // namespace zel
