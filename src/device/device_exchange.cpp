#include "device/device_exchange.h"

#include "device/refusal.h"

namespace zel {

FrameRequest ShortRequest(uint8_t command, uint8_t length) {
  return FrameRequest{false, length, command, 1, length == 6, 1, 1};
}

FrameRequest LongRequest(uint8_t command, uint8_t length) {
  return FrameRequest{true, length, command, 1, false, 0, 1};
}

LinkStatus Transact(Session& session, FrameRequest request, const QString& caption) {
  request.address = session.state.settings.Adress;
  session.activity.SetStatusText(session.Text(2615_t));
  if (!caption.isEmpty()) session.activity.SetActivityText(caption);
  const LinkStatus status = ExchangeFrame(session.link, session.buffer(), request);
  session.activity.SetStatusText(QString());
  if (!caption.isEmpty()) session.activity.SetActivityText(QString());
  return status;
}

bool IsRefusal(const ExchangeBuffer& buffer, const FrameRequest& request) {
  return request.longFrame && buffer.responseEcho() == request.command;
}

void ShowRefusal(Session& session) {
  const ExchangeBuffer& b = session.buffer();
  session.snapshot.lastRefusal = DeviceSnapshot::Refusal{b.R(0), b.R(1), b.R(2)};
  session.person.ShowSystemMessage(session.Text(2325_t),
                                   FormatDeviceRefusal(session, b.R(0), b.R(1), b.R(2)));
}

bool AskRetry(Session& session) {
  return session.person.AskYesNo(session.Text(2195_t), session.Text(2196_t));
}

bool AskRepeatAfterRefusal(Session& session) {
  return session.person.AskYesNo(QString(), session.Text(2191_t));
}

bool ReadWithRetry(Session& session, const FrameRequest& request, const QString& caption) {
  while (Transact(session, request, caption) != LinkStatus::LinkOk)
    if (!AskRetry(session)) return false;
  return true;
}

bool SendUntilAccepted(Session& session, const FrameRequest& request, const QString& caption) {
  for (;;) {
    if (Transact(session, request, caption) != LinkStatus::LinkOk) {
      if (!AskRetry(session)) return false;
      continue;
    }
    if (!IsRefusal(session.buffer(), request)) return true;
    ShowRefusal(session);
    if (!AskRepeatAfterRefusal(session)) return false;
  }
}

}  // namespace zel
