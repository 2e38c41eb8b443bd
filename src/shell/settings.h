#pragma once
// The settings file "Zelmark.ini": the link settings and the language choice, read once at
// start-up and written once at exit.

#include <QString>
#include <array>
#include <cstdint>

namespace zel {

constexpr int kPortCount = 8;

struct Settings {
  int32_t BaudRate = 2;     // index into the speed table (2 = 1200 bit/s)
  int32_t NumPort = 1;      // 0 = COM1
  int32_t WeitTime1 = 2;    // first-byte timeout in seconds; 100 means 220 ms
  int32_t WeitTime2 = 140;  // timeout between following bytes, ms
  uint8_t Kol_povt = 1;     // attempts per exchange
  int32_t Upr_Sign = 0;     // key the transmitter with RTS
  int32_t TypSvyaz = 0;     // 0: connect at start-up
  int32_t AOSkor = 1;       // search the line speed when connecting
  int32_t Preamb = 10;      // 0xFF preamble bytes ahead of each request
  uint8_t Adress = 1;       // flow computer address
  int32_t LangRus = 1;      // 1 Russian, 0 Ukrainian
  int32_t KolZapusk = 0;    // start counter
  uint8_t KalendarZapros = 0;

  // Device paths of COM1..COM8 (section "Ports").
  std::array<QString, kPortCount> portPaths = DefaultPortPaths();

  static std::array<QString, kPortCount> DefaultPortPaths();
  // The device path of port index 0..7 (COM1..COM8); empty for an index outside that range.
  QString PortPath(int index) const;
};

// The settings file in use: the file named by $ZELMARK_SETTINGS when set, otherwise
// Zelmark.ini in $XDG_CONFIG_HOME (or ~/.config).
QString DefaultSettingsPath();

// Reads the thirteen keys and the port map; missing keys and a missing file give the defaults.
// Applies the start-up rule of the start counter (a positive KolZapusk counts down by one).
Settings LoadSettings(const QString& path);
// Reads without the start-up rule (for tools that only take the values as defaults).
Settings ReadSettings(const QString& path);
// Writes the thirteen keys and the port map back, keeping every other line of the file.
// Applies the exit rule (KalendarZapros becomes 0 when KolZapusk is 0). Returns false when the
// file could not be written.
bool SaveSettings(Settings& settings, const QString& path);

}  // namespace zel
