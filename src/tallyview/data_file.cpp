#include "tallyview/data_file.h"

#include <QFile>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "tallyview/reading_time.h"
#include "tallyview/verification_record.h"

namespace zel {
namespace {

using namespace record_layout;

template <typename T>
T Field(const char* record, size_t offset) {
  return qFromLittleEndian<T>(record + offset);
}

bool HasSignature(QByteArrayView bytes) {
  return size_t(bytes.size()) >= kSignatureSize &&
         std::memcmp(bytes.data(), kSignature.data(), kSignatureSize) == 0;
}

bool PlausibleRecordAt(QByteArrayView bytes, size_t offset) {
  if (size_t(bytes.size()) < offset + kRecordSize) return false;
  const char* record = bytes.data() + offset;
  return IsPlausibleOleDate(Field<double>(record, kTimeOffset)) &&
         std::isfinite(Field<float>(record, kValueOffset));
}

// Where the records of a file without the signature begin. Records appended to an empty file
// start at 0; a damaged signature leaves them at 4. The first record decides, 0 when in doubt.
size_t RecordsOffsetWithoutSignature(QByteArrayView bytes) {
  if (PlausibleRecordAt(bytes, 0)) return 0;
  if (PlausibleRecordAt(bytes, kSignatureSize)) return kSignatureSize;
  return 0;
}

void Count(std::vector<ReadNote>& notes, ReadNoteKind kind, uint32_t recordIndex) {
  auto it = std::find_if(notes.begin(), notes.end(), [&](const ReadNote& n) { return n.kind == kind; });
  if (it == notes.end()) it = notes.insert(notes.end(), ReadNote{kind});
  ++it->count;
  if (it->examples.size() < kNoteExamples) it->examples.push_back(recordIndex);
}

QString ListOfRecords(const ReadNote& note) {
  QStringList numbers;
  for (uint32_t index : note.examples) numbers << QString::number(qulonglong(index) + 1);
  QString text = QStringLiteral("№ ") + numbers.join(QStringLiteral(", "));
  if (note.count > int64_t(note.examples.size())) text += QStringLiteral(", …");
  return text;
}

}  // namespace

DataFile ParseDataFile(QByteArrayView bytes) {
  DataFile file;
  size_t offset = kSignatureSize;
  if (!HasSignature(bytes)) {
    offset = RecordsOffsetWithoutSignature(bytes);
    if (offset > size_t(bytes.size())) offset = size_t(bytes.size());
    file.notes.push_back(ReadNote{ReadNoteKind::NoSignature, int64_t(offset)});
  }
  const size_t available = size_t(bytes.size()) - std::min(offset, size_t(bytes.size()));
  const size_t records = available / kRecordSize;
  file.readings.reserve(records);
  std::vector<ReadNote> skipped;
  for (size_t k = 0; k < records; ++k) {
    const char* record = bytes.data() + offset + k * kRecordSize;
    const double days = Field<double>(record, kTimeOffset);
    const float value = Field<float>(record, kValueOffset);
    if (!IsPlausibleOleDate(days)) {
      Count(skipped, ReadNoteKind::ImpossibleDate, uint32_t(k));
      continue;
    }
    if (!std::isfinite(value)) {
      Count(skipped, ReadNoteKind::ValueNotNumber, uint32_t(k));
      continue;
    }
    Reading r;
    r.timeMs = OleDateToMs(days);
    r.value = value;
    r.recordIndex = uint32_t(k);
    r.channelKind = uint8_t(record[kChannelKindOffset]);
    r.unitIndex = uint8_t(record[kUnitOffset]);
    r.sensorCode = Field<uint16_t>(record, kSensorCodeOffset);
    r.deviceNumber = Field<uint32_t>(record, kDeviceNumberOffset);
    r.rawCode = Field<uint32_t>(record, kRawCodeOffset);
    file.readings.push_back(r);
  }
  file.notes.insert(file.notes.end(), skipped.begin(), skipped.end());
  if (const size_t rest = available % kRecordSize; rest != 0)
    file.notes.push_back(ReadNote{ReadNoteKind::TruncatedRecord, int64_t(rest)});
  if (records == 0) file.notes.push_back(ReadNote{ReadNoteKind::NoRecords});
  return file;
}

DataFile ReadDataFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    DataFile file;
    file.path = path;
    file.notes.push_back(ReadNote{ReadNoteKind::CannotOpen, 0, {}, f.errorString()});
    return file;
  }
  DataFile file;
  // Mapping spares a copy of large files; pipes and special files are read instead.
  if (const qint64 size = f.size(); size > 0) {
    if (const uchar* data = f.map(0, size)) {
      file = ParseDataFile(QByteArrayView(reinterpret_cast<const char*>(data), size));
      f.unmap(const_cast<uchar*>(data));
    } else {
      file = ParseDataFile(f.readAll());
    }
  } else {
    file = ParseDataFile(f.readAll());
  }
  file.path = path;
  return file;
}

QString DescribeNote(const ReadNote& note) {
  switch (note.kind) {
    case ReadNoteKind::CannotOpen:
      return QStringLiteral("Файл не открывается: %1.").arg(note.detail);
    case ReadNoteKind::NoRecords:
      return QStringLiteral("В файле нет ни одной полной записи.");
    case ReadNoteKind::NoSignature:
      return note.count == 0
                 ? QStringLiteral("Нет подписи STAT в начале файла; записи прочитаны с начала файла.")
                 : QStringLiteral("Нет подписи STAT в начале файла; первые %1 байта пропущены, "
                                  "записи прочитаны за ними.")
                       .arg(note.count);
    case ReadNoteKind::TruncatedRecord:
      return QStringLiteral("Последняя запись неполная (%1 байт из 24) и пропущена.").arg(note.count);
    case ReadNoteKind::ImpossibleDate:
      return QStringLiteral("Записей с невозможной датой пропущено: %1 (%2).")
          .arg(note.count)
          .arg(ListOfRecords(note));
    case ReadNoteKind::ValueNotNumber:
      return QStringLiteral("Записей, значение которых не число, пропущено: %1 (%2).")
          .arg(note.count)
          .arg(ListOfRecords(note));
  }
  return QString();
}

}  // namespace zel
