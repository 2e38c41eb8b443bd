// The main window on the simulated computer: menus after start-up, after work without
// connection and after connecting to each kind of computer, the language switch, the menu
// reopening and the settings written at exit.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "link/pipe_line.h"
#include "shell/ini_file.h"
#include "shell/ui/TForm1.h"
#include "sim/device_profile.h"
#include "sim/sim_peer.h"
#include "support/scripted_person.h"

namespace zel {
namespace {

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    qputenv("ZELMARK_LANG_DIR", ZELMARK_BIN_DIR);
    state_.settingsPath = dir_.filePath("Zelmark.ini");
    state_.settings.TypSvyaz = 1;  // tests start the commands themselves
    ASSERT_TRUE(state_.language.Load(state_.settings.LangRus));
  }
  void Create(const char* profile = sim::kDemoProfile, int runFlags = -1) {
    sim::DeviceProfile device = *sim::FindProfile(profile);
    if (runFlags >= 0) device.runs[0].flags = uint8_t(runFlags);
    peer_ = std::make_unique<sim::SimPeer>(device);
    auto clock = std::make_unique<VirtualClock>();
    auto line = std::make_unique<PipeLine>(*clock, peer_.get());
    line_ = line.get();
    auto person = std::make_unique<test::ScriptedPerson>();
    person_ = person.get();
    window_ = std::make_unique<TForm1>(
        state_, std::move(line), [] { return std::unique_ptr<SerialLine>(); }, std::move(clock),
        std::move(person));
    window_->onLanguageMissing = [this](const QString& e) { languageErrors_ << e; };
    window_->show();
  }
  void Connect() {
    person_->EnterAddress(1).EnterPassword("1234");
    window_->ConnectDirectCommand();
    ASSERT_TRUE(window_->snapshot()) << person_->messages().join("; ").toStdString();
  }
  QStringList VisibleMenus() const {
    QStringList out;
    for (QAction* a : window_->menuBar()->actions())
      if (a->isVisible()) out << a->objectName();
    return out;
  }
  bool Visible(const char* item) const { return window_->Action(item)->isVisible(); }

  QTemporaryDir dir_;
  SharedState state_;
  std::unique_ptr<sim::SimPeer> peer_;
  PipeLine* line_ = nullptr;
  test::ScriptedPerson* person_ = nullptr;
  std::unique_ptr<TForm1> window_;
  QStringList languageErrors_;
};

TEST_F(MainWindow, StartsWithTheLinkAndAboutMenus) {
  Create();
  EXPECT_EQ(VisibleMenus(), QStringList({"N6", "N3"}));
  EXPECT_EQ(window_->windowTitle(), "Zelmark");
  EXPECT_EQ(window_->Action("N46")->text(), QString::fromUtf8("Непосредственная связь"));
  EXPECT_EQ(window_->Action("N6")->text(), state_.language.Text(2653_t));
  EXPECT_TRUE(window_->findChild<QLabel*>("StatusBar1Panel1")->text().endsWith("(без калибровки P)"));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());  // fixed size
}

TEST_F(MainWindow, WorkWithoutConnection) {
  Create();
  window_->Action("N47")->trigger();
  EXPECT_EQ(VisibleMenus(), QStringList({"N6", "N19", "N4", "N33", "N1", "N3"}));
  EXPECT_TRUE(Visible("N45"));
  EXPECT_TRUE(Visible("N10"));
  EXPECT_FALSE(Visible("N20"));
  EXPECT_FALSE(line_->IsOpen());
  EXPECT_EQ(window_->menuPath(), "02");
}

// One row of the device view: a simulated computer (with run 1's flag byte replaced where
// the row needs another channel set) and the menus it gets.
struct ConnectCase {
  const char* name;
  const char* profile;
  int runFlags;  // -1: as the profile has it; 0x80 P and T; 0x10 two dP ranges
  QStringList menus;
};

// Test listings name a case by its name alone.
void PrintTo(const ConnectCase& c, std::ostream* os) { *os << c.name; }

class MainWindowConnect : public MainWindow, public testing::WithParamInterface<ConnectCase> {};

