#include "link/exchange.h"

#include <gtest/gtest.h>

#include <deque>

#include "link/crc16.h"
#include "link/pipe_line.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "support/hex.h"
#include "support/scripted_person.h"

namespace zel {
namespace {

using test::Hex;
using test::ToHex;

// A device stand-in that answers each request with the next scripted reply (empty = silence),
// a few milliseconds after the request has arrived. The last reply repeats.
class ScriptedDevice : public LinePeer {
 public:
  void Receive(PipeLine& line, const uint8_t*, size_t, int64_t endNs) override {
    if (replies_.empty()) return;
    const auto reply = replies_.front();
    if (replies_.size() > 1) replies_.pop_front();
    line.Deliver(reply, endNs + 3'000'000);
  }
  std::deque<std::vector<uint8_t>> replies_;
};

class ExchangeTest : public testing::Test {
 protected:
  ExchangeTest() : line_(clock_, &device_), link_{line_, clock_, settings_} {
    line_.Open("/dev/ttyS1");
    line_.Apply({1200, Parity::None});
  }
  void Reply(const char* hex) { device_.replies_.push_back(Hex(hex)); }
  void Silence() { device_.replies_.push_back({}); }
  // The connection probe of the worked example: short frame, command 2, data byte 1.
  LinkStatus Probe(uint8_t probeMode = kProbeMode) {
    return ExchangeFrame(link_, buffer_, {false, 6, 2, probeMode, true, 1, 1});
  }
  LinkStatus Short(uint8_t command = 2) {
    return ExchangeFrame(link_, buffer_, {false, 6, command, 1, true, 1, 1});
  }
  LinkStatus Long(uint8_t command, std::vector<uint8_t> data) {
    for (size_t i = 0; i < data.size(); ++i) buffer_.Q(int(i)) = data[i];
    return ExchangeFrame(link_, buffer_,
                         {true, uint8_t(6 + data.size()), command, 1, false, 0, 1});
  }
  size_t Attempts() const { return line_.writes().size(); }
  std::vector<uint8_t> Response() const {
    return {buffer_.response(), buffer_.response() + buffer_.responseLength()};
  }

