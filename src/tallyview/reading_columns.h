#pragma once
// The columns in which a reading is shown, shared by the table and the CSV export so both
// always say the same.

#include <QString>

#include "tallyview/data_file.h"

namespace zel {

enum class ReadingColumn {
  Number,  // record number in the file, from 1
  Time,
  Value,
  Channel,
  Unit,  // reference unit index
  RawCode,
  SensorCode,
  DeviceNumber,  // hexadecimal
};
constexpr int kReadingColumnCount = int(ReadingColumn::DeviceNumber) + 1;

QString ReadingColumnTitle(ReadingColumn column);
QString ReadingCellText(const Reading& reading, ReadingColumn column);
// "давление", "температура", "перепад давления" or "канал N".
QString ChannelKindName(int kind);
// The shortest text that reads back as the same float.
QString FloatText(float value);

}  // namespace zel
