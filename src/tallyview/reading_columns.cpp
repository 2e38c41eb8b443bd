#include "tallyview/reading_columns.h"

#include <charconv>

#include "tallyview/reading_time.h"

namespace zel {

QString ReadingColumnTitle(ReadingColumn column) {
  switch (column) {
    case ReadingColumn::Number: return QStringLiteral("№");
    case ReadingColumn::Time: return QStringLiteral("Дата и время");
    case ReadingColumn::Channel: return QStringLiteral("Канал");
    case ReadingColumn::Unit: return QStringLiteral("Ед. эталона");
    case ReadingColumn::SensorCode: return QStringLiteral("Код АЦП Тос");
    case ReadingColumn::DeviceNumber: return QStringLiteral("Слово Тос");
    case ReadingColumn::RawCode: return QStringLiteral("Код АЦП канала");
    case ReadingColumn::Value: return QStringLiteral("Значение");
  }
  return QString();
}

QString ChannelKindName(int kind) {
  switch (kind) {
    case 0: return QStringLiteral("давление");
    case 1: return QStringLiteral("температура");
    case 2: return QStringLiteral("перепад давления");
  }
  return QStringLiteral("канал %1").arg(kind);
}

QString FloatText(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return QString::fromLatin1(text, end - text);
}

QString ReadingCellText(const Reading& r, ReadingColumn column) {
  switch (column) {
    case ReadingColumn::Number: return QString::number(qulonglong(r.recordIndex) + 1);
    case ReadingColumn::Time: return FormatReadingTime(r.timeMs);
    case ReadingColumn::Channel: return ChannelKindName(r.channelKind);
    case ReadingColumn::Unit: return QString::number(r.unitIndex);
    case ReadingColumn::SensorCode: return QString::number(r.sensorCode);
    case ReadingColumn::DeviceNumber:
      return QStringLiteral("0x") +
             QString::number(r.deviceNumber, 16).toUpper().rightJustified(8, QLatin1Char('0'));
    case ReadingColumn::RawCode: return QString::number(r.rawCode);
    case ReadingColumn::Value: return FloatText(r.value);
  }
  return QString();
}

}  // namespace zel
