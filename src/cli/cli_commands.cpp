#include "cli/cli_commands.h"

#include <QJsonArray>

#include "cli/cli_person.h"
#include "device/refusal.h"
#include "device/session.h"
#include "link/connection.h"
#include "link/port.h"

namespace zel::cli {

namespace {

QString Hex(const uint8_t* bytes, int size) {
  return QByteArray(reinterpret_cast<const char*>(bytes), size).toHex();
}

QJsonArray Speeds(const std::vector<uint32_t>& speeds) {
  QJsonArray a;
  for (uint32_t s : speeds) a.append(int(s));
  return a;
}

// The message of a failed status, or its name when no catalogue is loaded.
QString StatusMessage(const SharedState& state, LinkStatus status) {
  const QString text = state.language.Text(LinkStatusMessage(status));
  return text.isEmpty() ? QString::fromLatin1(LinkStatusName(status)) : text;
}

Result LinkFailure(const SharedState& state, LinkStatus status) {
  return {kLinkFailure,
          QJsonObject{{"error", StatusMessage(state, status)},
                      {"linkStatus", int(status)},
                      {"status", QString::fromLatin1(LinkStatusName(status))}}};
}

Result PortFailure(const Options& o) {
  return {kLinkFailure,
          QJsonObject{{"error", QStringLiteral("cannot open the port %1").arg(o.portPath)},
                      {"port", o.portPath}}};
}

Result Refused(Session& session, const DeviceSnapshot::Refusal& r) {
  return {kRefused, QJsonObject{{"error", "refused"},
                                {"code", r.code},
                                {"a", r.a},
                                {"b", r.b},
                                {"message", FormatDeviceRefusal(session, r.code, r.a, r.b)}}};
}

QJsonObject Identity(const DeviceSnapshot& s, const Settings& settings) {
  const DeviceIdentity& id = s.id;
  QJsonObject o{
      {"baudRate", int(SpeedOfIndex(settings.BaudRate))},
      {"address", settings.Adress},
      {"softwareVersion", id.softwareVersion},
      {"softwareRevision", id.softwareRevision},
      {"deviceKind", id.deviceKind},
      {"kindOffsetFlag", int(id.kindOffsetFlag)},
      {"kindGroupFlag", int(id.kindGroupFlag)},
      {"littleEndianFloats", int(id.littleEndianFloats)},
      {"longRunRecord", int(id.longRunRecord)},
      {"extendedWriteForm", int(id.extendedWriteForm)},
      {"identR4Low", id.identR4Low},
      {"identR4Bit4", int(id.identR4Bit4)},
      {"identR5Bit7", int(id.identR5Bit7)},
      {"identR5Bit4", int(id.identR5Bit4)},
      {"productVariant", id.productVariant},
      {"variantFlag", int(id.variantFlag)},
      {"variantCode", id.variantCode},
      {"identSchemeFlag", int(id.identSchemeFlag)},
      {"runCount", s.runCount()},
      {"pressureUnitCode", s.pressureUnitCode()},
      {"dpUnitCode", s.dpUnitCode()},
      {"modeSwitchSeconds", s.modeSwitchSeconds()},
      {"tag", s.deviceTag},
  };
  QJsonArray runs;
  for (int run = 1; run <= s.servedRuns(); ++run) {
    runs.append(QJsonObject{
        {"run", run},
        {"mode", s.runMode(run)},
        {"runFlags", s.runFlags(run)},
        {"runOptions", s.runOptions(run)},
        {"runScheme", QJsonArray{s.runScheme[run][0], s.runScheme[run][1]}},
        {"record", Hex(s.runRecord[run].data(), s.runRecordSize())},
    });
  }
  o.insert("runs", runs);
  return o;
}

Result Probe(const Options& o, ConnectionContext& ctx) {
  ConnectOutcome out = OpenAndProbe(ctx);
  if (out.result == ConnectResult::PortFailed) return PortFailure(o);
  Result r = out.result == ConnectResult::Connected ? Result{kOk, {}}
                                                    : LinkFailure(ctx.state, out.status);
  r.json.insert("linkStatus", int(out.status));
  r.json.insert("status", QString::fromLatin1(LinkStatusName(out.status)));
  r.json.insert("baudRate", int(SpeedOfIndex(ctx.state.settings.BaudRate)));
  r.json.insert("tried", Speeds(out.triedSpeeds));
  return r;
}

Result Connect(const Options& o, ConnectionContext& ctx) {
  ConnectOutcome out = ConnectDirect(ctx);
  switch (out.result) {
    case ConnectResult::Connected: return {kOk, Identity(*out.snapshot, ctx.state.settings)};
    case ConnectResult::PortFailed: return PortFailure(o);
    case ConnectResult::ProbeFailed: return LinkFailure(ctx.state, out.status);
    case ConnectResult::NotServed:
      return {kNotServed, QJsonObject{{"error", "notServed"},
                                      {"softwareVersion", out.snapshot->id.softwareVersion},
                                      {"deviceKind", out.snapshot->id.deviceKind}}};
    case ConnectResult::Cancelled:
    case ConnectResult::GaveUp: break;
  }
  if (out.snapshot && out.snapshot->lastRefusal) {
    Session session{ctx.state, ctx.link, ctx.person, ctx.activity, *out.snapshot};
    return Refused(session, *out.snapshot->lastRefusal);
  }
  return LinkFailure(ctx.state, ctx.link.lastStatus);
}

Result Raw(const Options& o, ConnectionContext& ctx) {
  if (!OpenPort(ctx.line, ctx.state.settings)) return PortFailure(o);
  ApplySpeed(ctx.line, ctx.state.settings);
  DeviceSnapshot snapshot;
  ExchangeBuffer& b = snapshot.buffer;
  for (int i = 0; i < o.rawData.size(); ++i) b.Q(i) = uint8_t(o.rawData[i]);
  const FrameRequest request{o.rawLong, uint8_t(o.rawLength), uint8_t(o.rawCommand), 1, false, 0,
                             ctx.state.settings.Adress};
  const LinkStatus status = ExchangeFrame(ctx.link, b, request);
  if (status != LinkStatus::LinkOk) return LinkFailure(ctx.state, status);
  if (request.longFrame && b.responseEcho() == request.command) {
    Session session{ctx.state, ctx.link, ctx.person, ctx.activity, snapshot};
    Result r = Refused(session, {b.R(0), b.R(1), b.R(2)});
    r.json.insert("response", Hex(b.response(), b.responseLength()));
    return r;
  }
  return {kOk, QJsonObject{{"linkStatus", 0},
                           {"status", "LinkOk"},
                           {"response", Hex(b.response(), b.responseLength())}}};
}

}  // namespace

Result RunCommand(const Options& o, SharedState& state, SerialLine& line, Clock& clock) {
  CliPerson person(o.settings.Adress, o.password, o.releaseService, o.verbose);
  CliActivity activity(o.verbose);
  LinkContext link{line, clock, state.settings};
  ConnectionContext ctx{state, line, link, person, activity, nullptr};
  Result r;
  switch (o.command) {
    case Command::Probe: r = Probe(o, ctx); break;
    case Command::Connect: r = Connect(o, ctx); break;
    case Command::Raw: r = Raw(o, ctx); break;
  }
  line.Close();
  return r;
}

}  // namespace zel::cli
