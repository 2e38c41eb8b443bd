// zelmark-cli against zelmark-sim on a pseudo-terminal: both programs as a user runs them.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The timeouts only bound a failing run.
constexpr int kStartMs = 10000;
constexpr int kRunMs = 60000;

class CliAgainstSimulator : public testing::Test {
 protected:
  void Start(QStringList simArgs) {
    link_ = dir_.filePath("fc");
    sim_.setProgram(ZELMARK_BIN_DIR "/zelmark-sim");
    sim_.setArguments(QStringList{"--link", link_, "--log", dir_.filePath("sim.log")} + simArgs);
    sim_.setReadChannel(QProcess::StandardError);
    sim_.start();
    ASSERT_TRUE(sim_.waitForStarted(kStartMs));
    // The simulator says on standard error where it serves once the link exists.
    QByteArray said;
    while (!said.contains("->") && sim_.waitForReadyRead(kStartMs)) said += sim_.readAllStandardError();
    ASSERT_TRUE(said.contains("->")) << said.toStdString();
  }
  void TearDown() override {
    sim_.terminate();
    sim_.waitForFinished(kStartMs);
  }
  // Runs zelmark-cli and returns its JSON and exit status.
  std::pair<QJsonObject, int> Cli(QStringList args) {
    QProcess cli;
    cli.start(ZELMARK_BIN_DIR "/zelmark-cli", args + QStringList{"--port", link_});
    EXPECT_TRUE(cli.waitForFinished(kRunMs));
    const auto json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    return {json, cli.exitCode()};
  }
  QTemporaryDir dir_;
  QString link_;
  QProcess sim_;
};

TEST_F(CliAgainstSimulator, ConnectFindsTheSpeedAndReadsTheComputer) {
  Start({});
  const auto [json, status] = Cli({"connect", "--auto-baud", "--password", "1234"});
  ASSERT_EQ(status, 0) << QJsonDocument(json).toJson().toStdString();
  EXPECT_EQ(json["baudRate"].toInt(), 9600);
  EXPECT_EQ(json["deviceKind"].toInt(), 7);
  EXPECT_EQ(json["softwareVersion"].toInt(), 19);
  EXPECT_EQ(json["kindGroupFlag"].toInt(), 1);
  EXPECT_EQ(json["runCount"].toInt(), 2);
  EXPECT_EQ(json["tag"].toString(), QString::fromUtf8("ГРС Демо"));
  const QJsonArray runs = json["runs"].toArray();
  ASSERT_EQ(runs.size(), 2);
  EXPECT_EQ(runs[0].toObject()["runScheme"].toArray(), (QJsonArray{3, 3}));
  EXPECT_EQ(runs[1].toObject()["runScheme"].toArray(), (QJsonArray{5, 3}));
  EXPECT_EQ(runs[0].toObject()["record"].toString().size(), 38);
}

TEST_F(CliAgainstSimulator, ProbeAndRaw) {
  Start({"--speed", "19200"});
  auto [probe, status] = Cli({"probe", "--baud", "19200"});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(probe["status"].toString(), "LinkOk");
  EXPECT_EQ(probe["tried"].toArray(), (QJsonArray{19200}));
  auto [raw, rawStatus] = Cli({"raw", "--baud", "19200", "--command", "2"});
  EXPECT_EQ(rawStatus, 0);
  EXPECT_TRUE(raw["response"].toString().startsWith("550106ff") ||
              raw["response"].toString().startsWith("550107")) << raw["response"].toString().toStdString();
}

TEST_F(CliAgainstSimulator, FailuresHaveTheirExitStatus) {
  Start({"--profile", "k18-v19"});
  auto [notServed, s1] = Cli({"connect", "--baud", "9600"});
  EXPECT_EQ(s1, 4);
  EXPECT_EQ(notServed["error"].toString(), "notServed");
  EXPECT_EQ(notServed["deviceKind"].toInt(), 18);
  auto [silent, s2] = Cli({"probe", "--baud", "1200", "--first-byte-timeout", "1"});
  EXPECT_EQ(s2, 2);
  EXPECT_EQ(silent["status"].toString(), "LinkNoAnswer");
  EXPECT_EQ(silent["linkStatus"].toInt(), 2);
}

}  // namespace
