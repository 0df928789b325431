#include "option/core/ProfileFiles.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "settings/ChangeFlags.h"
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
    // Read and checked before anything is copied, so a refused file leaves no trace.
    const auto imported = std::make_unique<settings::ProfileRecord>();
    switch (settings::readProfileFile(path, *imported)) {
    case settings::ProfileFileRead::Loaded:
        break;
    case settings::ProfileFileRead::CannotOpen:
        error = path + ": cannot be opened";
        return false;
    case settings::ProfileFileRead::NotARegularFile:
        error = path + ": not a regular file";
        return false;
    case settings::ProfileFileRead::NotAProfile:
        error = path + ": not a profile file (no profile key in its section \"Setting\")";
        return false;
    }
    const std::string title = profileFileTitle(path);
    if (title.empty() || !copyReplacing(path, core.folder.userFile(title + ".vmp"))) {
        error = path + ": cannot be copied to the program folder";
        return false;
    }
    core.blocks.working->Profiles[slot] = *imported;
    settings::setAllButtonFlags(*core.blocks.working, slot);
    return true;
}

bool saveSlotToProfileFile(const ApplicationCore& core, int slot, const std::string& path, std::string& error)
{
    if (!settings::isValidProfileIndex(slot)) {
        error = "slot " + std::to_string(slot) + " refused: allowed 0 to 4";
        return false;
    }
    const std::string title = profileFileTitle(path);
    if (title.empty()) {
        error = path + ": cannot be written";
        return false;
    }
    const settings::ProfileRecord& profile = core.blocks.working->Profiles[slot];
    switch (settings::writeNewProfileFile(profile, path)) {
    case settings::ProfileFileWrite::Written:
        break;
    case settings::ProfileFileWrite::NotARegularFile:
        error = path + ": exists and is not a regular file; nothing written";
        return false;
    case settings::ProfileFileWrite::Failed:
        error = path + ": cannot be written; a file there is left as it was";
        return false;
    }
    settings::writeProfileFileName(core.folder, slot, title);
    if (settings::writeNewProfileFile(profile, core.folder.configSubfolder() + title + ".vmp") !=
        settings::ProfileFileWrite::Written) {
        error = path + ": written, but not copied into the configuration folder";
        return false;
    }
    return true;
}

}  // namespace option::core
