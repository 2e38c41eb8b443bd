#pragma once
// Texts on the wire (device tag, passwords) are in code page 866; profiles are written in
// UTF-8.

#include <string>

namespace zel::sim {

// Converts UTF-8 text to code page 866; characters the code page lacks become '?'
// (Ukrainian І and і become the Latin I and i, as the device's keyboard table has them).
std::string Utf8ToCp866(const std::string& utf8);
// Converts code page 866 bytes back to UTF-8 (for the traffic log and messages).
std::string Cp866ToUtf8(const std::string& cp866);
// The 16 bytes a password occupies in a request: code page 866, padded with blanks.
std::string PasswordField(const std::string& utf8);

}  // namespace zel::sim
