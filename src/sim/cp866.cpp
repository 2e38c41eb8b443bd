#include "sim/cp866.h"

#include <cstdint>

namespace zel::sim {

namespace {

// Code page 866 bytes 0xF0..0xF7 and their code points.
constexpr char32_t kHighLetters[] = {0x401, 0x451, 0x404, 0x454, 0x407, 0x457, 0x40E, 0x45E};

char Cp866Of(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0x410 && c <= 0x43F) return static_cast<char>(0x80 + (c - 0x410));
  if (c >= 0x440 && c <= 0x44F) return static_cast<char>(0xE0 + (c - 0x440));
  for (int i = 0; i < 8; ++i)
    if (kHighLetters[i] == c) return static_cast<char>(0xF0 + i);
  if (c == 0x406) return 'I';
  if (c == 0x456) return 'i';
  return '?';
}

char32_t CodePointOf(uint8_t b) {
  if (b < 0x80) return b;
  if (b <= 0xAF) return 0x410 + (b - 0x80);
  if (b >= 0xE0 && b <= 0xEF) return 0x440 + (b - 0xE0);
  if (b >= 0xF0 && b <= 0xF7) return kHighLetters[b - 0xF0];
  return U'?';
}

}  // namespace

std::string Utf8ToCp866(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const uint8_t b = static_cast<uint8_t>(utf8[i]);
    char32_t c = b;
    int extra = 0;
    if (b >= 0xF0) { c = b & 0x07; extra = 3; }
    else if (b >= 0xE0) { c = b & 0x0F; extra = 2; }
    else if (b >= 0xC0) { c = b & 0x1F; extra = 1; }
    else if (b >= 0x80) { c = U'?'; }
    ++i;
    for (int k = 0; k < extra && i < utf8.size(); ++k, ++i)
      c = (c << 6) | (static_cast<uint8_t>(utf8[i]) & 0x3F);
    out.push_back(Cp866Of(c));
  }
  return out;
}

std::string Cp866ToUtf8(const std::string& cp866) {
  std::string out;
  for (char ch : cp866) {
    const char32_t c = CodePointOf(static_cast<uint8_t>(ch));
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::string PasswordField(const std::string& utf8) {
  std::string field = Utf8ToCp866(utf8).substr(0, 16);
  field.resize(16, ' ');
  return field;
}

}  // namespace zel::sim
