#pragma once
// config.ini and the five profile files: the whole settings block on disk.

#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace settings {

// What loadAll could not read, for the caller's debug output.
struct LoadProblems {
    bool configUnreadable = false;  // config.ini exists but cannot be read
    bool infoDataDamaged = false;   // `InfoData` is stored with a wrong checksum or length
};

// Reads config.ini and the profile files into the block, whatever of them can
// be read, and reports success as every load does. A slot whose file cannot be
// opened gets its default profile; a missing header key reads as -1, and so do
// all of them when config.ini cannot be read. `InfoData` reads as zero when it
// is not stored, and keeps the block's counters when config.ini cannot be read
// or holds it damaged. The active profile then takes the registry's pointer
// settings. What could not be read goes to `problems` when given.
bool loadAll(SettingsBlock& block, const InstallFolder& folder, LoadProblems* problems = nullptr);

// Writes the active profile's pointer settings to the registry, then config.ini
// and the five profile files, each key in its fixed order; keys are rewritten in
// place. False when a file could not be written.
bool saveAll(const SettingsBlock& block, const InstallFolder& folder);

}  // namespace settings
