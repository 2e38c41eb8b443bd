#pragma once
// A session on an in-process line for device operations: shared state with the Russian
// catalogue, a scripted person, the virtual clock. Tests attach a peer (the simulator or a
// scripted device) to `line`.

#include "device/session.h"
#include "link/pipe_line.h"
#include "support/scripted_person.h"

namespace zel::test {

struct RecordedActivity : Activity {
  void SetPortText(const QString& t) override { port << t; }
  void SetActivityText(const QString& t) override { activity << t; }
  void SetStatusText(const QString& t) override { status << t; }
  QStringList port, activity, status;
};

class DeviceFixture {
 public:
  explicit DeviceFixture(LinePeer* peer = nullptr)
      : line(clock, peer), link{line, clock, state.settings},
        session{state, link, person, activity, snapshot} {
    state.language.LoadFile(QStringLiteral(ZELMARK_BIN_DIR "/Lang01.qm"));
    line.Open(state.settings.PortPath(state.settings.NumPort));
    line.Apply({SpeedOfIndex(state.settings.BaudRate), Parity::None});
  }
  SharedState state;
  VirtualClock clock;
  PipeLine line;
  LinkContext link;
  ScriptedPerson person;
  RecordedActivity activity;
  DeviceSnapshot snapshot;
  Session session;
};

}  // namespace zel::test
