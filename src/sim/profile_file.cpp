#include "sim/profile_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "link/serial_line.h"

namespace zel::sim {

namespace {

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  const size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

// Reads typed values; each returns an error text or an empty one.
std::string Integer(const std::string& v, long lo, long hi, long* out) {
  if (v.empty()) return "a number is missing";
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(v.c_str(), &end, 0);
  if (*end != '\0' || errno != 0) return "'" + v + "' is not a whole number";
  if (n < lo || n > hi) return std::to_string(n) + " lies outside " + std::to_string(lo) + ".." + std::to_string(hi);
  *out = n;
  return {};
}

std::string Real(const std::string& v, double* out) {
  if (v.empty()) return "a number is missing";
  char* end = nullptr;
  const double d = std::strtod(v.c_str(), &end);
  if (*end != '\0' || !std::isfinite(d)) return "'" + v + "' is not a number";
  *out = d;
  return {};
}

std::string Boolean(const std::string& v, bool* out) {
  if (v == "yes" || v == "true" || v == "1") *out = true;
  else if (v == "no" || v == "false" || v == "0") *out = false;
  else return "'" + v + "' is neither yes nor no";
  return {};
}

template <typename T>
std::function<std::string(const std::string&)> IntField(T* field, long lo, long hi) {
  return [=](const std::string& v) {
    long n = 0;
    std::string e = Integer(v, lo, hi, &n);
    if (e.empty()) *field = static_cast<T>(n);
    return e;
  };
}

template <typename T>
std::function<std::string(const std::string&)> RealField(T* field, double lo = -1e30,
                                                         double hi = 1e30) {
  return [=](const std::string& v) {
    double d = 0;
    std::string e = Real(v, &d);
    if (e.empty() && (d < lo || d > hi)) {
      std::ostringstream range;
      range << v << " lies outside " << lo << ".." << hi;
      e = range.str();
    }
    if (e.empty()) *field = static_cast<T>(d);
    return e;
  };
}

std::function<std::string(const std::string&)> BoolField(bool* field) {
  return [=](const std::string& v) { return Boolean(v, field); };
}

std::function<std::string(const std::string&)> TextField(std::string* field, size_t limit) {
  return [=](const std::string& v) -> std::string {
    std::string s = v;
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    // Limits count characters, not the bytes of their UTF-8 form.
    size_t chars = 0;
    for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
    if (chars > limit) return "at most " + std::to_string(limit) + " characters";
    *field = s;
    return {};
  };
}

std::function<std::string(const std::string&)> SpeedField(uint32_t* field) {
  return [=](const std::string& v) {
    long n = 0;
    std::string e = Integer(v, 1, 1'000'000, &n);
    if (!e.empty()) return e;
    if (IndexOfSpeed(uint32_t(n)) < 0) return std::to_string(n) + " is not a speed of the speed table";
    *field = uint32_t(n);
    return std::string();
  };
}

using Fields = std::vector<std::pair<std::string, std::function<std::string(const std::string&)>>>;

Fields DeviceFields(DeviceProfile& p) {
  return {
      {"name", TextField(&p.name, 40)},
      {"description", TextField(&p.description, 200)},
      {"oldest-generation", BoolField(&p.oldestGeneration)},
      {"kind", IntField(&p.kindCode, 0, 255)},
      {"version", IntField(&p.version, 0, 255)},
      {"revision", IntField(&p.revision, 0, 255)},
      {"little-endian", BoolField(&p.littleEndian)},
      {"long-run-record", BoolField(&p.longRunRecord)},
      {"extended-write-form", BoolField(&p.extendedWriteForm)},
      {"speed", SpeedField(&p.baud)},
      {"address", IntField(&p.address, 1, 254)},
      {"answer-start",
       [&p](const std::string& v) {
         long n = 0;
         std::string e = Integer(v, 0, 255, &n);
         if (e.empty() && n != 0x55 && n != 0x66) e = "the answer starts with 0x55 or 0x66";
         if (e.empty()) p.answerStart = static_cast<uint8_t>(n);
         return e;
       }},
      {"answer-delay-ms", IntField(&p.answerDelayMs, 0, 1000)},
      {"mode-switch-seconds", IntField(&p.modeSwitchSeconds, 0, 255)},
      {"pressure-unit", IntField(&p.pressureUnit, 0, 1)},
      {"dp-unit", IntField(&p.dpUnit, 0, 1)},
      {"write-password", TextField(&p.writePassword, 16)},
      {"static-password", TextField(&p.staticPassword, 16)},
      {"tag", TextField(&p.tag, 16)},
      {"factory-number", IntField(&p.factoryNumber, 0, 4294967295L)},
      {"measure-period-ms", IntField(&p.measurePeriodMs, 50, 60000)},
      {"noise", RealField(&p.noise, 0.0, 0.1)},
      {"ambient", RealField(&p.ambient, -40.0, 70.0)},
  };
}

Fields RunFields(RunProfile& r) {
  return {
      {"flags", IntField(&r.flags, 0, 255)},
      {"options", IntField(&r.options, 0, 255)},
      {"extra", IntField(&r.extra, 0, 255)},
      {"pressure", RealField(&r.pressure)},
      {"temperature", RealField(&r.temperature)},
      {"dp", RealField(&r.dp)},
      {"flow", RealField(&r.flow)},
      {"pressure-lower", RealField(&r.pressureLower)},
      {"pressure-upper", RealField(&r.pressureUpper)},
      {"dp-upper", RealField(&r.dpUpper)},
      {"dp-lower-range-upper", RealField(&r.dpLowerRangeUpper)},
      {"flow-upper", RealField(&r.flowUpper)},
      {"substitution", IntField(&r.substitution, 0, 255)},
      {"dp-constant", RealField(&r.dpConstant)},
      {"pressure-constant", RealField(&r.pressureConstant)},
      {"temperature-constant", RealField(&r.temperatureConstant)},
      {"parameter", IntField(&r.parameter, 0, 255)},
      {"density-constant", RealField(&r.densityConstant)},
      {"extra-code", IntField(&r.extraCode, 0, 15)},
  };
}

}  // namespace

std::optional<DeviceProfile> ParseProfile(const std::string& text, const std::string& source,
                                          std::string* error) {
  DeviceProfile p = *FindProfile(kDemoProfile);
  p.name = "custom";
  p.description = "described by " + source;
  std::vector<RunProfile> runs;  // from [run N] sections, when there are any
  int section = 0;               // 0: the device, N: run N
  bool anyField = false;
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  auto fail = [&](const std::string& what) {
    *error = source + ":" + std::to_string(lineNo) + ": " + what;
    return std::nullopt;
  };
  while (std::getline(in, raw)) {
    ++lineNo;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line.front() == '[') {
      long n = 0;
      if (line.back() != ']' || line.compare(0, 4, "[run") != 0 ||
          !Integer(Trim(line.substr(4, line.size() - 5)), 1, 3, &n).empty())
        return fail("section '" + line + "': only [run 1] to [run 3] exist");
      if (n > long(runs.size()) + 1)
        return fail("section '" + line + "': runs are described in order, from [run 1]");
      if (n == long(runs.size()) + 1)
        runs.push_back(size_t(n) <= p.runs.size() ? p.runs[n - 1] : RunProfile{});
      section = int(n);
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) return fail("'" + line + "' is no 'field = value' line");
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    if (section == 0 && key == "base") {
      if (anyField || !runs.empty()) return fail("field 'base': must come before every other field");
      const std::optional<DeviceProfile> b = FindProfile(value);
      if (!b) return fail("field 'base': no built-in profile is called '" + value + "'");
      p = *b;
      anyField = true;
      continue;
    }
    anyField = true;
    if (section == 0 && key.compare(0, 6, "ident.") == 0) {
      long index = 0, byte = 0;
      if (!Integer(key.substr(6), 0, long(p.identOverrides.size()) - 1, &index).empty())
        return fail("field '" + key + "': the identification byte number lies in 0..53");
      if (const std::string e = Integer(value, 0, 255, &byte); !e.empty())
        return fail("field '" + key + "': " + e);
      p.identOverrides[size_t(index)] = static_cast<uint8_t>(byte);
      p.identOverridden[size_t(index)] = true;
      continue;
    }
    const Fields fields = section == 0 ? DeviceFields(p) : RunFields(runs[size_t(section) - 1]);
    bool found = false;
    for (const auto& [name, set] : fields) {
      if (name != key) continue;
      found = true;
      if (const std::string e = set(value); !e.empty()) return fail("field '" + key + "': " + e);
    }
    if (!found)
      return fail("field '" + key + "': unknown" + (section == 0 ? "" : " in a run section"));
  }
  if (!runs.empty()) p.runs = runs;
  if (const std::string problem = ProfileProblem(p); !problem.empty()) {
    *error = source + ": " + problem;
    return std::nullopt;
  }
  return p;
}

