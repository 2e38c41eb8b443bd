#pragma once
// The state the program's dialogs share for the whole run: the settings, the language table,
// the start directory and the command selection of the menus. One instance, owned by the
// program (or a test) and handed to the operations; nothing reaches it through a global.

#include <QString>
#include <cstdint>

#include "device/passwords.h"
#include "shell/language.h"
#include "shell/settings.h"

namespace zel {

struct SharedState {
  Settings settings;
  QString settingsPath;
  QString startDirectory;
  LanguageTable language;
  bool directConnection = false;
  bool deviceViewOpen = false;
  // The write password of the program run, sent in every write request.
  Password writePassword = BlankPassword();
  // The channel of the current command: 0 P, 1 T, 2 dP, 3 lower dP, 4 upper dP, 5 counter
  // correction factors; and its class: 0 P, 1 T, 2 dP and upper dP, 3 lower dP, 4 counter.
  int16_t channelCode = 0;
  uint8_t channelClass = 0;
};

}  // namespace zel
