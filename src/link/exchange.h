#pragma once
// ExchangeFrame: the one request/response exchange with the flow computer. It frames the
// request, sends it with its preambles (keying RTS on a half-duplex line), hunts for the answer,
// checks it and retries, and returns a LinkStatus.

#include <array>
#include <cstdint>

#include "link/clock.h"
#include "link/serial_line.h"
#include "shell/person.h"
#include "shell/text_id.h"

namespace zel {

struct Settings;
class LanguageTable;

enum class LinkStatus : uint8_t {
  LinkOk = 0,
  LinkWriteFailed = 1,
  LinkNoAnswer = 2,
  LinkShortAnswer = 3,
  LinkWrongAnswer = 4,
  LinkStatus5 = 5,
  LinkCrcError = 6,
  LinkReadFailed = 7,
};
const char* LinkStatusName(LinkStatus status);

// 512 bytes: the request in 0..255, the response as received in 256..511.
struct ExchangeBuffer {
  static constexpr int kResponse = 256;
  std::array<uint8_t, 512> bytes{};
  uint8_t* request() { return bytes.data(); }
  uint8_t* response() { return bytes.data() + kResponse; }
  const uint8_t* response() const { return bytes.data() + kResponse; }
  // Request data byte i (frame byte 4 + i) and response data byte i (after the echo).
  uint8_t& Q(int i) { return bytes[4 + i]; }
  uint8_t R(int i) const { return bytes[kResponse + 4 + i]; }
  uint8_t responseLength() const { return bytes[kResponse + 2]; }
  uint8_t responseEcho() const { return bytes[kResponse + 3]; }
};

// Value of `probeMode` that marks the connection probe: an answer echoing 0xFF is success.
constexpr uint8_t kProbeMode = 105;

struct FrameRequest {
  bool longFrame = false;  // start byte 0xBB instead of 0xAA; accepts an unchanged echo
  uint8_t length = 6;      // total frame length, start byte and checksum included
  uint8_t command = 0;
  uint8_t probeMode = 1;
  bool hasData = false;  // store dataByte at offset 4 before the checksum
  uint8_t dataByte = 0;
  uint8_t address = 1;
};

// What the exchange reads besides the request: the line, the clock, the link settings and
// the identity of the connected device. The exchange keeps `preExchangePauseMs` here.
struct LinkContext {
  SerialLine& line;
  Clock& clock;
  const Settings& settings;
  int32_t deviceKind = 0;
  bool kindGroupFlag = true;
  uint32_t preExchangePauseMs = 0;
  // The reserved answer length that turns an unchanged echo into status 5; nothing sets it.
  uint8_t reservedAnswerLength = 0;
  // The status of the last exchange, for reports after the retry questions are over.
  LinkStatus lastStatus = LinkStatus::LinkOk;
};

LinkStatus ExchangeFrame(LinkContext& link, ExchangeBuffer& buffer, const FrameRequest& request);

// First-byte timeout in ms for a WeitTime1 setting (100 is the speed search's 220 ms).
uint32_t FirstByteTimeoutMs(int32_t weitTime1);
// Counter ticks RTS stays raised after the write: the frame's bits at the line speed, with the
// reciprocal of the speed held in single precision as the device firmware's timing assumes.
int64_t RtsHoldTicks(int frameLength, int preambles, bool countPreambles, uint32_t baud,
                     int64_t frequency);

// The catalogue text of a status's message; {0} for LinkOk and unknown values.
TextId LinkStatusMessage(LinkStatus status);
// The link's message box: error title, `text`, closing button.
void ShowLinkMessage(Person& person, const LanguageTable& language, const QString& text,
                     Placement placement = Placement::Default);
// Shows the message of a failed status in the message box; nothing for LinkOk.
void ShowLinkError(Person& person, const LanguageTable& language, LinkStatus status);

}  // namespace zel
