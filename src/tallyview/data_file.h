#pragma once
// Reading a verification data file into memory. A damaged file is read as far as it can be:
// whatever had to be skipped is reported in notes, never silently dropped.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

namespace zel {

// One record of the file, as the viewer keeps it.
struct Reading {
  int64_t timeMs = 0;         // wall-clock milliseconds (see reading_time.h)
  float value = 0;            // the reading in device units
  uint32_t recordIndex = 0;   // position of the record in the file, from 0
  uint8_t channelKind = 0;    // 0 pressure, 1 temperature, 2 differential pressure
  uint8_t unitIndex = 0;      // reference unit index
  uint16_t sensorCode = 0;    // sensor-temperature ADC code
  uint32_t deviceNumber = 0;  // the device number the sensor code was taken from
  uint32_t rawCode = 0;       // the channel's raw ADC code
};

enum class ReadNoteKind {
  CannotOpen,      // detail: the system's reason
  NoRecords,       // the file holds no complete record
  NoSignature,     // count: the offset the records were read from (0 or 4)
  TruncatedRecord, // count: bytes of the incomplete last record
  ImpossibleDate,  // count: records skipped; examples: their indexes
  ValueNotNumber,  // count: records skipped; examples: their indexes
};

struct ReadNote {
  ReadNoteKind kind = ReadNoteKind::NoRecords;
  int64_t count = 0;
  std::vector<uint32_t> examples{};  // the first few record indexes concerned
  QString detail{};

  bool operator==(const ReadNote&) const = default;
};

struct DataFile {
  QString path;
  std::vector<Reading> readings;  // in file order
  std::vector<ReadNote> notes;    // empty for a sound file
};

// The number of record indexes a note lists.
constexpr size_t kNoteExamples = 5;

// Reads the records of a file's bytes.
DataFile ParseDataFile(QByteArrayView bytes);
// Reads the file at path; a file that cannot be opened gives a CannotOpen note.
DataFile ReadDataFile(const QString& path);
// A sentence for the user, in Russian like the rest of the viewer.
QString DescribeNote(const ReadNote& note);

}  // namespace zel
