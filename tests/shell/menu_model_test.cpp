#include "shell/menu_model.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

QStringList VisibleTopMenus(const MenuModel& m) {
  QStringList out;
  for (const MenuEntry* e : MenuModel::Children(QString()))
    if (m.visible(e->name)) out << e->name;
  return out;
}

QStringList VisibleItems(const MenuModel& m, const char* menu) {
  QStringList out;
  for (const MenuEntry* e : MenuModel::Children(menu))
    if (m.visible(e->name) && !e->separator) out << e->name;
  return out;
}

MenuModel Started() {
  MenuModel m;
  m.ApplyStartup();
  return m;
}

TEST(MenuModel, StartupShowsOnlyLinkAndAbout) {
  const MenuModel m = Started();
  EXPECT_EQ(VisibleTopMenus(m), QStringList({"N6", "N3"}));
  EXPECT_EQ(VisibleItems(m, "N6"), QStringList({"N46", "N47", "NP1"}));
  EXPECT_EQ(VisibleItems(m, "N3"), QStringList({"N12", "N11", "N13"}));
  EXPECT_FALSE(m.visible("N45"));
  EXPECT_FALSE(m.visible("N32"));
}

TEST(MenuModel, WorkWithoutConnection) {
  MenuModel m = Started();
  m.ApplyDeviceView({false, 0, 0, 0});
  EXPECT_EQ(VisibleTopMenus(m), QStringList({"N6", "N19", "N4", "N33", "N1", "N3"}));
  EXPECT_EQ(VisibleItems(m, "N19"), QStringList({"N23"}));
  EXPECT_EQ(VisibleItems(m, "N4"), QStringList({"N10", "N16"}));
  EXPECT_EQ(VisibleItems(m, "N33"), QStringList({"N35"}));
  EXPECT_EQ(VisibleItems(m, "N1"), QStringList({"N45", "N48"}));
}

struct ViewCase {
  const char* name;
  int kind, version, set;
  QStringList menus;
  QStringList hidden;   // items hidden by the row (and the final step)
  QStringList visible;  // items that stay or become visible
};

// Test listings name a case by its name alone.
void PrintTo(const ViewCase& c, std::ostream* os) { *os << c.name; }

class DeviceView : public testing::TestWithParam<ViewCase> {};

TEST_P(DeviceView, RowAndFinalStep) {
  const ViewCase& c = GetParam();
  MenuModel m = Started();
  m.ApplyDeviceView({true, c.kind, c.version, c.set});
  EXPECT_EQ(VisibleTopMenus(m), c.menus);
  for (const QString& item : c.hidden) EXPECT_FALSE(m.visible(item)) << item.toStdString();
  for (const QString& item : c.visible) EXPECT_TRUE(m.visible(item)) << item.toStdString();
  // The final step, for every connected computer.
  for (const char* item : {"N14", "N16", "N5", "N25", "N27", "N37", "N41"})
    EXPECT_FALSE(m.visible(item)) << item;
  for (const char* item : {"N45", "N10"}) EXPECT_TRUE(m.visible(item)) << item;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DeviceView,
    testing::Values(
        ViewCase{"Kind9", 9, 25, 3, {"N6", "N19", "N1", "N3"}, {"N8", "N30", "N31", "N32"}, {"N2", "N9"}},
        ViewCase{"Kind7Set2Old", 7, 10, 2, {"N6", "N19", "N4", "N1", "N3"},
                 {"N36", "N18", "N30", "N31", "N32"}, {"N8", "N2"}},
        ViewCase{"Kind16Set2New", 16, 11, 2, {"N6", "N19", "N4", "N33", "N1", "N3"},
                 {"N36", "N18", "N30", "N31", "N32"}, {"N34"}},
        ViewCase{"Kind7Set3", 7, 19, 3, {"N6", "N19", "N4", "N24", "N1", "N3"},
                 {"N36", "N18", "N30", "N32", "N29"}, {"N31", "N26", "N28"}},
        ViewCase{"OtherSet2Old", 3, 8, 2, {"N6", "N19", "N4", "N1", "N3"},
                 {"N36", "N18", "N30", "N31", "N32"}, {}},
        ViewCase{"OtherSet2New", 8, 15, 2, {"N6", "N19", "N4", "N33", "N1", "N3"},
                 {"N36", "N18", "N30", "N31", "N32"}, {}},
        ViewCase{"OtherSet3", 3, 12, 3, {"N6", "N19", "N4", "N24", "N1", "N3"},
                 {"N36", "N18", "N30", "N31", "N32", "N26", "N27", "N29"}, {"N28"}},
        ViewCase{"OtherSet5", 8, 15, 5, {"N6", "N19", "N4", "N1", "N3"},
                 {"N36", "N18", "N30", "N31", "N32"}, {}},
        ViewCase{"AnyOther", 7, 19, 6, {"N6", "N1", "N3"}, {}, {"N36", "N30"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuModel, CancelledAddressDialogHidesTheDeviceMenus) {
  MenuModel m = Started();
  m.ApplyDeviceView({true, 7, 19, 3});
  m.HideDeviceMenus();
  EXPECT_EQ(VisibleTopMenus(m), QStringList({"N6", "N3"}));
}

TEST(MenuPath, DigitPairs) {
  MenuModel m = Started();
  EXPECT_EQ(ComputeMenuPath(m, "N46"), "01");  // first item of the first menu
  EXPECT_EQ(ComputeMenuPath(m, "NP1"), "03");
  EXPECT_EQ(ComputeMenuPath(m, "N13"), "13");  // the separator does not count
  EXPECT_EQ(ComputeMenuPath(m, "MNMNU1"), "1211");
  EXPECT_EQ(ComputeMenuPath(m, "MNMNU2"), "1210");
  m.ApplyDeviceView({true, 7, 19, 3});
  // Visible menus: link, temperature, pressure, dP, general, about.
  EXPECT_EQ(ComputeMenuPath(m, "N21"), "12");
  EXPECT_EQ(ComputeMenuPath(m, "N15"), "22");  // second item of the third visible menu
  EXPECT_EQ(ComputeMenuPath(m, "N13"), "53");
  EXPECT_EQ(ComputeMenuPath(m, "nothing"), "");
}

}  // namespace
}  // namespace zel
