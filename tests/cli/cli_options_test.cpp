#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace zel::cli {
namespace {

std::optional<Options> Parse(QStringList args, QString* error = nullptr) {
  QString e, help;
  auto o = ParseOptions(args, &e, &help);
  if (error) *error = e;
  return o;
}

TEST(CliOptions, ValuesOutsideTheDialogRangesAreUsageErrors) {
  const QStringList bad[] = {
      {"probe", "--address", "0"},        {"probe", "--address", "255"},
      {"probe", "--preambles", "26"},     {"probe", "--attempts", "0"},
      {"probe", "--attempts", "6"},       {"probe", "--first-byte-timeout", "21"},
      {"probe", "--byte-timeout", "54"},  {"probe", "--byte-timeout", "3001"},
      {"probe", "--baud", "1000"},        {"probe", "--port", "COM9"},
      {"probe", "--port", "ttyS0"},       {"probe", "--address", "x"},
      {"raw"},                            {"raw", "--command", "256"},
      {"raw", "--command", "1", "--data", "ABC"},
      {"raw", "--command", "1", "--data", "0102", "--length", "7"},
      {"probe", "--command", "1"},        {"dance"},
      {},                                 {"probe", "--password", "12345678901234567"},
  };
  for (const QStringList& args : bad) {
    QString error;
    EXPECT_FALSE(Parse(args, &error)) << args.join(' ').toStdString();
    EXPECT_FALSE(error.isEmpty()) << args.join(' ').toStdString();
  }
}

TEST(CliOptions, OptionsOverTheSettingsFile) {
  QTemporaryDir dir;
  QFile f(dir.filePath("z.ini"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Parametres]\nBaudRate=9\nNumPort=2\nPreamb=3\n[Ports]\nCOM3=/dev/ttyUSB7\n");
  f.close();
  auto o = Parse({"connect", "--settings", dir.filePath("z.ini"), "--address", "17", "--rts"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->command, Command::Connect);
  EXPECT_EQ(o->portPath, "/dev/ttyUSB7");
  EXPECT_EQ(o->settings.BaudRate, 9);
  EXPECT_EQ(o->settings.Preamb, 3);
  EXPECT_EQ(o->settings.Adress, 17);
  EXPECT_EQ(o->settings.Upr_Sign, 1);
  EXPECT_EQ(o->settings.AOSkor, 0);  // the search runs only when asked for
  o = Parse({"probe", "--port", "COM8", "--baud", "115200", "--auto-baud"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->portPath, "/dev/ttyS7");
  EXPECT_EQ(o->settings.BaudRate, 15);
  EXPECT_EQ(o->settings.AOSkor, 1);
  o = Parse({"raw", "--command", "12", "--long", "--data", "05 00"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->rawLength, 8);
  EXPECT_EQ(o->rawData, QByteArray::fromHex("0500"));
}

}  // namespace
}  // namespace zel::cli
