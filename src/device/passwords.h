#pragma once
// Write-access passwords: the write password asked at every connection and sent in every write
// request, and the static password of the extended write forms. The computer checks them; the
// program only turns an entry into the sixteen bytes that travel.

#include <QString>
#include <array>
#include <cstdint>

namespace zel {

struct Session;

constexpr int kPasswordLength = 16;
using Password = std::array<uint8_t, kPasswordLength>;

// Sixteen blanks: what an empty entry stores.
Password BlankPassword();
// The first 16 characters of an entry as code page 1251 gives them, each Cyrillic letter moved
// to its code page 866 byte, padded with blanks.
Password PasswordBytes(const QString& entry);

// Asks for the write password (single entry at connection); stores it in the shared state.
// Returns 0 when entered, 1 when cancelled (the stored password is unchanged).
int AskWritePassword(Session& session, bool singleEntry);
// Asks once per connection for the static password of the extended write forms. A cancelled
// entry keeps the previous password and asks again at the next write.
void AskStaticPassword(Session& session);

}  // namespace zel
