#include "device/run_state.h"

#include <gtest/gtest.h>

#include "device/device_numbers.h"
#include "device/identification.h"
#include "sim/device_profile.h"
#include "sim/sim_peer.h"
#include "support/device_fixture.h"

namespace zel {
namespace {

// Reading and writing run records on simulated computers of each record form.
class RunRecords : public testing::Test {
 protected:
  void Use(const char* name) {
    const auto profile = sim::FindProfile(name);
    ASSERT_TRUE(profile) << name;
    peer_ = std::make_unique<sim::SimPeer>(*profile);
    f_ = std::make_unique<test::DeviceFixture>(peer_.get());
    f_->state.settings.BaudRate = IndexOfSpeed(profile->baud);
    f_->line.Apply({profile->baud, Parity::None});
    f_->state.writePassword = PasswordBytes(QString::fromStdString(profile->writePassword));
    ASSERT_EQ(IdentifyDevice(f_->session), 0);
    ASSERT_EQ(ReadRunStates(f_->session), 0);
  }
  DeviceSnapshot& snap() { return f_->snapshot; }
  size_t LastWriteLength() const {
    const auto& wire = f_->line.writes().back().bytes;
    return wire.size() - size_t(f_->state.settings.Preamb);
  }

  std::unique_ptr<sim::SimPeer> peer_;
  std::unique_ptr<test::DeviceFixture> f_;
};

struct FormCase {
  const char* profile;
  size_t requestLength;
  int recordSize;
};

class RecordForms : public RunRecords, public testing::WithParamInterface<FormCase> {};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.profile; }

TEST_P(RecordForms, WrittenConstantsComeBack) {
  const FormCase& c = GetParam();
  Use(c.profile);
  if (snap().extendedWrites()) f_->person.EnterPassword("5678");  // the static password
  EXPECT_EQ(snap().runRecordSize(), c.recordSize);
  WriteFloat(snap().runRecord[1].data() + run_record::kPressureConstant, 31.5f);
  WriteFloat(snap().runRecord[1].data() + run_record::kTemperatureConstant, -7.25f);
  snap().runRecord[1][run_record::kSubstitution] &= ~0x01;  // pressure from its constant
  ASSERT_EQ(StoreRunRecord(f_->session, 1), 0) << f_->person.messages().join("; ").toStdString();
  EXPECT_EQ(LastWriteLength(), c.requestLength);

  snap().runRecord[1] = {};
  ASSERT_EQ(LoadRunRecord(f_->session, 1, false), 0);
  EXPECT_EQ(ReadFloat(snap().runRecord[1].data() + run_record::kPressureConstant), 31.5f);
  EXPECT_EQ(ReadFloat(snap().runRecord[1].data() + run_record::kTemperatureConstant), -7.25f);
  EXPECT_EQ(snap().runRecord[1][run_record::kSubstitution] & 0x01, 0);
  EXPECT_TRUE(f_->person.done());
}

INSTANTIATE_TEST_SUITE_P(Forms, RecordForms,
                         testing::Values(FormCase{"k3-v8", 38, 15},  // short record
                                         FormCase{"demo", 42, 19},
                                         FormCase{"k9-v30-ext", 59, 19}),  // static password
                         [](const auto& info) {
                           return QString(info.param.profile).remove('-').toStdString();
                         });

TEST_F(RunRecords, StaticPasswordIsAskedOncePerConnection) {
  Use("k9-v30-ext");
  f_->person.EnterPassword("5678");
  ASSERT_EQ(StoreRunRecord(f_->session, 1), 0);
  ASSERT_EQ(StoreRunRecord(f_->session, 1), 0);
  EXPECT_EQ(f_->person.kinds(), QStringList({"password"}));
}

TEST_F(RunRecords, CancelledStaticPasswordWritesWithTheOldOneAndAsksAgain) {
  Use("k9-v30-ext");
  // Blank static password: the computer refuses; the person declines to repeat.
  f_->person.EnterPassword(std::nullopt).Answer(false);
  EXPECT_EQ(StoreRunRecord(f_->session, 1), 1);
  EXPECT_EQ(f_->person.kinds(), QStringList({"password", "system", "yesno"}));
  EXPECT_EQ(snap().staticPassword, BlankPassword());
  f_->person.EnterPassword("5678");
  EXPECT_EQ(StoreRunRecord(f_->session, 1), 0);
}

TEST_F(RunRecords, WrongWritePasswordIsRefusedAndRepeatedOnRequest) {
  Use("demo");
  f_->state.writePassword = PasswordBytes("0000");
  f_->person.Answer(true).Answer(false);  // repeat once, then give up
  EXPECT_EQ(StoreRunRecord(f_->session, 1), 1);
  EXPECT_EQ(f_->person.kinds(), QStringList({"system", "yesno", "system", "yesno"}));
  ASSERT_TRUE(snap().lastRefusal);
  EXPECT_EQ(f_->person.shown()[0].title, f_->state.language.Text(2325_t));
  EXPECT_EQ(f_->person.shown()[1].texts.value(0), f_->state.language.Text(2191_t));
}

TEST_F(RunRecords, ActivityTextsFrameEachExchange) {
  Use("demo");
  const auto& a = f_->activity;
  EXPECT_TRUE(a.activity.contains(f_->state.language.Format(2724_t, {2})));
  EXPECT_TRUE(a.activity.contains(f_->state.language.Text(2723_t)));
  EXPECT_TRUE(a.status.contains(f_->state.language.Text(2615_t)));
  EXPECT_EQ(a.status.last(), "");
  EXPECT_EQ(a.activity.last(), "");
}

}  // namespace
}  // namespace zel