std::optional<DeviceProfile> LoadProfileFile(const std::string& path, std::string* error) {
  std::ifstream file(path);
  if (!file) {
    *error = path + ": cannot be read";
    return std::nullopt;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return ParseProfile(text.str(), path, error);
}

std::string FormatProfile(const DeviceProfile& p) {
  std::ostringstream out;
  auto hex = [](int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", v);
    return std::string(buf);
  };
  out << "# zelmark-sim device profile\n"
      << "name = " << p.name << "\n"
      << "description = " << p.description << "\n"
      << "oldest-generation = " << (p.oldestGeneration ? "yes" : "no") << "\n"
      << "kind = " << int(p.kindCode) << "\n"
      << "version = " << int(p.version) << "\n"
      << "revision = " << int(p.revision) << "\n"
      << "little-endian = " << (p.littleEndian ? "yes" : "no") << "\n"
      << "long-run-record = " << (p.longRunRecord ? "yes" : "no") << "\n"
      << "extended-write-form = " << (p.extendedWriteForm ? "yes" : "no") << "\n"
      << "speed = " << p.baud << "\n"
      << "address = " << int(p.address) << "\n"
      << "answer-start = " << hex(p.answerStart) << "\n"
      << "answer-delay-ms = " << p.answerDelayMs << "\n"
      << "mode-switch-seconds = " << int(p.modeSwitchSeconds) << "\n"
      << "pressure-unit = " << int(p.pressureUnit) << "\n"
      << "dp-unit = " << int(p.dpUnit) << "\n"
      << "write-password = " << p.writePassword << "\n"
      << "static-password = " << p.staticPassword << "\n"
      << "tag = " << p.tag << "\n"
      << "factory-number = " << p.factoryNumber << "\n"
      << "measure-period-ms = " << p.measurePeriodMs << "\n"
      << "noise = " << p.noise << "\n"
      << "ambient = " << p.ambient << "\n";
  for (size_t i = 0; i < p.identOverrides.size(); ++i)
    if (p.identOverridden[i]) out << "ident." << i << " = " << hex(p.identOverrides[i]) << "\n";
  for (size_t i = 0; i < p.runs.size(); ++i) {
    const RunProfile& r = p.runs[i];
    out << "\n[run " << i + 1 << "]\n"
        << "flags = " << hex(r.flags) << "\n"
        << "options = " << hex(r.options) << "\n"
        << "extra = " << hex(r.extra) << "\n"
        << "pressure = " << r.pressure << "\n"
        << "temperature = " << r.temperature << "\n"
        << "dp = " << r.dp << "\n"
        << "flow = " << r.flow << "\n"
        << "pressure-lower = " << r.pressureLower << "\n"
        << "pressure-upper = " << r.pressureUpper << "\n"
        << "dp-upper = " << r.dpUpper << "\n"
        << "dp-lower-range-upper = " << r.dpLowerRangeUpper << "\n"
        << "flow-upper = " << r.flowUpper << "\n"
        << "substitution = " << hex(r.substitution) << "\n"
        << "dp-constant = " << r.dpConstant << "\n"
        << "pressure-constant = " << r.pressureConstant << "\n"
        << "temperature-constant = " << r.temperatureConstant << "\n"
        << "parameter = " << int(r.parameter) << "\n"
        << "density-constant = " << r.densityConstant << "\n"
        << "extra-code = " << int(r.extraCode) << "\n";
  }
  return out.str();
}

}  // namespace zel::sim
