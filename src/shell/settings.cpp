#include "shell/settings.h"

#include <QDir>
#include <QStandardPaths>

#include "shell/ini_file.h"

namespace zel {

namespace {
constexpr auto kParametres = "Parametres";
constexpr auto kAdress = "Adress";
constexpr auto kLanguage = "Language";
constexpr auto kOtlObmen = "OtlObmen";
constexpr auto kPorts = "Ports";

QString PortKey(int index) { return QStringLiteral("COM%1").arg(index + 1); }

// One key of the file: its section and name, and the field it fills.
template <typename Field>
struct Key {
  const char* section;
  const char* name;
  Field Settings::*field;
};

// The thirteen keys in the order they are read and written. Byte fields keep the low 8 bits.
template <typename Visit>
void ForEachKey(Visit&& visit) {
  visit(Key<int32_t>{kParametres, "BaudRate", &Settings::BaudRate});
  visit(Key<int32_t>{kParametres, "NumPort", &Settings::NumPort});
  visit(Key<int32_t>{kParametres, "WeitTime1", &Settings::WeitTime1});
  visit(Key<int32_t>{kParametres, "WeitTime2", &Settings::WeitTime2});
  visit(Key<uint8_t>{kParametres, "Kol_povt", &Settings::Kol_povt});
  visit(Key<int32_t>{kParametres, "Upr_Sign", &Settings::Upr_Sign});
  visit(Key<int32_t>{kParametres, "TypSvyaz", &Settings::TypSvyaz});
  visit(Key<int32_t>{kParametres, "AOSkor", &Settings::AOSkor});
  visit(Key<int32_t>{kParametres, "Preamb", &Settings::Preamb});
  visit(Key<uint8_t>{kAdress, "Adress", &Settings::Adress});
  visit(Key<int32_t>{kLanguage, "LangRus", &Settings::LangRus});
  visit(Key<int32_t>{kOtlObmen, "KolZapusk", &Settings::KolZapusk});
  visit(Key<uint8_t>{kOtlObmen, "KalendarZapros", &Settings::KalendarZapros});
}
}  // namespace

std::array<QString, kPortCount> Settings::DefaultPortPaths() {
  std::array<QString, kPortCount> paths;
  for (int i = 0; i < kPortCount; ++i) paths[i] = QStringLiteral("/dev/ttyS%1").arg(i);
  return paths;
}

QString Settings::PortPath(int index) const {
  return index >= 0 && index < kPortCount ? portPaths[index] : QString();
}

QString DefaultSettingsPath() {
  const QString overridden = qEnvironmentVariable("ZELMARK_SETTINGS");
  if (!overridden.isEmpty()) return overridden;
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config");
  return config + QStringLiteral("/Zelmark.ini");
}

Settings ReadSettings(const QString& path) {
  const IniFile ini = IniFile::Read(path);
  Settings s;
  ForEachKey([&](auto key) {
    using Field = std::remove_reference_t<decltype(s.*key.field)>;
    const long long v = ini.Integer(key.section, key.name, s.*key.field);
    s.*key.field = static_cast<Field>(v);  // byte fields keep the low 8 bits
  });
  for (int i = 0; i < kPortCount; ++i) {
    const auto v = ini.Value(kPorts, PortKey(i));
    // A path must name a device file; anything else keeps the usual name.
    if (v && v->startsWith(u'/') && !v->contains(u'\0')) s.portPaths[i] = *v;
  }
  return s;
}

Settings LoadSettings(const QString& path) {
  Settings s = ReadSettings(path);
  if (s.KolZapusk > 0) --s.KolZapusk;
  return s;
}

bool SaveSettings(Settings& s, const QString& path) {
  if (s.KolZapusk == 0) s.KalendarZapros = 0;
  IniFile ini = IniFile::Read(path);
  ForEachKey([&](auto key) {
    ini.SetValue(key.section, key.name, QString::number(s.*key.field));
  });
  for (int i = 0; i < kPortCount; ++i) ini.SetValue(kPorts, PortKey(i), s.portPaths[i]);
  return ini.Write(path);
}

}  // namespace zel
