#include "link/connection.h"

#include <gtest/gtest.h>

#include "device/passwords.h"
#include "sim/device_profile.h"
#include "sim/sim_peer.h"
#include "support/device_fixture.h"

namespace zel {
namespace {

using test::RecordedActivity;
using test::ScriptedPerson;

// The connection flow against the simulated computer on the in-process line.
class Connection : public testing::Test {
 protected:
  void Use(const char* profileName) {
    auto profile = sim::FindProfile(profileName);
    ASSERT_TRUE(profile) << profileName;
    peer_ = std::make_unique<sim::SimPeer>(*profile);
    line_ = std::make_unique<PipeLine>(clock_, peer_.get());
  }
  void SetUp() override {
    state_.language.LoadFile(QStringLiteral(ZELMARK_BIN_DIR "/Lang01.qm"));
    Use(sim::kDemoProfile);
  }
  ConnectOutcome Connect() {
    link_ = std::make_unique<LinkContext>(LinkContext{*line_, clock_, state_.settings});
    ConnectionContext ctx{state_, *line_, *link_, person_, activity_, [this] {
                            auto line = std::make_unique<PipeLine>(clock_, nullptr);
                            line->SetMissing(missingPorts_);
                            return line;
                          }};
    return ConnectDirect(ctx);
  }
  std::vector<uint32_t> Speeds(std::initializer_list<uint32_t> s) { return s; }
  QString Text(int id) const { return state_.language.Text(TextId{id}); }

