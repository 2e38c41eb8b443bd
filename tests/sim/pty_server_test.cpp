// The simulator on a pseudo-terminal, as any serial program sees it: a plain termios file
// descriptor on the link. Waits are poll() calls whose generous timeouts only bound a failure.

#include "sim/pty_server.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <thread>

#include "sim/device_protocol.h"
#include "sim_frames.h"
#include "support/hex.h"

namespace zel::sim {
namespace {

constexpr int kBoundMs = 5000;

// A serial program's side: opens the path raw at a speed, writes, reads what comes back.
class Terminal {
 public:
  explicit Terminal(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY)) {}
  ~Terminal() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return fd_ >= 0; }
  void SetSpeed(speed_t speed) {
    termios t{};
    ::tcgetattr(fd_, &t);
    ::cfmakeraw(&t);
    ::cfsetspeed(&t, speed);
    ::tcsetattr(fd_, TCSANOW, &t);
  }
  void Send(const std::vector<uint8_t>& bytes) {
    ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  }
  std::vector<uint8_t> Receive(size_t count) {
    std::vector<uint8_t> got;
    while (got.size() < count) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, kBoundMs) <= 0) break;
      uint8_t buf[64];
      const ssize_t n = ::read(fd_, buf, std::min(sizeof buf, count - got.size()));
      if (n <= 0) break;
      got.insert(got.end(), buf, buf + n);
    }
    return got;
  }

 private:
  int fd_;
};

std::vector<uint8_t> ProbeWithPreambles() {
  std::vector<uint8_t> bytes(10, 0xFF);
  const std::vector<uint8_t> probe = test::Short(kProbeLink);
  bytes.insert(bytes.end(), probe.begin(), probe.end());
  return bytes;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

class PtyServerTest : public testing::Test {
 protected:
  PtyServerTest() : device_(*FindProfile("demo")), endpoint_(device_, faults_), server_(endpoint_, 9600) {}
  void Start() {
    std::string error;
    ASSERT_TRUE(server_.Open(link_, &error)) << error;
    serving_ = std::thread([this] { result_ = server_.Run(&runError_); });
  }
  ~PtyServerTest() override {
    server_.Stop();
    if (serving_.joinable()) serving_.join();
  }

  QTemporaryDir dir_;
  std::string link_ = dir_.filePath(QStringLiteral("flow-computer")).toStdString();
  FlowComputer device_;
  FaultPlan faults_;
  DeviceEndpoint endpoint_;
  PtyServer server_;
  std::thread serving_;
  int result_ = -1;
  std::string runError_;
};

TEST_F(PtyServerTest, AnswersAProbeOnlyAtItsOwnSpeed) {
  Start();
  Terminal program(link_);
  ASSERT_TRUE(program.ok());
  program.SetSpeed(B1200);
  program.Send(ProbeWithPreambles());
  ASSERT_TRUE(server_.WaitFor([](const EndpointStats& s) { return s.ignoredLine >= 16; }, kBoundMs));
  program.SetSpeed(B9600);
  program.Send(ProbeWithPreambles());
  // The first bytes to come back are the answer to the second probe.
  EXPECT_EQ(zel::test::ToHex(program.Receive(7)), "55 01 07 82 2A 79 4E");
  server_.Stop();
  serving_.join();
  EXPECT_EQ(result_, 0) << runError_;
  EXPECT_EQ(endpoint_.stats().requests, 1u);
  server_.Close();
  EXPECT_FALSE(Exists(link_));
}

TEST_F(PtyServerTest, ALongAnswerArrivesWholeAndAReadCanFollowAnother) {
  Start();
  Terminal program(link_);
  program.SetSpeed(B9600);
  std::vector<uint8_t> request = test::Short(kReadConfigurationPart2);
  program.Send(request);
  const std::vector<uint8_t> answer = program.Receive(232);
  ASSERT_EQ(answer.size(), 232u);
  EXPECT_EQ(answer[3], 0x89);
  program.Send(test::Short(kReadIdentification));
  EXPECT_EQ(program.Receive(60).size(), 60u);
}

TEST_F(PtyServerTest, AnythingButALinkAtThePathIsLeftAlone) {
  const int fd = ::open(link_.c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  ::close(fd);
  std::string error;
  EXPECT_FALSE(server_.Open(link_, &error));
  EXPECT_NE(error.find("not a symbolic link"), std::string::npos) << error;
  EXPECT_TRUE(Exists(link_));
}

TEST(ZelmarkSimTest, HelpTellsHowToStartAndListTheProfiles) {
  QProcess sim;
  sim.start(QStringLiteral(ZELMARK_BIN_DIR "/zelmark-sim"), {QStringLiteral("--help")});
  ASSERT_TRUE(sim.waitForFinished(kBoundMs));
  const QString help = QString::fromUtf8(sim.readAllStandardOutput());
  EXPECT_TRUE(help.contains(QStringLiteral("zelmark-sim --link /tmp/flow-computer")));
  EXPECT_TRUE(help.contains(QStringLiteral("--list-profiles")));
  sim.start(QStringLiteral(ZELMARK_BIN_DIR "/zelmark-sim"), {QStringLiteral("--list-profiles")});
  ASSERT_TRUE(sim.waitForFinished(kBoundMs));
  EXPECT_TRUE(sim.readAllStandardOutput().startsWith("demo "));
}

TEST(ZelmarkSimTest, AProfileFileWithAMistakeIsRejectedAtStart) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("bad.ini"));
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("base = demo\n\nmode-switch-seconds = soon\n");
  f.close();
  QProcess sim;
  sim.start(QStringLiteral(ZELMARK_BIN_DIR "/zelmark-sim"),
            {QStringLiteral("--profile-file"), file, QStringLiteral("--link"),
             dir.filePath(QStringLiteral("fc"))});
  ASSERT_TRUE(sim.waitForFinished(kBoundMs));
  EXPECT_EQ(sim.exitCode(), 1);
  EXPECT_EQ(QString::fromUtf8(sim.readAllStandardError()).trimmed(),
            QStringLiteral("zelmark-sim: %1:3: field 'mode-switch-seconds': 'soon' is not a whole number").arg(file));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("fc"))));
}

