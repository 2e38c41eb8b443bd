#pragma once
// Verification data files for the tests, written field by field with QDataStream, apart from
// the reader's own layout constants, so a wrong offset in the reader cannot hide itself.

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <initializer_list>

#include "tallyview/reading_time.h"

namespace zel::test {

struct CtrRecord {
  double days = 0;  // the file's date: days since 30.12.1899
  float value = 0;
  uint8_t kind = 0;
  uint8_t unit = 0;
  uint16_t sensorCode = 0;
  uint32_t deviceNumber = 0;
  uint32_t rawCode = 0;
};

// Days since 30.12.1899 of a wall-clock date and time.
inline double Days(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
  return zel::MsToOleDate(QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), QTimeZone::utc())
                              .toMSecsSinceEpoch());
}

inline QByteArray CtrRecordBytes(const CtrRecord& r) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.setFloatingPointPrecision(QDataStream::DoublePrecision);
  out << r.days << quint8(r.kind) << quint8(r.unit) << quint16(r.sensorCode) << quint32(r.deviceNumber)
      << quint32(r.rawCode);
  out.setFloatingPointPrecision(QDataStream::SinglePrecision);
  out << r.value;
  return bytes;
}

inline QByteArray CtrFile(std::initializer_list<CtrRecord> records, bool signature = true) {
  QByteArray bytes = signature ? QByteArray("STAT") : QByteArray();
  for (const CtrRecord& r : records) bytes += CtrRecordBytes(r);
  return bytes;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace zel::test
