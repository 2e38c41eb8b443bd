#pragma once
// The text of a device refusal: error code C with arguments A and B.

#include <QString>
#include <cstdint>

namespace zel {

struct Session;

QString FormatDeviceRefusal(const Session& session, uint8_t code, uint8_t a, uint8_t b);

}  // namespace zel
