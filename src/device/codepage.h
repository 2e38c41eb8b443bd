#pragma once
// The flow computer keeps texts (its tag, passwords) in code page 866; the program's own
// texts were code page 1251 in the tools that set those passwords. These helpers make the same
// bytes from the same keystrokes.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zel {

// Code page 1251 bytes of a text; characters the code page lacks become '?'.
QByteArray ToCp1251(const QString& text);
QString FromCp1251(const QByteArray& bytes);

// Byte rules between the two code pages as the flow computer's tools apply them: they cover
// the Cyrillic letters А..я and leave every other byte unchanged.
uint8_t Cp1251ToCp866(uint8_t byte);
uint8_t Cp866ToCp1251(uint8_t byte);

}  // namespace zel
