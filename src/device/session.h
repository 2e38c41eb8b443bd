#pragma once
// What a device operation works with: the shared state, the link, the person, the main
// window's activity texts and the snapshot of the connected computer.

#include "device/device_snapshot.h"
#include "link/exchange.h"
#include "shell/person.h"
#include "shell/shared_state.h"

namespace zel {

struct Session {
  SharedState& state;
  LinkContext& link;
  Person& person;
  Activity& activity;
  DeviceSnapshot& snapshot;

  const LanguageTable& language() const { return state.language; }
  QString Text(TextId id) const { return state.language.Text(id); }
  ExchangeBuffer& buffer() { return snapshot.buffer; }
};

}  // namespace zel
