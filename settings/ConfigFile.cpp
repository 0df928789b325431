#include "settings/ConfigFile.h"

#include <filesystem>
#include <system_error>

#include "platform/ini/IniBatch.h"
#include "settings/BlockDefaults.h"
#include "settings/ConfigKeys.h"
#include "settings/PointerRegistry.h"
#include "settings/ProfileFile.h"

namespace settings {
namespace {

constexpr int kMissingInt = -1;

struct HeaderKey {
    const char* name;
    std::int32_t SettingsBlock::*field;
};

// In file order; `InfoData` follows them.
const HeaderKey kHeaderKeys[] = {
    {"CurrentProfile", &SettingsBlock::CurrentProfile},
    {"WindowsProfile", &SettingsBlock::WindowsProfile},
    {"QuickHelpLan", &SettingsBlock::QuickHelpLan},
    {"MouseType", &SettingsBlock::MouseType},
    {"LiftOnFlag", &SettingsBlock::LiftOnFlag},
    {"TrackControlFlag", &SettingsBlock::TrackControlFlag},
    {"DisControl", &SettingsBlock::DisControl},
};

// The header keys and `InfoData`; a file that cannot be read counts as one
// without keys, except that the counters are not thrown away with it.
void loadConfigIni(SettingsBlock& block, const InstallFolder& folder, LoadProblems& problems)
{
    const platform::ini::IniBatch config(folder.configIni(), false);
    problems.configUnreadable = !config.readable();
    for (const HeaderKey& key : kHeaderKeys)
        block.*key.field = config.readable() ? config.readInt(kConfigSection, key.name, kMissingInt) : kMissingInt;
    if (!config.readable())
        return;
    if (!config.hasKey(kConfigSection, kInfoDataKey)) {
        block.InfoData = InfoData{};
        return;
    }
    InfoData stored{};
    if (config.readStruct(kConfigSection, kInfoDataKey, &stored, sizeof stored))
        block.InfoData = stored;
    else
        problems.infoDataDamaged = true;
}

}  // namespace

bool loadAll(SettingsBlock& block, const InstallFolder& folder, LoadProblems* problems)
{
    LoadProblems found;
    loadConfigIni(block, folder, found);
    if (problems != nullptr)
        *problems = found;
    for (int p = 0; p < kProfileCount; ++p) {
        if (!loadProfileFile(block.Profiles[p], folder.profileFile(p)))
            createDefaultProfile(block.Profiles[p], p);
    }
    if (ProfileRecord* active = activeProfile(block))
        registryToProfile(*active);
    return true;
}

bool saveAll(const SettingsBlock& block, const InstallFolder& folder)
{
    if (const ProfileRecord* active = activeProfile(block))
        profileToRegistry(*active);

    bool written = true;
    {
        platform::ini::IniBatch config(folder.configIni());
        for (const HeaderKey& key : kHeaderKeys)
            config.writeInt(kConfigSection, key.name, block.*key.field);
        config.writeStruct(kConfigSection, kInfoDataKey, &block.InfoData, sizeof block.InfoData);
        written = config.commit();
    }

    std::error_code ignored;
    std::filesystem::create_directories(folder.configSubfolder(), ignored);
    for (int p = 0; p < kProfileCount; ++p)
        written = saveProfileFile(block.Profiles[p], folder.profileFile(p)) && written;
    return written;
}

}  // namespace settings
