#include "tallyview/data_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "ctr_bytes.h"
#include "tallyview/reading_time.h"

namespace zel {
namespace {

using test::CtrFile;
using test::CtrRecord;
using test::Days;

const double kDay = Days(2024, 3, 15, 10, 0, 0);
const CtrRecord kGood1{kDay, 1.5f};
const CtrRecord kGood2{kDay + 1.0 / 86400, 2.5f};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<uint32_t> Indexes(const DataFile& f) {
  std::vector<uint32_t> out;
  for (const Reading& r : f.readings) out.push_back(r.recordIndex);
  return out;
}

// A file written by an independent encoder (Python's struct, "<dBBHIIf") with three pressure
// readings taken 450 and 900 ms apart.
TEST(DataFileTest, ReadsEveryFieldOfAFileWrittenElsewhere) {
  const DataFile f = ReadDataFile(QStringLiteral(ZELMARK_SOURCE_DIR "/tests/fixtures/tallyview/three_pressure_readings.ctr"));
  EXPECT_TRUE(f.notes.empty());
  ASSERT_EQ(f.readings.size(), 3u);
  const Reading& r = f.readings[0];
  EXPECT_EQ(FormatReadingTime(r.timeMs), "15.03.2024 10:20:30.000");
  EXPECT_EQ(r.channelKind, 0);
  EXPECT_EQ(r.unitIndex, 3);
  EXPECT_EQ(r.sensorCode, 0x1234);
  EXPECT_EQ(r.deviceNumber, 0x00123456u);
  EXPECT_EQ(r.rawCode, 800000u);
  EXPECT_EQ(r.value, 5.25f);
  EXPECT_EQ(FormatReadingTime(f.readings[1].timeMs), "15.03.2024 10:20:30.450");
  EXPECT_EQ(FormatReadingTime(f.readings[2].timeMs), "15.03.2024 10:20:31.350");
  EXPECT_EQ(f.readings[2].value, 4.75f);
  EXPECT_EQ(f.readings[2].rawCode, 799900u);
}

struct DamageCase {
  const char* name;
  QByteArray bytes;
  std::vector<uint32_t> readRecords;  // record indexes that survive
  std::vector<ReadNote> notes;
};

// Test listings name a case by its name alone.
void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class DamagedFiles : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFiles, AreReadAsFarAsTheyCanBeWithANoteForWhatWasSkipped) {
  const DataFile f = ParseDataFile(GetParam().bytes);
  EXPECT_EQ(Indexes(f), GetParam().readRecords);
  EXPECT_EQ(f.notes, GetParam().notes);
}

const QByteArray kTwo = CtrFile({kGood1, kGood2}, false);

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFiles,
    testing::Values(
        DamageCase{"sound", CtrFile({kGood1, kGood2}), {0, 1}, {}},
        DamageCase{"signatureOnly", "STAT", {}, {{ReadNoteKind::NoRecords}}},
        DamageCase{"emptyFile", "", {}, {{ReadNoteKind::NoSignature, 0}, {ReadNoteKind::NoRecords}}},
        DamageCase{"truncatedLastRecord", CtrFile({kGood1, kGood2}) + QByteArray(10, 'x'), {0, 1},
                   {{ReadNoteKind::TruncatedRecord, 10}}},
        DamageCase{"onlyAPartialRecord", "STAT" + CtrFile({kGood1}, false).left(23), {},
                   {{ReadNoteKind::TruncatedRecord, 23}, {ReadNoteKind::NoRecords}}},
        // Appending to an empty file writes records from its first byte.
        DamageCase{"noSignature", kTwo, {0, 1}, {{ReadNoteKind::NoSignature, 0}}},
        DamageCase{"noSignatureAndTruncated", kTwo + "abc", {0, 1},
                   {{ReadNoteKind::NoSignature, 0}, {ReadNoteKind::TruncatedRecord, 3}}},
        DamageCase{"damagedSignature", QByteArray("ST\0T", 4) + kTwo, {0, 1}, {{ReadNoteKind::NoSignature, 4}}},
        DamageCase{"tooShortForASignature", "ST", {},
                   {{ReadNoteKind::NoSignature, 0}, {ReadNoteKind::TruncatedRecord, 2}, {ReadNoteKind::NoRecords}}},
        DamageCase{"impossibleDates",
                   CtrFile({kGood1, {kNaN}, {0.0}, kGood2, {kInf}, {Days(1979, 12, 31, 23, 59, 59)},
                            {Days(2100, 1, 1)}, {-kDay}}),
                   {0, 3},
                   {{ReadNoteKind::ImpossibleDate, 6, {1, 2, 4, 5, 6}}}},
        DamageCase{"valueNotANumber",
                   CtrFile({kGood1, {kDay, std::numeric_limits<float>::quiet_NaN()},
                            {kDay, -std::numeric_limits<float>::infinity()}}),
                   {0},
                   {{ReadNoteKind::ValueNotNumber, 2, {1, 2}}}},
        DamageCase{"everythingAtOnce", CtrFile({{kNaN}, kGood1, {kDay, std::nanf("")}}, false) + "12345", {1},
                   {{ReadNoteKind::NoSignature, 0},
                    {ReadNoteKind::ImpossibleDate, 1, {0}},
                    {ReadNoteKind::ValueNotNumber, 1, {2}},
                    {ReadNoteKind::TruncatedRecord, 5}}}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(DataFileTest, AMissingFileIsReportedWithTheSystemsReason) {
  QTemporaryDir dir;
  const DataFile f = ReadDataFile(dir.filePath(QStringLiteral("absent.ctr")));
  ASSERT_EQ(f.notes.size(), 1u);
  EXPECT_EQ(f.notes[0].kind, ReadNoteKind::CannotOpen);
  EXPECT_FALSE(f.notes[0].detail.isEmpty());
  EXPECT_TRUE(f.readings.empty());
}

TEST(DataFileTest, NotesTellTheUserWhatWasSkipped) {
  EXPECT_EQ(DescribeNote({ReadNoteKind::TruncatedRecord, 10}),
            "Последняя запись неполная (10 байт из 24) и пропущена.");
  EXPECT_EQ(DescribeNote({ReadNoteKind::ImpossibleDate, 2, {1, 4}}),
            "Записей с невозможной датой пропущено: 2 (№ 2, 5).");
  // Only the first few records are named when there are more.
  EXPECT_EQ(DescribeNote({ReadNoteKind::ValueNotNumber, 9, {0, 1, 2, 3, 4}}),
            "Записей, значение которых не число, пропущено: 9 (№ 1, 2, 3, 4, 5, …).");
  EXPECT_TRUE(DescribeNote({ReadNoteKind::NoSignature, 4}).contains("первые 4 байта пропущены"));
  EXPECT_TRUE(DescribeNote({ReadNoteKind::NoSignature, 0}).contains("с начала файла"));
}

TEST(ReadingTimeTest, PlausibleDatesLieBetween1980And2100) {
  const struct {
    double days;
    bool plausible;
  } cases[] = {
      {Days(1979, 12, 31, 23, 59, 59), false}, {Days(1980, 1, 1), true},    {Days(2099, 12, 31, 23, 59, 59), true},
      {Days(2100, 1, 1), false},               {0.0, false},                {kNaN, false},
      {-kInf, false},                          {1e300, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlausibleOleDate(c.days), c.plausible) << c.days;
}

TEST(ReadingTimeTest, FileDatesBecomeWallClockMilliseconds) {
  const struct {
    double days;
    const char* text;
  } cases[] = {
      {25569.0, "01.01.1970 00:00:00.000"},
      {25569.5, "01.01.1970 12:00:00.000"},
      {45366.75, "15.03.2024 18:00:00.000"},
      {Days(2024, 2, 29, 23, 59, 59, 999), "29.02.2024 23:59:59.999"},
      {Days(1980, 1, 1, 0, 0, 0, 1), "01.01.1980 00:00:00.001"},
      {25568.999999988426, "31.12.1969 23:59:59.999"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatReadingTime(OleDateToMs(c.days)), c.text) << c.days;
}

}  // namespace
}  // namespace zel
