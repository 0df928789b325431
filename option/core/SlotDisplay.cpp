#include "option/core/SlotDisplay.h"

#include "settings/FixedText.h"

namespace option::core {

std::array<SlotDisplay, settings::kProfileCount> slotDisplays(const settings::SettingsBlock& block)
{
    std::array<SlotDisplay, settings::kProfileCount> slots;
    for (int slot = 0; slot < settings::kProfileCount; ++slot) {
        const settings::ProfileRecord& profile = block.Profiles[slot];
        SlotDisplay& shown = slots[static_cast<std::size_t>(slot)];
        shown.current = block.CurrentProfile == slot;
        shown.windowsProfile = block.WindowsProfile == slot;
        shown.indicator = colorIndicator(profile);
        shown.name = std::string(settings::fieldText(profile.ProFileName));
    }
    return slots;
}

bool markerClickNeedsConfirmation(const settings::SettingsBlock& block, int slot)
{
    return block.WindowsProfile != slot;
}

ProfileIdentity profileIdentity(const settings::SettingsBlock& block, int slot)
{
    ProfileIdentity identity;
    identity.gameFiles.assign(settings::kGameFileCount, std::string());
    if (!settings::isValidProfileIndex(slot))
        return identity;
    const settings::ProfileRecord& profile = block.Profiles[slot];
    identity.name = settings::fieldText(profile.ProFileName);
    identity.gameFiles = {std::string(settings::fieldText(profile.GameFile0)),
                          std::string(settings::fieldText(profile.GameFile1)),
                          std::string(settings::fieldText(profile.GameFile2))};
    return identity;
}

}  // namespace option::core
