#pragma once
// Reading the configuration and the run records of the connected computer, writing a run
// record back, and reading its tag.

#include <QString>
#include <cstdint>

namespace zel {

struct Session;

// Reads the three configuration blocks and the run values. 0 done, 1 given up.
int LoadConfiguration(Session& session);
// Reads the record of `run` (1..3). 0 stored, 2 link failure, 3 refused (message shown).
int LoadRunRecord(Session& session, int run, bool showProgress);
// Writes the record of `run` as the snapshot holds it. 0 accepted, 1 given up.
int StoreRunRecord(Session& session, int run);
// Reads the configuration and every run record, offering to take runs found in service mode
// back to normal operation. 0 done, 1 the connection must be given up.
int ReadRunStates(Session& session);
// Reads the device tag into the snapshot. 0 done, 1 given up.
int ReadTag(Session& session);
// The tag bytes (code page 866, zero-terminated, at most 16 characters) as text.
QString DecodeDeviceTag(const uint8_t* bytes, int size);

}  // namespace zel
