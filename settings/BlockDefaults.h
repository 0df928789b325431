#pragma once
// Creating and clearing the settings block and its profiles.

#include "settings/ProfileRecord.h"
#include "settings/SettingsBlock.h"

namespace settings {

// Fills a profile with the defaults of slot 0-4; the slot chooses the name and the
// lighting. The sixth `dpi` byte is left as it was. A slot outside 0-4 counts as
// slot 0.
void createDefaultProfile(ProfileRecord& profile, int slot);

// The header defaults (language index as given) and the default profile of every
// slot. `MouseType`, `InfoData` and the change flags are left as they were.
void createDefaultBlock(SettingsBlock& block, int languageIndex);
// The same with the language index of the system language.
void createDefaultBlock(SettingsBlock& block);

// Prepares the block for loading the configuration files, so that a failed load
// leaves nothing stale: no active profile, zeroed profiles, no change flags.
void clearForLoading(SettingsBlock& block);

}  // namespace settings
