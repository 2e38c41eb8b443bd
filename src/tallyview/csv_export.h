#pragma once
// Export of the shown readings as CSV: a header line, then one line per reading with the
// columns of the table, separated by ";" (the decimal point is "."), UTF-8, lines ending "\n".

#include <QIODevice>
#include <cstdint>
#include <vector>

#include "tallyview/data_file.h"

namespace zel {

// Writes readings[rows[i]]; false when the device refused a write.
bool WriteCsv(QIODevice& out, const std::vector<Reading>& readings, const std::vector<uint32_t>& rows);

}  // namespace zel
