#pragma once
// Frames in tests are written as hex strings: "AA 01 06 02 F2 5D".

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace zel::test {

inline std::vector<uint8_t> Hex(const char* text) {
  const QByteArray bytes = QByteArray::fromHex(QByteArray(text).replace(' ', ""));
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

inline std::string ToHex(const std::vector<uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))
      .toHex(' ')
      .toUpper()
      .toStdString();
}

}  // namespace zel::test
