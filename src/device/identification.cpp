#include "device/identification.h"

#include <algorithm>
#include <cstring>

#include "device/commands.h"
#include "device/device_exchange.h"

namespace zel {

namespace {
constexpr int kOldestGenerationLength = 7;  // an answer with a single data byte

bool Bit(uint8_t byte, int bit) { return (byte >> bit) & 1; }

bool InKindGroup(int kind) {
  return kind == 3 || kind == 7 || kind == 8 || kind == 9 || kind == 16 || kind == 18 ||
         kind == 20;
}
}  // namespace

DeviceIdentity DecodeIdentification(const uint8_t* frame, int length) {
  DeviceIdentity id;
  id.softwareVersion = 1;
  id.softwareRevision = 0;
  if (length != kOldestGenerationLength) {
    // R[i] is frame byte 4 + i; the checksum and whatever lies beyond the answer read as 0.
    const int dataLength = std::max(length - 6, 0);
    auto R = [&](int i) -> uint8_t { return i < dataLength ? frame[4 + i] : 0; };
    id.identR3 = R(3) + 1;
    id.identR4Low = R(4) & 0x03;
    id.identR4Bit2 = Bit(R(4), 2);
    id.littleEndianFloats = Bit(R(4), 3);
    id.identR4Bit4 = Bit(R(4), 4);
    id.longRunRecord = Bit(R(4), 5);
    id.identCode3 = (R(4) >> 7) | ((R(5) & 0x03) << 1);
    id.identR5Bit7 = Bit(R(5), 7);
    id.identR5Bit6 = Bit(R(5), 6);
    id.identR5Bit5 = Bit(R(5), 5);
    id.identR5Bit4 = Bit(R(5), 4);
    id.deviceKind = R(6);
    const int variant = R(7) & 0x0F;
    id.identR7High = R(7) >> 4;
    id.identR31 = R(31);
    id.identR32Bit0 = Bit(R(32), 0);
    id.identR32Bit1 = Bit(R(32), 1);
    id.identR32Bit3 = Bit(R(32), 3);
    id.identR32Bit4 = Bit(R(32), 4);
    id.identR32Bit7 = Bit(R(32), 7);
    id.identR33 = R(33);
    id.identR34 = R(34);
    for (int i = 0; i < 4; ++i) id.identR35[i] = R(35 + i);
    id.identR39 = R(39);
    id.extendedWriteForm = Bit(R(40), 7);

    // Kinds 10..14 are the same models as 4..8 with an offset mark.
    if (id.deviceKind >= 10 && id.deviceKind <= 14) {
      id.deviceKind -= 6;
      id.kindOffsetFlag = true;
    }
    id.productVariant = variant;
    switch (variant) {
      case 2: id.productVariant = 0; break;
      case 3: id.productVariant = 1; break;
      case 4: id.productVariant = 0, id.variantFlag = true; break;
      case 5: id.productVariant = 1, id.variantCode = 5; break;
      case 6: id.productVariant = 0, id.variantFlag = true, id.variantCode = 6; break;
      default: break;
    }
    id.softwareVersion = R(0);
    id.softwareRevision = R(1);
    id.identR5Bits23 = (R(5) >> 2) & 0x03;
  }
  id.kindGroupFlag = InKindGroup(id.deviceKind);
  id.identSchemeFlag = id.identR4Low == 2 && id.identR31 == 3;
  return id;
}

Acceptance AcceptDevice(const DeviceIdentity& id) {
  const int v = id.softwareVersion;
  const int k = id.deviceKind;
  if ((v < 20 || k == 9) && (k == 3 || k == 7 || k == 8 || k == 9 || k == 16))
    return Acceptance::Served;
  if (k == 18) return Acceptance::KindEighteen;
  if (k == 20) return Acceptance::KindTwenty;
  if (v >= 20 && k != 9) return Acceptance::TooNew;
  return Acceptance::Served;
}

int IdentifyDevice(Session& session) {
  DeviceSnapshot& snap = session.snapshot;
  if (Transact(session, ShortRequest(command::ReadIdentification), session.Text(2729_t)) !=
      LinkStatus::LinkOk)
    return 1;
  const ExchangeBuffer& b = snap.buffer;
  std::memcpy(snap.identificationBlock.data(), b.response(), snap.identificationBlock.size());
  snap.id = DecodeIdentification(b.response(), b.responseLength());
  snap.staticPasswordEntered = false;
  snap.staticPassword = BlankPassword();
  session.link.deviceKind = snap.id.deviceKind;
  session.link.kindGroupFlag = snap.id.kindGroupFlag;

  QString second;
  switch (AcceptDevice(snap.id)) {
    case Acceptance::Served: return 0;
    case Acceptance::KindEighteen: second = session.Text(2867_t); break;
    case Acceptance::KindTwenty: second = session.Text(2867_t) + QStringLiteral("20"); break;
    case Acceptance::TooNew: second = session.Text(2654_t); break;
  }
  session.person.ShowVersionNotice(session.Text(2325_t), session.Text(2864_t), second);
  return 2;
}

}  // namespace zel
