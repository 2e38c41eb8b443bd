#include "device/refusal.h"

#include <algorithm>

#include "device/session.h"

namespace zel {

namespace {
// The refusal texts are identifiers 1914 + code for the codes the device documents (0..160);
// beyond that the identifiers belong to other texts.
constexpr int kFirstRefusalText = 1914;
constexpr int kLastDocumentedCode = 160;

bool WithoutArguments(int c) {
  static const std::pair<int, int> ranges[] = {
      {0, 10},    {16, 27},   {29, 33},   {49, 49},   {53, 53},   {57, 60},   {65, 65},
      {68, 70},   {84, 87},   {114, 114}, {116, 116}, {119, 133}, {136, 136}, {145, 145},
      {148, 148}, {150, 150}, {158, 255}};
  return std::any_of(std::begin(ranges), std::end(ranges),
                     [c](auto r) { return c >= r.first && c <= r.second; });
}
}  // namespace

QString FormatDeviceRefusal(const Session& session, uint8_t code, uint8_t a, uint8_t b) {
  const QString head = session.Text(2362_t);
  // An undocumented code is shown by its number rather than by an unrelated text.
  if (code > kLastDocumentedCode) return head + QString::number(code);
  const QString pattern = session.Text(TextId{kFirstRefusalText + code});
  QList<QVariant> args;
  const int run = a + 1;
  switch (code) {
    case 12:
    case 62: args = {int(b), run}; break;
    case 39: {
      const bool counter = run >= 1 && run <= kMaxRuns && (session.snapshot.runOptions(run) & 0x1F);
      args = {session.Text(counter ? 1838_t : 1837_t), run};
      break;
    }
    case 66:
    case 67:
    case 115: args = {int(a)}; break;
    case 118: args = {int(b) + 1, run}; break;
    case 155: args = {session.Text(TextId{2075 + b}), run}; break;
    case 157: args = {session.Text(TextId{1398 + b}), run}; break;
    default:
      if (!WithoutArguments(code)) args = {run};
  }
  return head + FormatText(pattern, args);
}

}  // namespace zel