TEST_P(MainWindowConnect, DeviceViewFitsTheComputer) {
  Create(GetParam().profile, GetParam().runFlags);
  Connect();
  EXPECT_EQ(VisibleMenus(), GetParam().menus);
  // The final step for every connected computer.
  EXPECT_TRUE(Visible("N45"));
  EXPECT_FALSE(Visible("N14"));
  EXPECT_FALSE(Visible("N25"));
  EXPECT_TRUE(state_.deviceViewOpen);
  // Idle again: the activity panel is hidden and the port panel cleared.
  EXPECT_FALSE(window_->findChild<QLabel*>("Panel1")->isVisible());
  EXPECT_EQ(window_->findChild<QLabel*>("Panel3")->text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowConnect,
    testing::Values(
        ConnectCase{"Kind9", "k9-v19", -1, {"N6", "N19", "N1", "N3"}},
        ConnectCase{"Kind16Set2Old", "k16-v10", 0x80, {"N6", "N19", "N4", "N1", "N3"}},
        ConnectCase{"Kind16Set2New", "k16-v19-counter", -1, {"N6", "N19", "N4", "N33", "N1", "N3"}},
        ConnectCase{"Kind7Set3", "demo", -1, {"N6", "N19", "N4", "N24", "N1", "N3"}},
        ConnectCase{"OtherSet2Old", "k3-v8", 0x80, {"N6", "N19", "N4", "N1", "N3"}},
        ConnectCase{"OtherSet2New", "k8-v15", 0x80, {"N6", "N19", "N4", "N33", "N1", "N3"}},
        ConnectCase{"OtherSet3", "k3-v8", -1, {"N6", "N19", "N4", "N24", "N1", "N3"}},
        ConnectCase{"OtherSet5", "k8-v15", 0x10, {"N6", "N19", "N4", "N1", "N3"}},
        ConnectCase{"AnyOther", "k7-v19-2dp", -1, {"N6", "N1", "N3"}},
        ConnectCase{"OldestGeneration", "oldest", -1, {"N6", "N19", "N4", "N24", "N1", "N3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, CancelledAddressDialogHidesTheDeviceMenusAndReopensAtTheFirstItem) {
  Create();
  window_->Action("N47")->trigger();
  person_->EnterAddress(std::nullopt);
  window_->Action("N46")->trigger();
  EXPECT_EQ(VisibleMenus(), QStringList({"N6", "N3"}));
  QApplication::processEvents();
  EXPECT_EQ(window_->menuBar()->activeAction(), window_->Action("N6"));
  EXPECT_EQ(window_->Menu("N6")->activeAction(), window_->Action("N46"));
}

TEST_F(MainWindow, MenuReopensAtTheCommandJustRun) {
  Create();
  Connect();
  person_->EnterPreambles(4);
  window_->Action("NP1")->trigger();
  EXPECT_EQ(state_.settings.Preamb, 4);
  EXPECT_EQ(window_->menuPath(), "03");
  QApplication::processEvents();
  EXPECT_EQ(window_->Menu("N6")->activeAction(), window_->Action("NP1"));
  // A submenu item: the language menu inside About.
  window_->Action("MNMNU1")->trigger();  // Russian is active already: nothing happens
  EXPECT_EQ(window_->menuPath(), "5211");
}

TEST_F(MainWindow, LanguageSwitchRebuildsTheViewWithoutReconnecting) {
  Create();
  Connect();
  const size_t writes = line_->writes().size();
  const QStringList menus = VisibleMenus();
  window_->Action("MNMNU2")->trigger();
  EXPECT_EQ(state_.settings.LangRus, 0);
  EXPECT_EQ(window_->Action("N46")->text(), QString::fromUtf8("Безпосередній зв'язок"));
  EXPECT_EQ(window_->Action("N6")->text(), state_.language.Text(2653_t));
  EXPECT_TRUE(window_->findChild<QLabel*>("StatusBar1Panel1")->text().endsWith("(без калібровки P)"));
  EXPECT_EQ(VisibleMenus(), menus);
  EXPECT_EQ(line_->writes().size(), writes);
  EXPECT_TRUE(line_->IsOpen());
}

TEST_F(MainWindow, ChoosingTheActiveLanguageLoadsNothing) {
  Create();
  qputenv("ZELMARK_LANG_DIR", "/nonexistent");
  window_->Action("MNMNU1")->trigger();  // Russian is active: no reload, so no failure
  EXPECT_TRUE(languageErrors_.isEmpty());
  window_->Action("MNMNU2")->trigger();  // Ukrainian must be loaded and is missing
  ASSERT_EQ(languageErrors_.size(), 1);
  EXPECT_TRUE(languageErrors_[0].contains("Lang00.qm"));
}

TEST_F(MainWindow, StartUpConnectsUnlessTheSettingsSayOtherwise) {
  state_.settings.TypSvyaz = 0;
  Create();
  person_->EnterAddress(std::nullopt);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !person_->shown().empty(); }, 5000));
  EXPECT_EQ(person_->kinds(), QStringList({"address"}));

  state_.settings.TypSvyaz = 1;
  Create();
  QSignalSpy fired(window_->findChild<QTimer*>("Timer1"), &QTimer::timeout);
  ASSERT_TRUE(fired.wait(5000));
  QApplication::processEvents();
  EXPECT_TRUE(person_->shown().empty());
}

TEST_F(MainWindow, SettingsAreWrittenAtExit) {
  Create();
  state_.settings.AOSkor = 1;
  Connect();  // the speed search finds 9600 bit/s
  window_->Action("N13")->trigger();
  const IniFile ini = IniFile::Read(state_.settingsPath);
  EXPECT_EQ(ini.Integer("Parametres", "BaudRate", -1), 9);
  EXPECT_EQ(ini.Integer("Parametres", "TypSvyaz", -1), 0);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace zel

int main(int argc, char** argv) {
  // Test discovery runs the program without the tests' environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The exit command talks to the statistics viewer: keep away from a real one.
  qputenv("ZELMARK_TALLYVIEW_SOCKET", "zelmark-main-window-test");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
