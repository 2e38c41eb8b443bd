#pragma once
// Identifiers of the language tables. Every text the program shows from a catalogue is named in
// the code as a literal like 2385_t, so a test can find every identifier in use and check that
// both catalogues carry it.

namespace zel {

struct TextId {
  int value;
  constexpr bool operator==(const TextId&) const = default;
};

constexpr int kFirstTextId = 1001;
constexpr int kLastTextId = 3086;
constexpr int kTextCount = kLastTextId - kFirstTextId + 1;
// A catalogue text holds at most this many characters.
constexpr int kMaxTextLength = 99;

constexpr TextId operator""_t(unsigned long long id) { return TextId{static_cast<int>(id)}; }

}  // namespace zel