  SharedState state_;
  VirtualClock clock_;
  std::unique_ptr<sim::SimPeer> peer_;
  std::unique_ptr<PipeLine> line_;
  std::unique_ptr<LinkContext> link_;
  ScriptedPerson person_;
  RecordedActivity activity_;
  bool missingPorts_ = false;
};

TEST_F(Connection, DemoComputerWithTheSpeedSearch) {
  person_.EnterAddress(1).EnterPassword("1234");
  const ConnectOutcome out = Connect();
  ASSERT_EQ(out.result, ConnectResult::Connected) << person_.messages().join("; ").toStdString();
  // Configured 1200 bit/s, the computer answers at 9600: the search order of the speed table.
  EXPECT_EQ(out.triedSpeeds, Speeds({1200, 115200, 57600, 38400, 28800, 19200, 14400, 9600}));
  EXPECT_EQ(state_.settings.BaudRate, 9);
  EXPECT_EQ(state_.settings.WeitTime1, 2);  // restored after the search
  EXPECT_EQ(state_.settings.Kol_povt, 1);
  EXPECT_TRUE(state_.deviceViewOpen);
  EXPECT_EQ(state_.settings.TypSvyaz, 0);
  EXPECT_TRUE(line_->IsOpen());
  const DeviceSnapshot& s = *out.snapshot;
  EXPECT_EQ(s.id.deviceKind, 7);
  EXPECT_EQ(s.id.softwareVersion, 19);
  EXPECT_EQ(s.deviceTag, QString::fromUtf8("ГРС Демо"));
  EXPECT_EQ(s.runCount(), 2);
  EXPECT_EQ(s.runScheme[1][0], 3);  // P, T and dP
  EXPECT_EQ(s.runScheme[2][0], 5);  // two dP ranges
  EXPECT_EQ(state_.writePassword[0], '1');
  EXPECT_EQ(person_.kinds(), QStringList({"address", "password"}));
  EXPECT_EQ(activity_.port.last(), "");  // cleared once connected
}

TEST_F(Connection, ServedProfilesConnect) {
  for (const char* name : {"k3-v8", "k7-v10", "k9-v25", "k16-v19-3runs", "oldest", "k14-v15"}) {
    SCOPED_TRACE(name);
    Use(name);
    state_.settings = Settings{};
    person_.EnterAddress(1).EnterPassword("");
    const ConnectOutcome out = Connect();
    ASSERT_EQ(out.result, ConnectResult::Connected) << person_.messages().join("; ").toStdString();
    EXPECT_EQ(out.snapshot->runCount(), int(sim::FindProfile(name)->runs.size()));
  }
}

TEST_F(Connection, WithoutSpeedSearchOneProbeAtTheConfiguredSpeed) {
  state_.settings.AOSkor = 0;
  state_.settings.BaudRate = 9;
  person_.EnterAddress(1).EnterPassword("");
  const ConnectOutcome out = Connect();
  EXPECT_EQ(out.result, ConnectResult::Connected);
  EXPECT_EQ(out.triedSpeeds, Speeds({9600}));
  EXPECT_TRUE(activity_.activity.contains(Text(2728)));
}

TEST_F(Connection, NoAnswerAtAnySpeedMakesSeventeenProbes) {
  peer_->faults().Add({sim::FaultKind::Silence});
  person_.EnterAddress(1);
  const ConnectOutcome out = Connect();
  EXPECT_EQ(out.result, ConnectResult::ProbeFailed);
  ASSERT_EQ(out.triedSpeeds.size(), 17u);
  EXPECT_EQ(out.triedSpeeds.front(), 1200u);
  EXPECT_EQ(out.triedSpeeds.back(), 1200u);
  EXPECT_EQ(person_.messages(), QStringList({Text(2835)}));
  EXPECT_EQ(state_.settings.BaudRate, 2);
  EXPECT_EQ(state_.settings.WeitTime1, 2);
  EXPECT_FALSE(line_->IsOpen());
  EXPECT_FALSE(state_.deviceViewOpen);
}

TEST_F(Connection, SearchFromTheTopSpeedGoesOnAtTheNextOne) {
  peer_->faults().Add({sim::FaultKind::Silence});
  state_.settings.BaudRate = 15;
  person_.EnterAddress(1);
  const ConnectOutcome out = Connect();
  ASSERT_GE(out.triedSpeeds.size(), 2u);
  EXPECT_EQ(out.triedSpeeds[0], 115200u);
  EXPECT_EQ(out.triedSpeeds[1], 57600u);
  EXPECT_EQ(out.triedSpeeds.size(), 17u);
}

TEST_F(Connection, ProbeFailureWithoutSearchShowsTheStatus) {
  state_.settings.AOSkor = 0;  // at 1200 bit/s the demo computer stays silent
  person_.EnterAddress(1);
  EXPECT_EQ(Connect().result, ConnectResult::ProbeFailed);
  EXPECT_EQ(person_.messages(), QStringList({Text(2835)}));
  EXPECT_FALSE(line_->IsOpen());
}

TEST_F(Connection, CancelledAddressDialogOpensNothing) {
  person_.EnterAddress(std::nullopt);
  EXPECT_EQ(Connect().result, ConnectResult::Cancelled);
  EXPECT_FALSE(line_->IsOpen());
  EXPECT_TRUE(line_->writes().empty());
  EXPECT_EQ(activity_.port.last(), "");
}

TEST_F(Connection, PortThatCannotBeOpened) {
  line_->SetMissing(true);
  state_.settings.NumPort = 7;
  person_.EnterAddress(1);
  EXPECT_EQ(Connect().result, ConnectResult::PortFailed);
  EXPECT_EQ(person_.messages(), QStringList({state_.language.Format(2855_t, {8})}));
}

TEST_F(Connection, AddressFromTheDialogIsUsed) {
  person_.EnterAddress(5);
  EXPECT_EQ(Connect().result, ConnectResult::ProbeFailed);  // the computer answers at 1 only
  EXPECT_EQ(state_.settings.Adress, 5);
  EXPECT_EQ(line_->writes().front().bytes[11], 5);
}

TEST_F(Connection, IdentificationFailureAndNoRepeat) {
  peer_->faults().Add({sim::FaultKind::Silence, 1.0, 0x0C, 0xAA});
  person_.EnterAddress(1).Answer(true).Answer(false);
  EXPECT_EQ(Connect().result, ConnectResult::GaveUp);
  EXPECT_EQ(person_.kinds(), QStringList({"address", "yesno", "yesno"}));
  EXPECT_FALSE(line_->IsOpen());
}

TEST_F(Connection, TagFailureAndNoRepeat) {
  peer_->faults().Add({sim::FaultKind::Silence, 1.0, 0x01});
  person_.EnterAddress(1).EnterPassword("").Answer(false);
  EXPECT_EQ(Connect().result, ConnectResult::GaveUp);
  EXPECT_FALSE(line_->IsOpen());
}

TEST_F(Connection, CancelledPasswordEndsTheAttempt) {
  person_.EnterAddress(1).EnterPassword(std::nullopt);
  EXPECT_EQ(Connect().result, ConnectResult::GaveUp);
  EXPECT_FALSE(line_->IsOpen());
}

TEST_F(Connection, RefusedRunRecordEndsTheAttempt) {
  peer_->faults().Add({sim::FaultKind::Refuse, 1.0, 0x08, 0xBB, -1, 40, 0, 0});
  person_.EnterAddress(1).EnterPassword("");
  const ConnectOutcome out = Connect();
  EXPECT_EQ(out.result, ConnectResult::GaveUp);
  ASSERT_TRUE(out.snapshot && out.snapshot->lastRefusal);
  EXPECT_EQ(out.snapshot->lastRefusal->code, 40);
  EXPECT_EQ(person_.kinds().last(), "system");
}

TEST_F(Connection, ComputersThisProgramDoesNotServe) {
  const std::pair<const char*, int> cases[] = {{"k18-v19", 2867}, {"k20-v35", 2867}, {"k16-v20", 2654}};
  for (auto [name, line2] : cases) {
    SCOPED_TRACE(name);
    Use(name);
    person_ = ScriptedPerson();
    state_.settings = Settings{};
    person_.EnterAddress(1);
    EXPECT_EQ(Connect().result, ConnectResult::NotServed);
    ASSERT_EQ(person_.kinds().last(), "notice");
    EXPECT_EQ(person_.shown().back().texts.value(0), Text(2864));
    EXPECT_TRUE(person_.shown().back().texts.value(1).startsWith(Text(line2)));
    EXPECT_FALSE(line_->IsOpen());
  }
}

// Puts run 1 of the simulated computer into service mode, as another tool may have left it.
void EnterServiceMode(PipeLine& line, VirtualClock& clock, Settings settings) {
  settings.BaudRate = 9;
  line.Open("sim");
  line.Apply({9600, Parity::None});
  LinkContext link{line, clock, settings};
  ExchangeBuffer b;
  b.Q(0) = 1;  // run
  b.Q(1) = 0;  // channel class
  const Password password = PasswordBytes("1234");
  std::copy(password.begin(), password.end(), &b.Q(2));
  b.Q(18) = 1;
  ASSERT_EQ(ExchangeFrame(link, b, {true, 29, 0x10, 1, false, 0, 1}), LinkStatus::LinkOk);
  ASSERT_EQ(b.responseEcho(), 0x90);
  clock.AdvanceNs(10'000'000'000);  // the computer changes the mode after a few seconds
  line.Close();
}

TEST_F(Connection, RunFoundInServiceModeIsReleasedWhenTheUserAgrees) {
  EnterServiceMode(*line_, clock_, state_.settings);
  person_.EnterAddress(1).EnterPassword("1234").Answer(true);
  const ConnectOutcome out = Connect();
  ASSERT_EQ(out.result, ConnectResult::Connected) << person_.messages().join("; ").toStdString();
  EXPECT_EQ(person_.kinds(), QStringList({"address", "password", "yesno3"}));
  EXPECT_EQ(person_.shown()[2].texts, QStringList({Text(2326), Text(2327), ""}));
  EXPECT_EQ(out.snapshot->runMode(1), 3);  // as read; the computer leaves service mode later
  clock_.AdvanceNs(10'000'000'000);
  EXPECT_EQ(peer_->device().RunMode(1, clock_.NowNs()), 0);
}

TEST_F(Connection, RunFoundInServiceModeStaysWhenTheUserDeclines) {
  EnterServiceMode(*line_, clock_, state_.settings);
  person_.EnterAddress(1).EnterPassword("1234").Answer(false);
  ASSERT_EQ(Connect().result, ConnectResult::Connected);
  clock_.AdvanceNs(10'000'000'000);
  EXPECT_EQ(peer_->device().RunMode(1, clock_.NowNs()), 3);
}

TEST_F(Connection, WrongPasswordRefusalWhileReleasingAndNoRepeat) {
  EnterServiceMode(*line_, clock_, state_.settings);
  person_.EnterAddress(1).EnterPassword("0000").Answer(true).Answer(false);
  const ConnectOutcome out = Connect();
  EXPECT_EQ(out.result, ConnectResult::GaveUp);
  EXPECT_EQ(person_.kinds(), QStringList({"address", "password", "yesno3", "system", "yesno"}));
  ASSERT_TRUE(out.snapshot->lastRefusal);
}

TEST_F(Connection, LinkParametersFromTheAddressDialog) {
  person_.EnterAddress(std::nullopt, true).EditLinkParametersWith([](LinkParameters& p) {
    EXPECT_TRUE(p.portPresent[0]);
    p.baudRate = 9;
    p.aoSkor = false;
    return true;
  });
  Connect();
  EXPECT_EQ(state_.settings.BaudRate, 9);
  EXPECT_EQ(state_.settings.AOSkor, 0);
  EXPECT_EQ(person_.kinds(), QStringList({"address", "progress", "linkparameters"}));
}

TEST_F(Connection, NoPortAtAllSkipsTheLinkParametersDialog) {
  missingPorts_ = true;
  person_.EnterAddress(std::nullopt, true);
  Connect();
  EXPECT_EQ(person_.kinds(), QStringList({"address", "progress", "message"}));
  EXPECT_EQ(person_.messages(), QStringList({Text(2856)}));
}

TEST(EditPreambles, StoresTheChosenCount) {
  SharedState state;
  ScriptedPerson person;
  person.EnterPreambles(0).EnterPreambles(std::nullopt);
  EditPreambles(state, person);
  EXPECT_EQ(state.settings.Preamb, 0);
  state.settings.Preamb = 7;
  EditPreambles(state, person);
  EXPECT_EQ(state.settings.Preamb, 7);
}

}  // namespace
}  // namespace zel
