#pragma once
// Exchanges with the connected computer as the device operations make them: the status bar
// and activity panel texts around each exchange, the retry question after a link failure, and
// the device's refusal of a long request.

#include <QString>

#include "device/session.h"
#include "link/exchange.h"

namespace zel {

// A short request without data (the data byte 1 every such call passes never reaches the wire).
FrameRequest ShortRequest(uint8_t command, uint8_t length = 6);
// A long request; its data bytes are in the buffer already.
FrameRequest LongRequest(uint8_t command, uint8_t length);

// One exchange at the configured address: status text 2615, and `caption` in the activity
// panel when given; both are cleared afterwards.
LinkStatus Transact(Session& session, FrameRequest request, const QString& caption = {});

// A long request answered with its own command number is the device's refusal: error code,
// then arguments A and B.
bool IsRefusal(const ExchangeBuffer& buffer, const FrameRequest& request);
// Shows the refusal in the buffer in a system message box and keeps it as the snapshot's
// last refusal.
void ShowRefusal(Session& session);

// The retry question after a failed exchange; true to repeat.
bool AskRetry(Session& session);
// The repeat question after a refusal; true to repeat.
bool AskRepeatAfterRefusal(Session& session);

// Reads until an answer comes; after a link failure asks whether to retry. False when the
// person gave up.
bool ReadWithRetry(Session& session, const FrameRequest& request, const QString& caption = {});
// Sends until the device accepts: a link failure asks whether to retry, a refusal is shown
// and asks whether to repeat. False when the person gave up.
bool SendUntilAccepted(Session& session, const FrameRequest& request,
                       const QString& caption = {});

}  // namespace zel
