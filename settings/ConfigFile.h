#pragma once
// config.ini and the five profile files: the whole settings block on disk.

#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace settings {

// Reads config.ini and the profile files into the block. A slot whose file cannot
// be opened gets its default profile; a missing header key reads as -1. The
// active profile then takes the registry's pointer settings. False when
// config.ini exists but cannot be read (the block is left as it was).
bool loadAll(SettingsBlock& block, const InstallFolder& folder);

// Writes the active profile's pointer settings to the registry, then config.ini
// and the five profile files, each key in its fixed order; keys are rewritten in
// place. False when a file could not be written.
bool saveAll(const SettingsBlock& block, const InstallFolder& folder);

}  // namespace settings
