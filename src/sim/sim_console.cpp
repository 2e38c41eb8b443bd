#include "sim/sim_console.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace zel::sim {

namespace {

constexpr const char* kHelp =
    "help                      this list\n"
    "show                      true values, run modes and the computer's temperature\n"
    "set RUN.QUANTITY VALUE    a true value: QUANTITY p, t, dp or flow (set 1.p 32.5)\n"
    "set ambient VALUE         the computer's own temperature, °C\n";

struct QuantityName {
  const char* name;
  Quantity quantity;
};
constexpr QuantityName kQuantities[] = {{"p", Quantity::Pressure},
                                        {"t", Quantity::Temperature},
                                        {"dp", Quantity::Dp},
                                        {"flow", Quantity::Flow}};

}  // namespace

std::string ApplySetting(FlowComputer& device, const std::string& setting) {
  const size_t eq = setting.find('=');
  if (eq == std::string::npos) return "'" + setting + "': expected RUN.QUANTITY=VALUE or ambient=VALUE";
  const std::string target = setting.substr(0, eq);
  const std::string text = setting.substr(eq + 1);
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(value)) return "'" + text + "' is not a number";
  if (target == "ambient") {
    if (value < -40.0 || value > 70.0) return "the computer's temperature lies in -40..70 °C";
    device.SetAmbient(value);
    return {};
  }
  const size_t dot = target.find('.');
  const int run = dot == std::string::npos ? 0 : std::atoi(target.substr(0, dot).c_str());
  if (run < 1 || run > int(device.profile().runs.size()))
    return "'" + target + "': the device has runs 1 to " + std::to_string(device.profile().runs.size());
  const std::string name = target.substr(dot + 1);
  for (const QuantityName& q : kQuantities) {
    if (name == q.name) {
      device.SetTrueValue(run, q.quantity, value);
      return {};
    }
  }
  return "'" + name + "': the quantities are p, t, dp and flow";
}

std::string ConsoleCommand(FlowComputer& device, const std::string& rawLine, int64_t nowNs) {
  std::istringstream in(rawLine);
  std::string word;
  in >> word;
  if (word.empty()) return {};
  if (word == "help") return kHelp;
  if (word == "show") {
    std::ostringstream out;
    char line[200];
    std::snprintf(line, sizeof line, "computer temperature %.2f °C\n", device.ambient());
    out << line;
    for (int run = 1; run <= int(device.profile().runs.size()); ++run) {
      std::snprintf(line, sizeof line, "run %d: p %.4f  t %.2f  dp %.3f  flow %.1f  mode %d\n",
                    run, *device.TrueValue(run, Quantity::Pressure),
                    *device.TrueValue(run, Quantity::Temperature), *device.TrueValue(run, Quantity::Dp),
                    *device.TrueValue(run, Quantity::Flow), device.RunMode(run, nowNs));
      out << line;
    }
    return out.str();
  }
  if (word == "set") {
    std::string target, value, rest;
    in >> target >> value >> rest;
    if (const size_t eq = target.find('='); eq != std::string::npos && value.empty()) {
      value = target.substr(eq + 1);
      target.resize(eq);
    }
    if (target.empty() || value.empty() || !rest.empty()) return "usage: set RUN.QUANTITY VALUE\n";
    const std::string error = ApplySetting(device, target + "=" + value);
    return error.empty() ? "ok\n" : error + "\n";
  }
  return "unknown command '" + word + "'; type help\n";
}

}  // namespace zel::sim
