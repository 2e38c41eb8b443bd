#include "device/passwords.h"

#include "device/codepage.h"
#include "device/session.h"

namespace zel {

Password BlankPassword() {
  Password p;
  p.fill(' ');
  return p;
}

Password PasswordBytes(const QString& entry) {
  Password p = BlankPassword();
  const QByteArray bytes = ToCp1251(entry.left(kPasswordLength));
  for (int i = 0; i < bytes.size() && i < kPasswordLength; ++i)
    p[i] = Cp1251ToCp866(uint8_t(bytes[i]));
  return p;
}

int AskWritePassword(Session& session, bool singleEntry) {
  const auto entry = session.person.AskPassword(PasswordKind::Write, singleEntry);
  if (!entry) return 1;
  session.state.writePassword = PasswordBytes(*entry);
  return 0;
}

void AskStaticPassword(Session& session) {
  DeviceSnapshot& snap = session.snapshot;
  if (snap.staticPasswordEntered) return;
  snap.staticPasswordBackup = snap.staticPassword;
  const auto entry = session.person.AskPassword(PasswordKind::Static, false);
  if (!entry) return;
  snap.staticPasswordEntered = true;
  snap.staticPassword = PasswordBytes(*entry);
}

}  // namespace zel