  VirtualClock clock_;
  ScriptedDevice device_;
  PipeLine line_;
  Settings settings_;
  LinkContext link_;
  ExchangeBuffer buffer_;
};

TEST_F(ExchangeTest, WorkedExampleProbeAndAnswer) {
  Reply("55 01 07 82 2A 79 4E");
  ASSERT_EQ(Probe(), LinkStatus::LinkOk);
  // Ten preambles, then the frame; the data byte of a 6-byte frame never reaches the wire.
  EXPECT_EQ(ToHex(line_.writes().at(0).bytes),
            "FF FF FF FF FF FF FF FF FF FF AA 01 06 02 F2 5D");
  EXPECT_EQ(ToHex(Response()), "55 01 07 82 2A 79 4E");
  EXPECT_EQ(buffer_.R(0), 0x2A);
  EXPECT_TRUE(line_.dtr());
}

TEST_F(ExchangeTest, WorkedExampleLongRequest) {
  settings_.Preamb = 0;
  Reply("55 01 06 8C 00 00");  // whatever comes back; only the request matters here
  Long(12, {0x05, 0x00});
  EXPECT_EQ(ToHex(line_.writes().at(0).bytes), "BB 01 08 0C 05 00 E7 A3");
}

TEST_F(ExchangeTest, DataByteLandsAtOffsetFourOfALongerFrame) {
  settings_.Preamb = 0;
  Silence();
  settings_.Kol_povt = 1;
  ExchangeFrame(link_, buffer_, {false, 7, 9, 1, true, 0x42, 1});
  const auto& wire = line_.writes().at(0).bytes;
  ASSERT_EQ(wire.size(), 7u);
  EXPECT_EQ(wire[4], 0x42);
}

TEST_F(ExchangeTest, NoPreamblesWithACountOfZero) {
  settings_.Preamb = 0;
  Reply("55 01 07 82 2A 79 4E");
  ASSERT_EQ(Probe(), LinkStatus::LinkOk);
  EXPECT_EQ(ToHex(line_.writes().at(0).bytes), "AA 01 06 02 F2 5D");
}

// Each row: the reply the device gives to every attempt, the call, the status and the number
// of attempts made with Kol_povt = 3.
struct StatusCase {
  const char* name;
  const char* reply;  // "" = silence
  enum Call { kShort, kProbe, kLong } call;
  LinkStatus status;
  size_t attempts;
};

// Test listings name a case by its name alone.
void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

class ExchangeStatus : public ExchangeTest, public testing::WithParamInterface<StatusCase> {};

TEST_P(ExchangeStatus, StatusAndRetries) {
  const StatusCase& c = GetParam();
  settings_.Kol_povt = 3;
  device_.replies_.push_back(Hex(c.reply));
  LinkStatus status = c.call == StatusCase::kProbe  ? Probe()
                      : c.call == StatusCase::kLong ? Long(2, {})
                                                    : Short();
  EXPECT_EQ(status, c.status);
  EXPECT_EQ(Attempts(), c.attempts);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ExchangeStatus,
    testing::Values(
        StatusCase{"Answer", "55 01 07 82 2A 79 4E", StatusCase::kShort, LinkStatus::LinkOk, 1},
        StatusCase{"AnswerStart66", "66 01 07 82 2A 7D 4A", StatusCase::kShort,
                   LinkStatus::LinkOk, 1},
        StatusCase{"Silence", "", StatusCase::kShort, LinkStatus::LinkNoAnswer, 3},
        StatusCase{"OnlyStartByte", "55", StatusCase::kShort, LinkStatus::LinkShortAnswer, 3},
        StatusCase{"Truncated", "55 01 07 82 2A", StatusCase::kShort,
                   LinkStatus::LinkShortAnswer, 3},
        StatusCase{"LengthBelowThree", "55 01 02 82 2A 79 4E", StatusCase::kShort,
                   LinkStatus::LinkShortAnswer, 3},
        StatusCase{"ForeignAddress", "55 02 07 82 2A 79 4E", StatusCase::kShort,
                   LinkStatus::LinkWrongAnswer, 3},
        StatusCase{"BadCrc", "55 01 07 82 2A 79 4F", StatusCase::kShort,
                   LinkStatus::LinkCrcError, 3},
        StatusCase{"EchoFFOutsideProbe", "55 01 06 FF 03 C8", StatusCase::kShort,
                   LinkStatus::LinkWrongAnswer, 3},
        StatusCase{"EchoFFOnProbe", "55 01 06 FF 03 C8", StatusCase::kProbe, LinkStatus::LinkOk,
                   1},
        StatusCase{"OtherCommandEcho", "55 01 06 83 02 29", StatusCase::kShort,
                   LinkStatus::LinkWrongAnswer, 3},
        StatusCase{"UnchangedEchoOnShort", "55 01 06 02 C2 49", StatusCase::kShort,
                   LinkStatus::LinkWrongAnswer, 3},
        StatusCase{"UnchangedEchoOnLong", "55 01 06 02 C2 49", StatusCase::kLong,
                   LinkStatus::LinkOk, 1},
        StatusCase{"BitSevenEchoOnLong", "55 01 07 82 2A 79 4E", StatusCase::kLong,
                   LinkStatus::LinkOk, 1},
        StatusCase{"GarbageBeforeStart", "FF FF 00 AA 13 55 01 07 82 2A 79 4E",
                   StatusCase::kShort, LinkStatus::LinkOk, 1}),
    [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST_F(ExchangeTest, FixturesOfTheStatusTableAreWellFormed) {
  // The replies above that should fail only on the point they test carry valid checksums.
  for (const char* hex : {"55 01 06 FF 03 C8", "55 01 06 83 02 29", "55 01 06 02 C2 49",
                          "66 01 07 82 2A 7D 4A"}) {
    const auto f = Hex(hex);
    EXPECT_TRUE(CheckCrc16(f.data(), f.size() - 2)) << hex;
  }
}

TEST_F(ExchangeTest, ReservedAnswerLengthTurnsAnUnchangedEchoIntoStatusFive) {
  // Nothing in the program sets the reserved length; with it set, the rule still holds.
  settings_.Kol_povt = 2;
  link_.reservedAnswerLength = 6;
  Reply("55 01 06 02 C2 49");
  EXPECT_EQ(Long(2, {}), LinkStatus::LinkStatus5);
  EXPECT_EQ(Attempts(), 2u);
  link_.reservedAnswerLength = 0;
  EXPECT_EQ(Long(2, {}), LinkStatus::LinkOk);
}

TEST_F(ExchangeTest, WriteFailureEndsAtOnce) {
  settings_.Kol_povt = 3;
  line_.SetWriteFails(true);
  EXPECT_EQ(Short(), LinkStatus::LinkWriteFailed);
}

TEST_F(ExchangeTest, ReadFailureIsRetried) {
  settings_.Kol_povt = 3;
  line_.SetReadFails(true);
  EXPECT_EQ(Short(), LinkStatus::LinkReadFailed);
  EXPECT_EQ(Attempts(), 3u);
}

TEST_F(ExchangeTest, SecondAttemptSucceedsAfterSilence) {
  settings_.Kol_povt = 3;
  Silence();
  Reply("55 01 07 82 2A 79 4E");
  EXPECT_EQ(Short(), LinkStatus::LinkOk);
  EXPECT_EQ(Attempts(), 2u);
}

TEST_F(ExchangeTest, ZeroAttemptsSettingMakesOneAttempt) {
  settings_.Kol_povt = 0;
  Silence();
  EXPECT_EQ(Short(), LinkStatus::LinkNoAnswer);
  EXPECT_EQ(Attempts(), 1u);
}

TEST_F(ExchangeTest, RequestHalfKeepsTheLastRequestAfterAFailure) {
  settings_.Kol_povt = 1;
  settings_.Preamb = 0;
  Silence();
  Short();
  EXPECT_EQ(ToHex({buffer_.request(), buffer_.request() + 6}), "AA 01 06 02 F2 5D");
}

// The first-byte timeout: the hunt reads one byte with 8 ms a byte plus T1.
TEST_F(ExchangeTest, FirstByteTimeout) {
  EXPECT_EQ(FirstByteTimeoutMs(100), 220u);
  EXPECT_EQ(FirstByteTimeoutMs(2), 2000u);
  EXPECT_EQ(FirstByteTimeoutMs(20), 20000u);
  settings_.Kol_povt = 1;
  Silence();
  for (int weit : {100, 2}) {
    settings_.WeitTime1 = weit;
    const int64_t start = clock_.NowNs();
    EXPECT_EQ(Short(), LinkStatus::LinkNoAnswer);
    EXPECT_EQ(clock_.NowNs() - start, int64_t(FirstByteTimeoutMs(weit) + 8) * 1'000'000) << weit;
  }
}

TEST_F(ExchangeTest, EndlessGarbageEndsAsNoAnswerAfterTheFirstByteTimeout) {
  settings_.Kol_povt = 1;
  settings_.WeitTime1 = 100;
  // Two seconds of noise at 1200 bit/s, none of it a start byte.
  device_.replies_.push_back(std::vector<uint8_t>(240, 0x13));
  EXPECT_EQ(Short(), LinkStatus::LinkNoAnswer);
  EXPECT_LT(clock_.NowNs(), 400'000'000);
}

TEST(RtsHold, CounterTicksOfTheWorkedExample) {
  // (6 + 10) * 10 + 1 = 161 bit times at 1200 bit/s on a 10 MHz counter: 134.17 ms.
  EXPECT_EQ(RtsHoldTicks(6, 10, true, 1200, 10'000'000), 1341666);
  // Without the preambles (kind 18, or kindGroupFlag clear): 61 bit times.
  EXPECT_EQ(RtsHoldTicks(6, 10, false, 1200, 10'000'000), 508333);
  EXPECT_EQ(RtsHoldTicks(6, 10, true, 115200, 10'000'000), 13975);
}

TEST_F(ExchangeTest, RtsKeysTheTransmitterAroundTheWrite) {
  settings_.Upr_Sign = 1;
  link_.deviceKind = 7;
  Reply("55 01 07 82 2A 79 4E");
  ASSERT_EQ(Probe(), LinkStatus::LinkOk);
  const auto& edges = line_.rtsEdges();
  ASSERT_EQ(edges.size(), 2u);
  EXPECT_TRUE(edges[0].on);
  EXPECT_FALSE(edges[1].on);
  // The write follows the 2 ms lead; RTS falls at the first counter tick past the hold time.
  EXPECT_EQ(line_.writes()[0].ns - edges[0].ns, 2'000'000);
  EXPECT_EQ(edges[1].ns - line_.writes()[0].ns, 134'166'700);
}

TEST_F(ExchangeTest, KindEighteenDoesNotCountPreamblesInTheHold) {
  settings_.Upr_Sign = 1;
  link_.deviceKind = 18;
  Reply("55 01 07 82 2A 79 4E");
  ASSERT_EQ(Probe(), LinkStatus::LinkOk);
  EXPECT_EQ(line_.rtsEdges()[1].ns - line_.writes()[0].ns, 50'833'400);
}

TEST_F(ExchangeTest, RtsUntouchedWithoutRtsControl) {
  Reply("55 01 07 82 2A 79 4E");
  Probe();
  EXPECT_TRUE(line_.rtsEdges().empty());
}

TEST_F(ExchangeTest, PauseBeforeExchangesStartsWithKindEighteenAndStays) {
  Reply("55 01 07 82 2A 79 4E");
  Probe();
  EXPECT_EQ(line_.writes()[0].ns, 0);
  link_.deviceKind = 20;
  int64_t before = clock_.NowNs();
  Probe();
  EXPECT_EQ(link_.preExchangePauseMs, 5u);
  EXPECT_EQ(line_.writes()[1].ns - before, 5'000'000);
  link_.deviceKind = 7;  // a later device of another kind keeps the pause
  before = clock_.NowNs();
  Probe();
  EXPECT_EQ(line_.writes()[2].ns - before, 5'000'000);
}

TEST(LinkErrors, EachFailureShowsItsMessage) {
  LanguageTable language;
  ASSERT_TRUE(language.LoadFile(QStringLiteral(ZELMARK_BIN_DIR "/Lang01.qm")));
  const std::pair<LinkStatus, int> table[] = {
      {LinkStatus::LinkWriteFailed, 2849}, {LinkStatus::LinkNoAnswer, 2835},
      {LinkStatus::LinkShortAnswer, 2842}, {LinkStatus::LinkWrongAnswer, 2851},
      {LinkStatus::LinkStatus5, 2844},     {LinkStatus::LinkCrcError, 2696},
      {LinkStatus::LinkReadFailed, 2850}};
  for (auto [status, id] : table) {
    test::ScriptedPerson person;
    ShowLinkError(person, language, status);
    ASSERT_EQ(person.shown().size(), 1u);
    const auto& shown = person.shown()[0];
    EXPECT_EQ(shown.title, language.Text(2385_t));
    EXPECT_EQ(shown.texts.value(0), language.Text(TextId{id}));
    EXPECT_EQ(shown.texts.value(1), language.Text(2278_t));
  }
  test::ScriptedPerson person;
  ShowLinkError(person, language, LinkStatus::LinkOk);
  EXPECT_TRUE(person.shown().empty());
}

}  // namespace
}  // namespace zel
