#pragma once
// Single keys of config.ini that a program writes or reads on its own, outside
// a full save or load.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/InfoData.h"
#include "settings/InstallFolder.h"

namespace settings {

inline constexpr char kConfigSection[] = "Setting";
inline constexpr char kInfoDataKey[] = "InfoData";
inline constexpr int kDefaultFirmwareVersion = 100;  // 1.00, until the mouse tells its own

bool writeCurrentProfile(const InstallFolder& folder, int profile);
// The mouse's firmware version as one number (107 = 1.07), 0 after a failed read.
bool writeFirmwareVersion(const InstallFolder& folder, int version);
// 1 while the mouse is connected and ready.
bool writeDeviceConnected(const InstallFolder& folder, int connected);
bool writeDisControl(const InstallFolder& folder, int level);
bool writeInfoData(const InstallFolder& folder, const InfoData& info);
// The title of the file the user last saved profile slot 0-4 to; false for
// another slot.
bool writeProfileFileName(const InstallFolder& folder, int slot, std::string_view title);
// The macro whose name the on-screen display shows.
bool writeMacroOsd(const InstallFolder& folder, int number, std::string_view macroName);

// How the running monitor injects keys and buttons ("uinput", "xtest", or
// "none" without host functions), written at its start.
bool writeInputInjector(const InstallFolder& folder, std::string_view method);
std::string readInputInjector(const InstallFolder& folder);  // "" when missing

int readDisControl(const InstallFolder& folder);       // -1 when missing
int readFirmwareVersion(const InstallFolder& folder);  // kDefaultFirmwareVersion when missing

// The on-screen display program's settings, owned by that program; only a few
// values are used here.
struct OsdSettings {
    static constexpr std::size_t kSize = 344;
    std::uint8_t bytes[kSize] = {};

    bool showsMacroNames() const;   // 32-bit value at 12 equal to 1
    // The display program's own values, passed back to it: the low 16 bits of
    // the 32-bit values at 28 and 32.
    std::uint16_t wordA() const;
    std::uint16_t wordB() const;
};
static_assert(sizeof(OsdSettings) == OsdSettings::kSize);

// False (and zeros) when the key is missing or damaged.
bool readOsdSettings(const InstallFolder& folder, OsdSettings& settings);

}  // namespace settings
