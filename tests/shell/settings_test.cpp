#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "shell/ini_file.h"

namespace zel {
namespace {

class SettingsFile : public testing::Test {
 protected:
  QString path() const { return dir_.filePath("Zelmark.ini"); }
  void Write(const char* text) {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  QString Contents() const {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }
  QTemporaryDir dir_;
};

TEST_F(SettingsFile, NoFileGivesTheDefaults) {
  const Settings s = LoadSettings(path());
  EXPECT_EQ(s.NumPort, 1);      // COM2
  EXPECT_EQ(s.BaudRate, 2);     // 1200 bit/s
  EXPECT_EQ(s.WeitTime1, 2);    // 2 s first-byte timeout
  EXPECT_EQ(s.WeitTime2, 140);  // 140 ms byte timeout
  EXPECT_EQ(s.Kol_povt, 1);
  EXPECT_EQ(s.Upr_Sign, 0);
  EXPECT_EQ(s.TypSvyaz, 0);
  EXPECT_EQ(s.AOSkor, 1);
  EXPECT_EQ(s.Preamb, 10);
  EXPECT_EQ(s.Adress, 1);
  EXPECT_EQ(s.LangRus, 1);
  EXPECT_EQ(s.KolZapusk, 0);
  EXPECT_EQ(s.KalendarZapros, 0);
  EXPECT_EQ(s.PortPath(1), "/dev/ttyS1");
  EXPECT_EQ(s.PortPath(8), "");
}

TEST_F(SettingsFile, StartCounterCountsDownOneARun) {
  Write("[OtlObmen]\nKolZapusk=3\nKalendarZapros=1\n");
  Settings s = LoadSettings(path());
  EXPECT_EQ(s.KolZapusk, 2);
  ASSERT_TRUE(SaveSettings(s, path()));
  const IniFile ini = IniFile::Read(path());
  EXPECT_EQ(ini.Integer("OtlObmen", "KolZapusk", -1), 2);
  EXPECT_EQ(ini.Integer("OtlObmen", "KalendarZapros", -1), 1);
}

TEST_F(SettingsFile, ExhaustedStartCounterClearsTheCalendarQuery) {
  Write("[OtlObmen]\nKolZapusk=0\nKalendarZapros=1\n");
  Settings s = LoadSettings(path());
  EXPECT_EQ(s.KalendarZapros, 1);
  ASSERT_TRUE(SaveSettings(s, path()));
  const IniFile ini = IniFile::Read(path());
  EXPECT_EQ(ini.Integer("OtlObmen", "KolZapusk", -1), 0);
  EXPECT_EQ(ini.Integer("OtlObmen", "KalendarZapros", -1), 0);
}

TEST_F(SettingsFile, SuppressedConnectionSurvivesUntilAConnectionSucceeds) {
  Write("[Parametres]\nTypSvyaz=1\n");
  for (int run = 0; run < 2; ++run) {
    Settings s = LoadSettings(path());
    EXPECT_EQ(s.TypSvyaz, 1);
    ASSERT_TRUE(SaveSettings(s, path()));
  }
  Settings s = LoadSettings(path());
  s.TypSvyaz = 0;  // what a successful connection does
  ASSERT_TRUE(SaveSettings(s, path()));
  EXPECT_EQ(LoadSettings(path()).TypSvyaz, 0);
}

TEST_F(SettingsFile, EveryKeyRoundTrips) {
  Settings s;
  s.BaudRate = 9;
  s.NumPort = 7;
  s.WeitTime1 = 20;
  s.WeitTime2 = 3000;
  s.Kol_povt = 5;
  s.Upr_Sign = 1;
  s.AOSkor = 0;
  s.Preamb = 25;
  s.Adress = 254;
  s.LangRus = 0;
  s.portPaths[0] = "/dev/ttyUSB0";
  ASSERT_TRUE(SaveSettings(s, path()));
  const Settings r = ReadSettings(path());
  EXPECT_EQ(r.BaudRate, 9);
  EXPECT_EQ(r.NumPort, 7);
  EXPECT_EQ(r.WeitTime1, 20);
  EXPECT_EQ(r.WeitTime2, 3000);
  EXPECT_EQ(r.Kol_povt, 5);
  EXPECT_EQ(r.Upr_Sign, 1);
  EXPECT_EQ(r.AOSkor, 0);
  EXPECT_EQ(r.Preamb, 25);
  EXPECT_EQ(r.Adress, 254);
  EXPECT_EQ(r.LangRus, 0);
  EXPECT_EQ(r.PortPath(0), "/dev/ttyUSB0");
  EXPECT_EQ(r.PortPath(7), "/dev/ttyS7");
}

TEST_F(SettingsFile, BadValuesReadAsTheIntegerAccessorReadsThem) {
  Write("[parametres]\n"  // section and key names ignore case
        "baudrate=abc\n"
        "NumPort=3junk\n"
        "WeitTime2= -7\n"
        "Kol_povt=258\n"
        "Preamb=\n"
        "[Adress]\nAdress=300\n"
        "[Ports]\nCOM1=/dev/ttyUSB3\nCOM2=not a path\nCOM3=\n");
  const Settings s = ReadSettings(path());
  EXPECT_EQ(s.BaudRate, 0);
  EXPECT_EQ(s.NumPort, 3);
  EXPECT_EQ(s.WeitTime2, -7);
  EXPECT_EQ(s.Kol_povt, 2);  // byte fields keep the low 8 bits
  EXPECT_EQ(s.Preamb, 0);
  EXPECT_EQ(s.Adress, 44);
  EXPECT_EQ(s.PortPath(0), "/dev/ttyUSB3");
  EXPECT_EQ(s.PortPath(1), "/dev/ttyS1");  // malformed: the usual name
  EXPECT_EQ(s.PortPath(2), "/dev/ttyS2");
}

TEST_F(SettingsFile, WritingBackKeepsWhatTheProgramDoesNotKnow) {
  Write("; kept comment\n[Parametres]\nBaudRate=4\nFavourite=blue\n\n[Extra]\nkey=value\n");
  Settings s = LoadSettings(path());
  s.BaudRate = 9;
  ASSERT_TRUE(SaveSettings(s, path()));
  const QString text = Contents();
  EXPECT_TRUE(text.startsWith("; kept comment\n"));
  EXPECT_TRUE(text.contains("Favourite=blue"));
  EXPECT_TRUE(text.contains("[Extra]\nkey=value"));
  EXPECT_TRUE(text.contains("BaudRate=9"));
  EXPECT_FALSE(text.contains("BaudRate=4"));
  EXPECT_EQ(IniFile::Read(path()).Integer("Language", "LangRus", -1), 1);
}

TEST_F(SettingsFile, UnwritableFileIsReportedNotFatal) {
  Settings s;
  EXPECT_FALSE(SaveSettings(s, dir_.filePath("Zelmark.ini/x/..")));
}

TEST(ProfileInteger, ReadsLeadingDigits) {
  const std::pair<const char*, long long> cases[] = {
      {"12", 12}, {"  7", 7}, {"-3", -3}, {"+4", 4}, {"9x", 9}, {"x9", 0}, {"", 0}, {"-", 0}};
  for (auto [text, value] : cases) EXPECT_EQ(ParseProfileInteger(text), value) << text;
}

}  // namespace
}  // namespace zel
