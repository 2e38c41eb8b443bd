#pragma once
// A user-described device: a profile file in INI form (see README.md). Fields set what differs
// from a built-in profile named by `base`; [run N] sections describe the runs. A mistake is
// reported with the file, the line and the field.

#include <optional>
#include <string>

#include "sim/device_profile.h"

namespace zel::sim {

// Parses profile text; `source` names it in messages. On a mistake returns nothing and puts
// "source:line: field 'name': what is wrong" into `error`.
std::optional<DeviceProfile> ParseProfile(const std::string& text, const std::string& source,
                                          std::string* error);
// Reads and parses a profile file.
std::optional<DeviceProfile> LoadProfileFile(const std::string& path, std::string* error);
// A profile in the file format, every field written out (a starting point for a user's file).
std::string FormatProfile(const DeviceProfile& profile);

}  // namespace zel::sim
