#include "settings/ParleyRegistration.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/ini/IniBatch.h"

namespace settings {
namespace {

constexpr char kRegistryFileName[] = "TConfig.ini";
constexpr char kParleySubfolder[] = "VANTRO/Parley/";

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool createIfMissing(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return true;
    std::ofstream created(path, std::ios::binary | std::ios::app);
    return created.good();
}

}  // namespace

std::string parleyFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return std::string(dataHome) + "/" + kParleySubfolder;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.local/share/" + kParleySubfolder;
    return {};
}

bool registerWithParley(const std::string& folder)
{
    if (folder.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = folder + kRegistryFileName;
    if (!createIfMissing(path))
        return false;

    platform::ini::IniBatch file(path);
    if (!file.readable())
        return false;
    for (const std::string& section : file.sectionNames()) {
        if (equalIgnoringCase(file.readString(section, "Name"), kParleyMonitorName))
            return true;
    }
    file.writeString(kParleyMonitorSection, "Name", kParleyMonitorName);
    file.writeString(kParleyMonitorSection, "WindowName", kMonitorWindowTitle);
    file.writeInt(kParleyMonitorSection, "Device", 0);
    return file.commit();
}

}  // namespace settings
