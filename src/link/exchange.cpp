#include "link/exchange.h"

#include <algorithm>
#include <cmath>

#include "link/crc16.h"
#include "shell/language.h"
#include "shell/person.h"
#include "shell/settings.h"

namespace zel {

namespace {

constexpr uint8_t kShortStart = 0xAA;
constexpr uint8_t kLongStart = 0xBB;
constexpr uint8_t kAnswerStartA = 0x55;
constexpr uint8_t kAnswerStartB = 0x66;
constexpr uint8_t kPreamble = 0xFF;
constexpr uint8_t kNoEcho = 0xFF;
// Frame offsets (request and response alike).
constexpr int kAddressOffset = 1;
constexpr int kLengthOffset = 2;
constexpr int kCommandOffset = 3;
constexpr int kDataOffset = 4;

// The start-byte hunt reads one byte at a time: a generous gap between bytes, 8 ms a byte
// and the first-byte timeout on top.
ReadTimeouts HuntTimeouts(uint32_t firstByteMs) { return {8000, 8, firstByteMs}; }

// The rest of the answer: the byte timeout between bytes, two thirds of it (plus one) a byte
// and ten seconds on top for the whole read.
ReadTimeouts BodyTimeouts(int32_t weitTime2) {
  const uint32_t gap = static_cast<uint32_t>(std::max<int32_t>(weitTime2, 0));
  return {gap, gap * 2 / 3 + 1, 10000};
}

bool Retryable(LinkStatus s) {
  return s == LinkStatus::LinkNoAnswer || s == LinkStatus::LinkShortAnswer ||
         s == LinkStatus::LinkReadFailed;
}

}  // namespace

const char* LinkStatusName(LinkStatus status) {
  switch (status) {
    case LinkStatus::LinkOk: return "LinkOk";
    case LinkStatus::LinkWriteFailed: return "LinkWriteFailed";
    case LinkStatus::LinkNoAnswer: return "LinkNoAnswer";
    case LinkStatus::LinkShortAnswer: return "LinkShortAnswer";
    case LinkStatus::LinkWrongAnswer: return "LinkWrongAnswer";
    case LinkStatus::LinkStatus5: return "LinkStatus5";
    case LinkStatus::LinkCrcError: return "LinkCrcError";
    case LinkStatus::LinkReadFailed: return "LinkReadFailed";
  }
  return "LinkUnknown";
}

uint32_t FirstByteTimeoutMs(int32_t weitTime1) {
  if (weitTime1 == 100) return 220;
  return static_cast<uint32_t>(std::max<int32_t>(weitTime1, 0)) * 1000;
}

int64_t RtsHoldTicks(int frameLength, int preambles, bool countPreambles, uint32_t baud,
                     int64_t frequency) {
  const int bits = (countPreambles ? frameLength + preambles : frameLength) * 10 + 1;
  const float reciprocal = static_cast<float>(1.0 / std::max<uint32_t>(baud, 1));
  return static_cast<int64_t>(std::trunc(double(bits) * double(reciprocal) * double(frequency)));
}

namespace {
LinkStatus Exchange(LinkContext& link, ExchangeBuffer& buffer, const FrameRequest& request) {
  const Settings& s = link.settings;
  const int length = request.length;
  // A frame shorter than its header and checksum cannot be built.
  if (length < 6) return LinkStatus::LinkWriteFailed;

  const uint32_t firstByteMs = FirstByteTimeoutMs(s.WeitTime1);
  // A count of 0 (only from a hand-edited settings file) still makes one attempt.
  int attemptsLeft = std::max<int>(s.Kol_povt, 1);
  const int64_t frequency = link.clock.CounterFrequency();
  const int preambles = std::clamp<int32_t>(s.Preamb, 0, 255);
  link.line.SetDtr(true);
  if ((link.deviceKind == 18 || link.deviceKind == 20) && link.preExchangePauseMs == 0)
    link.preExchangePauseMs = 5;
  if (link.preExchangePauseMs != 0) link.clock.WaitMs(link.preExchangePauseMs);

  uint8_t* req = buffer.request();
  uint8_t* resp = buffer.response();
  std::vector<uint8_t> wire(preambles + length);

  for (;;) {
    --attemptsLeft;
    LinkStatus status = LinkStatus::LinkOk;
    // Records a failure; true when another attempt is left to try.
    auto failed = [&](LinkStatus failure) {
      status = failure;
      return attemptsLeft > 0;
    };

    req[0] = request.longFrame ? kLongStart : kShortStart;
    req[kAddressOffset] = request.address;
    req[kLengthOffset] = static_cast<uint8_t>(length);
    req[kCommandOffset] = request.command;
    if (request.hasData) req[kDataOffset] = request.dataByte;
    AppendCrc16(req, length - 2);
    link.line.Purge();

    int64_t rtsDeadline = 0;
    if (s.Upr_Sign != 0) {
      link.line.SetRts(true);
      link.clock.WaitMs(2);  // let the modem's transmitter come up
      const bool countPreambles = link.kindGroupFlag && link.deviceKind != 18;
      rtsDeadline = link.clock.Counter() + RtsHoldTicks(length, preambles, countPreambles,
                                                        SpeedOfIndex(s.BaudRate), frequency);
    }

    std::fill(wire.begin(), wire.begin() + preambles, kPreamble);
    std::copy(req, req + length, wire.begin() + preambles);
    if (!link.line.Write(wire.data(), wire.size())) return LinkStatus::LinkWriteFailed;

    if (s.Upr_Sign != 0) {
      // RTS must drop within a character time after the last stop bit, before the device answers.
      link.clock.WaitUntilCounter(rtsDeadline);
      link.line.SetRts(false);
    }

    // Hunt for the answer's start byte; our own echo, preambles and noise are skipped while
    // the first-byte timeout lasts.
    const uint32_t t0 = link.clock.TickMs();
    for (;;) {
      link.line.SetReadTimeouts(HuntTimeouts(firstByteMs));
      uint8_t byte = 0;
      size_t got = 0;
      if (!link.line.Read(&byte, 1, &got)) {
        status = LinkStatus::LinkReadFailed;
        break;
      }
      if (got == 0) {
        status = LinkStatus::LinkNoAnswer;
        break;
      }
      if (byte == kAnswerStartA || byte == kAnswerStartB) {
        resp[0] = byte;
        break;
      }
      if (link.clock.TickMs() - t0 > firstByteMs) {
        status = LinkStatus::LinkNoAnswer;
        break;
      }
    }

    bool foreignAddress = false;
    int answerLength = 0;
    if (status == LinkStatus::LinkOk) {
      link.line.SetReadTimeouts(BodyTimeouts(s.WeitTime2));
      uint8_t head[2] = {0, 0};
      size_t got = 0;
      if (!link.line.Read(head, 2, &got)) {
        status = LinkStatus::LinkReadFailed;
      } else if (got < 2) {
        status = LinkStatus::LinkShortAnswer;
      } else if (head[0] != request.address) {
        foreignAddress = true;
      } else {
        resp[kAddressOffset] = head[0];
        resp[kLengthOffset] = head[1];
        answerLength = head[1];
        // A length below 3 cannot even cover what was read; reject it without reading on.
        if (answerLength < 3) {
          status = LinkStatus::LinkShortAnswer;
        } else {
          const size_t rest = size_t(answerLength - 3);
          if (!link.line.Read(resp + 3, rest, &got))
            status = LinkStatus::LinkReadFailed;
          else if (got < rest)
            status = LinkStatus::LinkShortAnswer;
        }
      }
    }

    if (Retryable(status)) {
      if (failed(status)) continue;
      return status;
    }
    if (foreignAddress) {
      if (failed(LinkStatus::LinkWrongAnswer)) continue;
      return status;
    }
    if (!CheckCrc16(resp, answerLength - 2)) {
      if (failed(LinkStatus::LinkCrcError)) continue;
      return status;
    }
    const uint8_t echo = resp[kCommandOffset];
    if (request.probeMode == kProbeMode && echo == kNoEcho) return LinkStatus::LinkOk;
    if (echo == kNoEcho) {
      if (failed(LinkStatus::LinkWrongAnswer)) continue;
      return status;
    }
    const bool unchangedEcho = request.longFrame && echo == request.command;
    if (echo == (request.command | 0x80) || unchangedEcho) {
      if (unchangedEcho && answerLength == link.reservedAnswerLength) {
        if (failed(LinkStatus::LinkStatus5)) continue;
        return status;
      }
      return LinkStatus::LinkOk;
    }
    if (failed(LinkStatus::LinkWrongAnswer)) continue;
    return status;
  }
}

}  // namespace

LinkStatus ExchangeFrame(LinkContext& link, ExchangeBuffer& buffer, const FrameRequest& request) {
  link.lastStatus = Exchange(link, buffer, request);
  return link.lastStatus;
}

TextId LinkStatusMessage(LinkStatus status) {
  switch (status) {
    case LinkStatus::LinkWriteFailed: return 2849_t;
    case LinkStatus::LinkNoAnswer: return 2835_t;
    case LinkStatus::LinkShortAnswer: return 2842_t;
    case LinkStatus::LinkWrongAnswer: return 2851_t;
    case LinkStatus::LinkStatus5: return 2844_t;
    case LinkStatus::LinkCrcError: return 2696_t;
    case LinkStatus::LinkReadFailed: return 2850_t;
    case LinkStatus::LinkOk: break;
  }
  return TextId{0};
}

void ShowLinkMessage(Person& person, const LanguageTable& language, const QString& text,
                     Placement placement) {
  person.ShowMessageBox(language.Text(2385_t), text, language.Text(2278_t), placement);
}

void ShowLinkError(Person& person, const LanguageTable& language, LinkStatus status) {
  const TextId message = LinkStatusMessage(status);
  if (message.value == 0) return;
  ShowLinkMessage(person, language, language.Text(message));
}

}  // namespace zel
