// The shown columns: the table model and the CSV export of the same readings.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDateTime>
#include <QTimeZone>
#include <cstdlib>

#include "tallyview/csv_export.h"
#include "tallyview/reading_columns.h"
#include "tallyview/reading_table_model.h"
#include "tallyview/reading_time.h"

namespace zel {
namespace {

std::shared_ptr<DataFile> TwoReadings() {
  auto file = std::make_shared<DataFile>();
  Reading a;
  a.timeMs = QDateTime(QDate(2024, 3, 15), QTime(10, 20, 30, 450), QTimeZone::utc()).toMSecsSinceEpoch();
  a.value = 5.25f;
  a.recordIndex = 0;
  a.channelKind = 0;
  a.unitIndex = 3;
  a.sensorCode = 4660;
  a.deviceNumber = 0x00123456;
  a.rawCode = 800000;
  Reading b = a;
  b.timeMs += 86'400'000 + 3'600'000;
  b.value = -0.1f;
  b.recordIndex = 6;
  b.channelKind = 9;
  b.deviceNumber = 0xABCDEF01;
  file->readings = {a, b};
  return file;
}

TEST(CsvExportTest, WritesAHeaderAndOneLinePerShownReading) {
  const auto file = TwoReadings();
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  ASSERT_TRUE(WriteCsv(out, file->readings, {1, 0}));
  EXPECT_EQ(QString::fromUtf8(out.data()),
            "№;Дата и время;Значение;Канал;Ед. эталона;Код АЦП канала;Код АЦП Тос;Слово Тос\n"
            "7;16.03.2024 11:20:30.450;-0.1;канал 9;3;800000;4660;0xABCDEF01\n"
            "1;15.03.2024 10:20:30.450;5.25;давление;3;800000;4660;0x00123456\n");
}

TEST(CsvExportTest, ReportsAFailedWrite) {
  const auto file = TwoReadings();
  QBuffer readOnly;
  readOnly.open(QIODevice::ReadOnly);
  EXPECT_FALSE(WriteCsv(readOnly, file->readings, {0}));
}

TEST(ReadingColumnsTest, ValuesReadBackAsTheSameFloat) {
  for (float v : {5.25f, -0.1f, 0.1f, 1234567.0f, 3.4028235e38f, 1e-7f, 0.0f}) {
    const std::string text = FloatText(v).toStdString();
    EXPECT_EQ(std::strtof(text.c_str(), nullptr), v) << text;
  }
  EXPECT_EQ(FloatText(0.1f), "0.1");  // the shortest text, not 0.100000001
}

TEST(ReadingTableModelTest, ShowsTheChosenRowsOfTheFile) {
  ReadingTableModel model;
  EXPECT_EQ(model.rowCount(), 0);
  model.SetReadings(TwoReadings(), {1});
  ASSERT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.columnCount(), kReadingColumnCount);
  EXPECT_EQ(model.data(model.index(0, int(ReadingColumn::Number))).toString(), "7");
  EXPECT_EQ(model.data(model.index(0, int(ReadingColumn::Value))).toString(), "-0.1");
  EXPECT_EQ(model.data(model.index(0, int(ReadingColumn::Time))).toString(), "16.03.2024 11:20:30.450");
  EXPECT_EQ(model.headerData(int(ReadingColumn::Value), Qt::Horizontal).toString(), "Значение");
  EXPECT_FALSE(model.data(model.index(1, 0)).isValid());
  model.SetReadings(nullptr, {0, 1});
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace zel
