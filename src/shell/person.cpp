#include "shell/person.h"

namespace zel {

void Person::ShowSystemMessage(const QString&, const QString&) {}
void Person::ShowVersionNotice(const QString&, const QString&, const QString&) {}
std::optional<QString> Person::AskPassword(PasswordKind, bool) { return std::nullopt; }
std::optional<int> Person::AskAddress(int, const std::function<void()>&) { return std::nullopt; }
bool Person::EditLinkParameters(LinkParameters&) { return false; }
std::optional<int> Person::AskPreambles(int) { return std::nullopt; }

}  // namespace zel
