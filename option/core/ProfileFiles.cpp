#include "option/core/ProfileFiles.h"

#include <filesystem>
#include <fstream>
#include <system_error>

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
    std::error_code ignored;
    fs::remove(path, ignored);
    if (title.empty() || !settings::saveProfileFile(core.blocks.working->Profiles[slot], path)) {
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
