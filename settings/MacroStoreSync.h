#pragma once
// Start-up step of the configuration application: every macro that a profile
// carries is put back into the macro store, so a macro edited or deleted in the
// store returns from any profile that still holds it. The profile's copy wins.

#include <string>

#include "settings/MacroStore.h"
#include "settings/SettingsBlock.h"

namespace settings {

// Brings the store into line with the macro slots of all five profiles: a missing
// set or macro is appended (set marked Added), a macro whose events differ takes
// the slot's events, event count and loop count (set marked Changed). A loop
// count that alone differs is no difference. True when any set was marked.
bool syncMacroStoreWithProfiles(MacroStore& store, const SettingsBlock& block);

// The same, then saves the store (only marked sets are rewritten).
bool synchroniseMacroStore(MacroStore& store, const SettingsBlock& block, const std::string& storePath);

}  // namespace settings
