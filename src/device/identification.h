#pragma once
// Identification of the connected computer from its ReadIdentification answer, and the
// decision whether this program serves it.

#include "device/device_snapshot.h"

namespace zel {

struct Session;

// Decodes an identification answer (the whole frame from its start byte, `length` bytes).
// Bytes the answer does not carry read as 0.
DeviceIdentity DecodeIdentification(const uint8_t* frame, int length);

enum class Acceptance { Served, KindEighteen, KindTwenty, TooNew };
Acceptance AcceptDevice(const DeviceIdentity& id);

// 0 identified and served; 1 the exchange failed; 2 a computer this program does not serve
// (the notice was shown).
int IdentifyDevice(Session& session);

}  // namespace zel
