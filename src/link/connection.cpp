#include "link/connection.h"

#include <algorithm>

#include "device/commands.h"
#include "device/identification.h"
#include "device/passwords.h"
#include "device/run_state.h"
#include "device/session.h"
#include "link/port.h"

namespace zel {

namespace {

// Marks of the speed search: the first probe has no starting index yet; after the last speed
// the search is exhausted.
constexpr int kSearchFirstTry = 18;
constexpr int kSearchExhausted = 17;
// The speed search waits 220 ms for the first byte of each answer.
constexpr int32_t kSearchWeitTime1 = 100;

LinkStatus Probe(ConnectionContext& ctx) {
  ExchangeBuffer buffer;  // a fresh zero-filled buffer of its own
  return ExchangeFrame(ctx.link, buffer,
                       {false, 6, command::ProbeLink, kProbeMode, true, 1,
                        ctx.state.settings.Adress});
}

ConnectOutcome Fail(ConnectionContext& ctx, ConnectResult result, ConnectOutcome outcome = {}) {
  ClosePort(ctx.line);
  ctx.activity.SetPortText(QString());
  outcome.result = result;
  return outcome;
}

}  // namespace

QString PortPanelText(const SharedState& state) {
  return state.language.Format(
      1456_t, {state.settings.NumPort + 1, SpeedOfIndex(state.settings.BaudRate)});
}

ConnectOutcome OpenAndProbe(ConnectionContext& ctx) {
  Settings& s = ctx.state.settings;
  const LanguageTable& l = ctx.state.language;
  ConnectOutcome out;
  if (!OpenPort(ctx.line, s)) {
    ShowLinkMessage(ctx.person, l, l.Format(2855_t, {s.NumPort + 1}));
    return Fail(ctx, ConnectResult::PortFailed);
  }

  if (s.AOSkor == 0) {
    ApplySpeed(ctx.line, s);
    ctx.activity.SetActivityText(l.Text(2728_t));
    ctx.activity.SetStatusText(l.Text(2615_t));
    out.triedSpeeds.push_back(SpeedOfIndex(s.BaudRate));
    out.status = Probe(ctx);
    ctx.activity.SetStatusText(QString());
    ctx.activity.SetActivityText(QString());
    if (out.status != LinkStatus::LinkOk) {
      ShowLinkError(ctx.person, l, out.status);
      return Fail(ctx, ConnectResult::ProbeFailed, std::move(out));
    }
    out.result = ConnectResult::Connected;
    return out;
  }

  // The speed search: the configured speed, then 115200 bit/s downwards without it, then the
  // configured speed once more; one attempt of 220 ms each.
  const int32_t savedWeitTime1 = s.WeitTime1;
  int marker = kSearchFirstTry;
  for (;;) {
    s.WeitTime1 = kSearchWeitTime1;
    ApplySpeed(ctx.line, s);
    ctx.activity.SetStatusText(l.Text(2615_t));
    ctx.activity.SetPortText(PortPanelText(ctx.state));
    const uint8_t savedAttempts = s.Kol_povt;
    s.Kol_povt = 1;
    out.triedSpeeds.push_back(SpeedOfIndex(s.BaudRate));
    out.status = Probe(ctx);
    s.Kol_povt = savedAttempts;
    ctx.activity.SetStatusText(QString());
    if (out.status == LinkStatus::LinkOk) break;
    if (marker == kSearchExhausted) {
      ctx.activity.SetPortText(QString());
      ShowLinkError(ctx.person, l, out.status);
      s.WeitTime1 = savedWeitTime1;
      return Fail(ctx, ConnectResult::ProbeFailed, std::move(out));
    }
    int index = s.BaudRate;
    if (marker == kSearchFirstTry) {
      marker = index;
      index = kSpeedCount - 1;
    } else {
      --index;
    }
    if (index == marker) --index;
    if (index < 0) {
      index = marker;
      marker = kSearchExhausted;
      s.WeitTime1 = savedWeitTime1;
    }
    s.BaudRate = index;
  }
  s.WeitTime1 = savedWeitTime1;
  out.result = ConnectResult::Connected;
  return out;
}

ConnectOutcome ConnectDirect(ConnectionContext& ctx) {
  SharedState& state = ctx.state;
  Settings& s = state.settings;
  state.deviceViewOpen = false;
  state.directConnection = true;

  ClosePort(ctx.line);
  ctx.activity.SetPortText(PortPanelText(state));

  const auto address =
      ctx.person.AskAddress(s.Adress, [&ctx] { RunLinkParameters(ctx, ctx.link.clock); });
  if (!address) {
    ctx.activity.SetPortText(QString());
    return {};
  }
  s.Adress = uint8_t(*address);

  // A new computer: nothing of the last one counts any more.
  ctx.link.deviceKind = 0;
  ctx.link.kindGroupFlag = true;

  ConnectOutcome out = OpenAndProbe(ctx);
  if (out.result != ConnectResult::Connected) return out;

  out.snapshot = std::make_unique<DeviceSnapshot>();
  Session session{state, ctx.link, ctx.person, ctx.activity, *out.snapshot};
  for (;;) {
    const int identified = IdentifyDevice(session);
    if (identified == 0) break;
    if (identified == 2) return Fail(ctx, ConnectResult::NotServed, std::move(out));
    if (!ctx.person.AskYesNo(state.language.Text(2195_t), state.language.Text(2196_t)))
      return Fail(ctx, ConnectResult::GaveUp, std::move(out));
  }
  if (AskWritePassword(session, true) != 0 || ReadRunStates(session) != 0 ||
      ReadTag(session) != 0)
    return Fail(ctx, ConnectResult::GaveUp, std::move(out));

  ComputeRunSchemes(*out.snapshot);
  ctx.activity.SetPortText(QString());
  state.deviceViewOpen = true;
  s.TypSvyaz = 0;
  out.result = ConnectResult::Connected;
  return out;
}

void RunLinkParameters(ConnectionContext& ctx, Clock& clock) {
  SharedState& state = ctx.state;
  const LanguageTable& l = state.language;
  std::array<bool, kPortCount> present{};
  {
    auto progress = ctx.person.OpenProgress(l.Text(2287_t), l.Text(3070_t), kPortCount,
                                            Placement::BelowActive, ProgressKind::PortTest);
    for (int i = 0; i < kPortCount; ++i) {
      progress->SetValue(i + 1);
      auto line = ctx.makeLine();
      const QString path = state.settings.PortPath(i);
      present[i] = !path.isEmpty() && line->Open(path);
      if (present[i]) {
        // Hold the port a moment, as a port that answers to opening only briefly is no use.
        clock.WaitMs(500);
        line->Close();
        clock.WaitMs(500);
      }
    }
  }
  if (std::none_of(present.begin(), present.end(), [](bool p) { return p; })) {
    ctx.activity.SetPortText(QString());
    ShowLinkMessage(ctx.person, l, l.Text(2856_t), Placement::BelowActive);
    return;
  }
  LinkParameters params = LinkParametersFrom(state.settings);
  params.portPresent = present;
  if (ctx.person.EditLinkParameters(params)) StoreLinkParameters(params, state.settings);
  ctx.activity.SetPortText(PortPanelText(state));
}

std::unique_ptr<DeviceSnapshot> WorkWithoutConnection(SharedState& state) {
  state.directConnection = false;
  state.deviceViewOpen = true;
  return std::make_unique<DeviceSnapshot>();
}

void EditPreambles(SharedState& state, Person& person) {
  if (const auto count = person.AskPreambles(state.settings.Preamb)) state.settings.Preamb = *count;
}

void ComputeRunSchemes(DeviceSnapshot& snap) {
  const bool kindGroupFlag = snap.id.kindGroupFlag;
  const DeviceIdentity& id = snap.id;
  for (int run = 1; run <= snap.servedRuns(); ++run) {
    const uint8_t f = snap.runFlags(run);
    const uint8_t o = snap.runOptions(run);
    const uint8_t e = snap.configurationBlock[71 + run - 1];
    const bool special = id.softwareVersion >= 10 && id.longRunRecord && id.identR4Bit4 && (e & 0x02);
    const bool otherwise = (id.softwareVersion >= 9 && id.identR4Low == 0 && (o & 0x40) &&
                            !kindGroupFlag) ||
                           (id.longRunRecord && (o & 0x5F) == 0x41);
    int primary = 6, secondary = 6;
    if (!special) {
      primary = (f & 0x80) ? 2 : (f & 0x10) ? 5 : 3;
      secondary = (f & 0x80) ? 2 : 3;
      if (otherwise) {
        primary += 10;
        secondary += 10;
      }
    }
    snap.runScheme[run] = {primary, secondary};
  }
}

}  // namespace zel
