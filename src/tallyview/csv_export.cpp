#include "tallyview/csv_export.h"

#include <QByteArray>

#include "tallyview/reading_columns.h"

namespace zel {
namespace {

constexpr qsizetype kFlushBytes = 1 << 20;

void AppendLine(QByteArray& buffer, const auto& cell) {
  for (int c = 0; c < kReadingColumnCount; ++c) {
    if (c) buffer += ';';
    buffer += cell(ReadingColumn(c)).toUtf8();
  }
  buffer += '\n';
}

}  // namespace

bool WriteCsv(QIODevice& out, const std::vector<Reading>& readings, const std::vector<uint32_t>& rows) {
  QByteArray buffer;
  buffer.reserve(kFlushBytes + 4096);
  AppendLine(buffer, [](ReadingColumn c) { return ReadingColumnTitle(c); });
  for (uint32_t row : rows) {
    AppendLine(buffer, [&](ReadingColumn c) { return ReadingCellText(readings[row], c); });
    if (buffer.size() >= kFlushBytes) {
      if (out.write(buffer) != buffer.size()) return false;
      buffer.clear();
    }
  }
  return out.write(buffer) == buffer.size();
}

}  // namespace zel
