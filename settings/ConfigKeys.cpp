#include "settings/ConfigKeys.h"

#include "platform/ini/PrivateProfile.h"
#include "settings/SettingsBlock.h"

namespace settings {
namespace {

constexpr char kMacroOsdSection[] = "MacroOSD";
constexpr char kMonitorSection[] = "Monitor";
constexpr char kInputInjectorKey[] = "InputInjector";
constexpr char kOsdSettingSection[] = "OSDSetting";
constexpr std::size_t kOsdShowMacroNamesOffset = 12;
constexpr std::size_t kOsdWordAOffset = 28;
constexpr std::size_t kOsdWordBOffset = 32;

bool writeSettingInt(const InstallFolder& folder, const char* key, int value)
{
    return platform::ini::writeInt(folder.configIni(), kConfigSection, key, value);
}

std::uint32_t littleEndianAt(const std::uint8_t* bytes, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= std::uint32_t{bytes[i]} << (8 * i);
    return value;
}

}  // namespace

bool writeCurrentProfile(const InstallFolder& folder, int profile)
{
    return writeSettingInt(folder, "CurrentProfile", profile);
}

bool writeFirmwareVersion(const InstallFolder& folder, int version)
{
    return writeSettingInt(folder, "FWVersion", version);
}

bool writeDeviceConnected(const InstallFolder& folder, int connected)
{
    return writeSettingInt(folder, "Device", connected);
}

bool writeDisControl(const InstallFolder& folder, int level)
{
    return writeSettingInt(folder, "DisControl", level);
}

bool writeInfoData(const InstallFolder& folder, const InfoData& info)
{
    return platform::ini::writeStruct(folder.configIni(), kConfigSection, kInfoDataKey, &info, sizeof info);
}

bool writeInputInjector(const InstallFolder& folder, std::string_view method)
{
    return platform::ini::writeString(folder.configIni(), kMonitorSection, kInputInjectorKey, method);
}

std::string readInputInjector(const InstallFolder& folder)
{
    return platform::ini::readString(folder.configIni(), kMonitorSection, kInputInjectorKey, "");
}

bool writeProfileFileName(const InstallFolder& folder, int slot, std::string_view title)
{
    if (!isValidProfileIndex(slot))
        return false;
    const std::string section = "Profile" + std::to_string(slot + 1);
    return platform::ini::writeString(folder.configIni(), section, "FileName", title);
}

bool writeMacroOsd(const InstallFolder& folder, int number, std::string_view macroName)
{
    const std::string path = folder.configIni();
    const bool numberWritten = platform::ini::writeInt(path, kMacroOsdSection, "Number", number);
    return platform::ini::writeString(path, kMacroOsdSection, "MacroName", macroName) && numberWritten;
}

int readDisControl(const InstallFolder& folder)
{
    return platform::ini::readInt(folder.configIni(), kConfigSection, "DisControl", -1);
}

int readFirmwareVersion(const InstallFolder& folder)
{
    return platform::ini::readInt(folder.configIni(), kConfigSection, "FWVersion", kDefaultFirmwareVersion);
}

bool OsdSettings::showsMacroNames() const
{
    return littleEndianAt(bytes + kOsdShowMacroNamesOffset, 4) == 1;
}

std::uint16_t OsdSettings::wordA() const
{
    return static_cast<std::uint16_t>(littleEndianAt(bytes + kOsdWordAOffset, 2));
}

std::uint16_t OsdSettings::wordB() const
{
    return static_cast<std::uint16_t>(littleEndianAt(bytes + kOsdWordBOffset, 2));
}

bool readOsdSettings(const InstallFolder& folder, OsdSettings& settings)
{
    if (platform::ini::readStruct(folder.configIni(), kOsdSettingSection, "config", settings.bytes,
                                  OsdSettings::kSize))
        return true;
    settings = OsdSettings{};
    return false;
}

}  // namespace settings
