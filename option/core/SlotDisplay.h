#pragma once
// What the main window shows of the five profile slots: which slot is edited,
// which one is the Windows profile, each slot's colour indicator and name, and
// the identity (name and linked games) the profile dialog edits.
#include <array>
#include <string>
#include <vector>

#include "option/core/LightingPalette.h"
#include "settings/SettingsBlock.h"

namespace option::core {

struct SlotDisplay {
    bool current = false;         // the slot `CurrentProfile` names
    bool windowsProfile = false;  // the slot `WindowsProfile` names
    Rgb indicator;
    std::string name;
};

// A `CurrentProfile` or `WindowsProfile` outside 0-4 marks no slot.
std::array<SlotDisplay, settings::kProfileCount> slotDisplays(const settings::SettingsBlock& block);

// A click on the Windows-profile marker of `slot` clears the mark at once when
// the slot already is the Windows profile; otherwise the user confirms first.
bool markerClickNeedsConfirmation(const settings::SettingsBlock& block, int slot);

struct ProfileIdentity {
    std::string name;
    std::vector<std::string> gameFiles;  // always three, "" where none is linked
};

// Empty fields for a slot outside 0-4.
ProfileIdentity profileIdentity(const settings::SettingsBlock& block, int slot);

}  // namespace option::core
