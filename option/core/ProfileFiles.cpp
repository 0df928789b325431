#include "option/core/ProfileFiles.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include <stdlib.h>
#include <unistd.h>

#include "settings/ConfigKeys.h"
#include "settings/ProfileFile.h"

namespace option::core {
namespace {

namespace fs = std::filesystem;

// Copies unless both names are the same file (the user chose the copy itself).
bool copyReplacing(const std::string& from, const std::string& to)
{
    std::error_code error;
    if (fs::exists(to, error) && fs::equivalent(from, to, error))
        return true;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
}

// The file holds exactly the profile afterwards, and an existing file stays as it
// was until the new one is complete: written beside it, then renamed over it.
bool replaceWithProfile(const settings::ProfileRecord& profile, const std::string& path)
{
    std::string temporary = path + ".saving-XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    std::error_code error;
    if (settings::saveProfileFile(profile, temporary) && !fs::is_directory(path, error)) {
        fs::rename(temporary, path, error);
        if (!error)
            return true;
    }
    fs::remove(temporary, error);
    return false;
}

}  // namespace

std::string profileFileTitle(const std::string& path)
{
    return fs::path(path).stem().string();
}

bool loadProfileIntoEditedSlot(ApplicationCore& core, int slot, const std::string& path, std::string& error)
{
    if (!settings::isValidProfileIndex(slot)) {
        error = "slot " + std::to_string(slot) + " refused: allowed 0 to 4";
        return false;
    }
    if (!std::ifstream(path) || fs::is_directory(path)) {
        error = path + ": cannot be opened";
        return false;
    }
    if (!settings::holdsProfile(path)) {
        error = path + ": holds no mouse profile";
        return false;
    }
    const std::string title = profileFileTitle(path);
    const std::string copy = core.folder.file(title + ".vmp");
    if (title.empty() || !copyReplacing(path, copy)) {
        error = path + ": cannot be copied to the program folder";
        return false;
    }
    if (!settings::loadProfileIntoSlot(*core.blocks.working, slot, copy)) {
        error = copy + ": cannot be read";
        return false;
    }
    return true;
}

bool saveSlotToProfileFile(const ApplicationCore& core, int slot, const std::string& path, std::string& error)
{
    if (!settings::isValidProfileIndex(slot)) {
        error = "slot " + std::to_string(slot) + " refused: allowed 0 to 4";
        return false;
    }
    const std::string title = profileFileTitle(path);
    if (title.empty() || !replaceWithProfile(core.blocks.working->Profiles[slot], path)) {
        error = path + ": cannot be written";
        return false;
    }
    settings::writeProfileFileName(core.folder, slot, title);
    if (!copyReplacing(path, core.folder.configSubfolder() + title + ".vmp")) {
        error = path + ": written, but not copied into the configuration folder";
        return false;
    }
    return true;
}

}  // namespace option::core
