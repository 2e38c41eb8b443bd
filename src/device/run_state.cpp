#include "device/run_state.h"

#include <algorithm>
#include <cstring>

#include "device/codepage.h"
#include "device/commands.h"
#include "device/device_exchange.h"
#include "device/device_numbers.h"

namespace zel {

namespace {

// Copies the response data R[first..first+size) into `out`; what the answer lacks reads as 0.
void CopyAnswer(const ExchangeBuffer& b, int first, uint8_t* out, int size) {
  const int data = std::max(int(b.responseLength()) - 6, 0);
  for (int i = 0; i < size; ++i) out[i] = first + i < data ? b.R(first + i) : 0;
}

// Should the run values of run index i (0-based) be read?
bool ReadsRunValues(const DeviceSnapshot& s, int i) {
  const DeviceIdentity& id = s.id;
  const int run = i + 1;
  if (id.softwareVersion >= 25) return true;
  if (id.identR5Bit7 && (!id.identR5Bit4 || !(s.runFlags(run) & 0x80))) return true;
  return id.softwareVersion >= 9 && id.identR4Low == 0 && !id.kindGroupFlag &&
         (id.softwareVersion < 10 || !id.longRunRecord || !id.identR4Bit4) &&
         (s.runOptions(run) & 0x40);
}

}  // namespace

int LoadConfiguration(Session& session) {
  DeviceSnapshot& s = session.snapshot;
  const ExchangeBuffer& b = s.buffer;
  const bool le = s.id.littleEndianFloats;

  if (!ReadWithRetry(session, ShortRequest(command::ReadConfiguration), session.Text(2723_t)))
    return 1;
  CopyAnswer(b, 0, s.configurationBlock.data(), int(s.configurationBlock.size()));

  if (!ReadWithRetry(session, ShortRequest(command::ReadConfigurationPart2),
                     session.Text(2726_t)))
    return 1;
  uint8_t* part2 = s.configurationPart2Block.data();
  CopyAnswer(b, 0, part2, int(s.configurationPart2Block.size()));
  if (s.id.softwareVersion < 25) {
    for (int i = 0; i < 2; ++i)
      if (s.runFlags(i + 1) & 0x80)
        for (int offset : {79, 87, 95}) DecodeDeviceFloat(part2 + offset + 4 * i, kFloatQuiet, le);
    for (int i = 0; i < s.servedRuns(); ++i)
      for (int j = 0; j < 4; ++j) DecodeDeviceFloat(part2 + 103 + 4 * i + 12 * j, kFloatQuiet, le);
  }

  if (!ReadWithRetry(session, ShortRequest(command::ReadConfigurationPart3),
                     session.Text(2727_t)))
    return 1;
  CopyAnswer(b, 0, s.configurationPart3Block.data(), int(s.configurationPart3Block.size()));

  for (int i = 0; i < s.servedRuns(); ++i) {
    if (!ReadsRunValues(s, i)) continue;
    const bool newer = s.id.softwareVersion >= 25;
    FrameRequest request =
        newer ? ShortRequest(command::ReadRunValues, 7) : LongRequest(command::ReadRunValuesOld, 7);
    s.buffer.Q(0) = uint8_t(i + 1);
    if (!ReadWithRetry(session, request,
                       session.language().Format(2725_t, {i + 1})))
      return 1;
    uint8_t* values = s.runValues[i + 1].data();
    CopyAnswer(b, 1, values, int(s.runValues[i + 1].size()));
    // values[k] is R[k + 1].
    DecodeDeviceFloat(values + 6, kFloatQuiet, le);
    DecodeDeviceFloat(values + 10, kFloatQuiet, le);
    if (newer)
      for (int k = 0; k < 10; ++k) DecodeDeviceFloat(values + 21 + 4 * k, kFloatQuiet, le);
  }
  return 0;
}

int LoadRunRecord(Session& session, int run, bool showProgress) {
  DeviceSnapshot& s = session.snapshot;
  s.buffer.Q(0) = uint8_t(run);
  const FrameRequest request = LongRequest(command::ReadRunParameters, 7);
  const QString caption = showProgress ? session.language().Format(2724_t, {run}) : QString();
  if (Transact(session, request, caption) != LinkStatus::LinkOk) return 2;
  if (IsRefusal(s.buffer, request)) {
    ShowRefusal(session);
    return 3;
  }
  RunRecord record{};
  CopyAnswer(s.buffer, 1, record.data(), run_record::kLongSize);
  const bool le = s.id.littleEndianFloats;
  for (int offset : {run_record::kDpConstant, run_record::kPressureConstant,
                     run_record::kTemperatureConstant})
    DecodeDeviceFloat(record.data() + offset, kFloatRunRecord, le);
  if (s.extendedRecordFloat())
    DecodeDeviceFloat(record.data() + run_record::kDensityConstant, kFloatRunRecord, le);
  s.runExtraCode[run] = s.extendedWrites() ? record[run_record::kMode] >> 4 : 0;
  record[run_record::kMode] &= 0x0F;
  if (s.runRecordSize() == run_record::kShortSize)
    std::fill(record.begin() + run_record::kShortSize, record.end(), 0);
  s.runRecord[run] = record;
  return 0;
}

int StoreRunRecord(Session& session, int run) {
  DeviceSnapshot& s = session.snapshot;
  ExchangeBuffer& b = s.buffer;
  const bool le = s.id.littleEndianFloats;
  RunRecord record = s.runRecord[run];
  for (int offset : {run_record::kDpConstant, run_record::kPressureConstant,
                     run_record::kTemperatureConstant})
    EncodeDeviceFloat(record.data() + offset, le);

  FrameRequest request;
  b.Q(0) = uint8_t(run);
  if (s.extendedWrites()) {
    AskStaticPassword(session);
    EncodeDeviceFloat(record.data() + run_record::kDensityConstant, le);
    // Q[1] is a reserved byte; it goes out as 0.
    b.Q(1) = 0;
    std::copy(session.state.writePassword.begin(), session.state.writePassword.end(), &b.Q(2));
    std::copy(s.staticPassword.begin(), s.staticPassword.end(), &b.Q(18));
    std::copy(record.begin(), record.end(), &b.Q(34));
    request = LongRequest(command::WriteRunParameters, 59);
  } else {
    const int size = s.runRecordSize();
    if (s.extendedRecordFloat()) EncodeDeviceFloat(record.data() + run_record::kDensityConstant, le);
    std::copy(session.state.writePassword.begin(), session.state.writePassword.end(), &b.Q(1));
    std::copy(record.begin(), record.begin() + size, &b.Q(17));
    request = LongRequest(command::WriteRunParameters, size == run_record::kLongSize ? 42 : 38);
  }
  return SendUntilAccepted(session, request, session.language().Format(2716_t, {run})) ? 0 : 1;
}

int ReadRunStates(Session& session) {
  DeviceSnapshot& s = session.snapshot;
  if (LoadConfiguration(session) != 0) return 1;
  for (int run = 1; run <= s.servedRuns(); ++run) {
    for (;;) {
      const int result = LoadRunRecord(session, run, true);
      if (result == 0) break;
      if (result == 3) return 1;
      if (!AskRetry(session)) return 1;
    }
    if (s.runMode(run) != run_record::kServiceMode) continue;
    if (!session.person.AskYesNo3(session.Text(2325_t), session.Text(2326_t),
                                  session.Text(2327_t), QString()))
      continue;
    ExchangeBuffer& b = s.buffer;
    b.Q(0) = uint8_t(run);
    std::copy(session.state.writePassword.begin(), session.state.writePassword.end(), &b.Q(1));
    if (!SendUntilAccepted(session, LongRequest(command::LeaveServiceMode, 23),
                           session.Text(2730_t)))
      return 1;
  }
  return 0;
}

QString DecodeDeviceTag(const uint8_t* bytes, int size) {
  QByteArray tag;
  for (int i = 0; i < size && i < 16 && bytes[i] != 0; ++i) tag += char(Cp866ToCp1251(bytes[i]));
  return FromCp1251(tag);
}

int ReadTag(Session& session) {
  DeviceSnapshot& s = session.snapshot;
  if (!ReadWithRetry(session, ShortRequest(command::ReadDeviceTag), session.Text(2731_t)))
    return 1;
  uint8_t tag[16];
  CopyAnswer(s.buffer, 1, tag, 16);
  s.deviceTag = DecodeDeviceTag(tag, 16);
  return 0;
}

}  // namespace zel