TEST(ZelmarkSimTest, TheProgramServesAProbeAndRemovesItsLinkWhenTerminated) {
  QTemporaryDir dir;
  const std::string link = dir.filePath(QStringLiteral("fc")).toStdString();
  const QString log = dir.filePath(QStringLiteral("traffic.log"));
  QProcess sim;
  sim.start(QStringLiteral(ZELMARK_BIN_DIR "/zelmark-sim"),
            {QStringLiteral("--profile"), QStringLiteral("k7-v9"), QStringLiteral("--link"),
             QString::fromStdString(link), QStringLiteral("--log"), log});
  // The start line on standard error comes once the link is in place.
  sim.setReadChannel(QProcess::StandardError);
  ASSERT_TRUE(sim.waitForReadyRead(kBoundMs));
  EXPECT_TRUE(sim.readAllStandardError().contains("2400 bit/s"));
  {
    Terminal program(link);
    ASSERT_TRUE(program.ok());
    program.SetSpeed(B2400);
    program.Send(ProbeWithPreambles());
    EXPECT_EQ(zel::test::ToHex(program.Receive(7)), "55 01 07 82 2A 79 4E");
  }
  sim.terminate();
  ASSERT_TRUE(sim.waitForFinished(kBoundMs));
  EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(sim.exitCode(), 0);
  EXPECT_FALSE(Exists(link));
  QFile traffic(log);
  ASSERT_TRUE(traffic.open(QIODevice::ReadOnly));
  const QByteArray text = traffic.readAll();
  EXPECT_TRUE(text.contains("RX AA 01 06 02 F2 5D  ProbeLink")) << text.constData();
  EXPECT_TRUE(text.contains("TX 55 01 07 82 2A 79 4E  ProbeLink")) << text.constData();
}

}  // namespace
}  // namespace zel::sim
