#pragma once
// The road from a closed port to a connected flow computer: the address dialog (with the link
// parameters and their port test), opening the port, the probe with the optional speed
// search, identification, the write password, the run states and the tag, and the channel
// scheme of every run. Also work without connection and the preamble count.

#include <functional>
#include <memory>
#include <vector>

#include "device/device_snapshot.h"
#include "link/clock.h"
#include "link/exchange.h"
#include "link/serial_line.h"
#include "shell/person.h"
#include "shell/shared_state.h"

namespace zel {

// Everything the connection flow works with.
struct ConnectionContext {
  SharedState& state;
  SerialLine& line;  // the flow computer's port
  LinkContext& link;
  Person& person;
  Activity& activity;
  // A fresh line for the port test of the link parameters dialog.
  std::function<std::unique_ptr<SerialLine>()> makeLine;
};

enum class ConnectResult {
  Connected,
  Cancelled,   // the address dialog was cancelled
  PortFailed,  // the port could not be opened (message shown)
  ProbeFailed, // no answer to the probe (message shown)
  GaveUp,      // a later step failed and the person declined to repeat
  NotServed,   // a computer this program does not serve (notice shown)
};

struct ConnectOutcome {
  ConnectResult result = ConnectResult::Cancelled;
  LinkStatus status = LinkStatus::LinkOk;  // of the probe
  std::vector<uint32_t> triedSpeeds;       // bit rates probed, in order
  // The connected computer; after a failure, what was read of it up to the failure.
  std::unique_ptr<DeviceSnapshot> snapshot;
};

// The direct connection. The port stays open when it succeeds and is closed otherwise.
ConnectOutcome ConnectDirect(ConnectionContext& ctx);

// Opens the port of the settings and probes the link (with the speed search when AOSkor is
// set): `Connected` when the computer answered. On failure shows the message and closes the
// port.
ConnectOutcome OpenAndProbe(ConnectionContext& ctx);

// The link parameters command of the address dialog: port test, then the dialog.
void RunLinkParameters(ConnectionContext& ctx, Clock& clock);

// Work without connection: an empty snapshot and no port.
std::unique_ptr<DeviceSnapshot> WorkWithoutConnection(SharedState& state);

// The preamble count command.
void EditPreambles(SharedState& state, Person& person);

// The port panel text: port number and bit rate.
QString PortPanelText(const SharedState& state);

// The two scheme codes of each run: 2 P and T, 3 with dP, 5 with two dP ranges, 6 special,
// +10 for runs whose channels are configured otherwise.
void ComputeRunSchemes(DeviceSnapshot& snapshot);

}  // namespace zel
