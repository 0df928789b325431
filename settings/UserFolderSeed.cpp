#include "settings/UserFolderSeed.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

#include "platform/system/UserFolders.h"
#include "settings/PendingChanges.h"

namespace settings {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTopLevelSeeds[] = {"config.ini", "DeviceInfo.ini", "Wave/sensorImage.bmp"};
constexpr const char* kUserSubfolders[] = {"config", "Wave", "FWUpdateB"};
constexpr char kConfigFolder[] = "config";

bool isRegularFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(fs::symlink_status(path, error));
}

// Copies through a temporary file beside the target and links it in place only
// when the target is still missing: another program seeding at the same time,
// or a file of the user's, is never replaced nor seen half written.
bool copyIfMissing(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(to, error)))
        return true;
    const fs::path temporary = to.string() + ".seed-" + std::to_string(::getpid());
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error))
        return false;
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, error);
    fs::create_hard_link(temporary, to, error);
    const bool placed = !error || error == std::errc::file_exists;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return placed;
}

}  // namespace

std::vector<std::string> seedFilesIn(const std::string& dataFolder)
{
    std::vector<std::string> names;
    const fs::path data(dataFolder);
    for (const char* name : kTopLevelSeeds)
        if (isRegularFile(data / name))
            names.emplace_back(name);
    std::error_code error;
    for (fs::directory_iterator entry(data / kConfigFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name != kPendingChangesFileName && isRegularFile(entry->path()))
            names.push_back(std::string(kConfigFolder) + '/' + name);
    }
    return names;
}

bool prepareUserFolder(const std::string& dataFolder, const std::string& userFolder)
{
    if (!platform::ensureFolder(userFolder))
        return false;
    const fs::path user(userFolder);
    for (const char* subfolder : kUserSubfolders)
        if (!platform::ensureFolder((user / subfolder).string()))
            return false;
    std::error_code error;
    if (fs::exists(user / kSeededMarkerFile, error))
        return true;

    bool copied = true;
    for (const std::string& name : seedFilesIn(dataFolder))
        copied = copyIfMissing(fs::path(dataFolder) / name, user / name) && copied;
    if (!copied)
        return false;
    std::ofstream marker(user / kSeededMarkerFile, std::ios::binary | std::ios::app);
    return marker.good();
}

}  // namespace settings
