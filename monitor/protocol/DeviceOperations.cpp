#include "monitor/protocol/DeviceOperations.h"

#include <array>

#include "monitor/protocol/ButtonTableReport.h"
#include "monitor/protocol/FirmwareReport.h"
#include "monitor/protocol/HostPresenceReport.h"
#include "monitor/protocol/MacroReport.h"
#include "monitor/protocol/ProtocolConstants.h"
#include "monitor/protocol/ReportCodec.h"
#include "monitor/protocol/ReportExchange.h"
#include "monitor/protocol/SlotMap.h"
#include "monitor/protocol/TrackingReport.h"
#include "settings/ConfigKeys.h"

namespace monitor::protocol {
namespace {

std::uint8_t wireProfile(int profile)
{
    return static_cast<std::uint8_t>(profile);
}

}  // namespace

std::optional<std::uint8_t> readFirmwareVersion(DeviceLink& link, const settings::InstallFolder& folder)
{
    std::array<std::uint8_t, length::kFirmware> answer{};
    std::optional<std::uint8_t> version;
    if (readReport(link, report::kFirmware, answer))
        version = decodeFirmwareVersion(answer);
    settings::writeFirmwareVersion(folder, version.value_or(0));
    return version;
}

bool readActiveProfile(DeviceLink& link, settings::SettingsBlock& block)
{
    std::array<std::uint8_t, length::kActiveProfile> answer{};
    return readReport(link, report::kActiveProfile, answer) && decodeActiveProfile(answer, block);
}

bool writeActiveProfile(DeviceLink& link, const settings::SettingsBlock& block)
{
    if (!settings::isValidProfileIndex(block.CurrentProfile))
        return false;
    return writeReport(link, encodeActiveProfile(wireProfile(block.CurrentProfile)),
                       handshake_delay::kActiveProfile);
}

bool readProfileSettings(DeviceLink& link, settings::SettingsBlock& block, int profile)
{
    if (!settings::isValidProfileIndex(profile))
        return false;
    std::array<std::uint8_t, length::kProfileSettings> answer{};
    if (!selectAndRead(link, wireProfile(profile), select_item::kProfileSettings, report::kProfileSettings, answer))
        return false;
    decodeProfileSettings(answer, block.Profiles[profile]);
    return true;
}

bool writeProfileSettings(DeviceLink& link, const settings::SettingsBlock& block, int profile)
{
    if (!settings::isValidProfileIndex(profile))
        return false;
    return writeReport(link, encodeProfileSettings(wireProfile(profile), block.Profiles[profile]),
                       handshake_delay::kProfileSettings);
}

bool readButtonTable(DeviceLink& link, settings::SettingsBlock& block, int profile)
{
    if (!settings::isValidProfileIndex(profile))
        return false;
    std::array<std::uint8_t, length::kButtonTable> answer{};
    return selectAndRead(link, wireProfile(profile), select_item::kButtonTable, report::kButtonTable, answer) &&
           decodeButtonTable(answer, block.Profiles[profile]);
}

bool writeButtonTable(DeviceLink& link, const settings::SettingsBlock& block, int profile)
{
    if (!settings::isValidProfileIndex(profile))
        return false;
    return writeReport(link, encodeButtonTable(wireProfile(profile), block.Profiles[profile]),
                       handshake_delay::kButtonTable);
}

bool readMacro(DeviceLink& link, settings::SettingsBlock& block, int profile, int slot)
{
    const std::optional<int> button = deviceButtonOfSlot(slot);
    if (!settings::isValidProfileIndex(profile) || !button)
        return false;
    std::array<std::uint8_t, length::kMacro> answer{};
    return selectAndRead(link, wireProfile(profile), static_cast<std::uint8_t>(*button), report::kMacro, answer) &&
           decodeMacro(answer, block.Profiles[profile].MacroKeyInfo[slot]);
}

bool writeMacro(DeviceLink& link, const settings::SettingsBlock& block, int profile, int slot)
{
    const std::optional<int> button = deviceButtonOfSlot(slot);
    if (!settings::isValidProfileIndex(profile) || !button)
        return false;
    const auto macro = encodeMacro(wireProfile(profile), static_cast<std::uint8_t>(*button),
                                   block.Profiles[profile].MacroKeyInfo[slot]);
    return macro && writeReport(link, *macro, handshake_delay::kMacro);
}

bool writeRestoreDefaults(DeviceLink& link)
{
    return writeReport(link, encodeRestoreDefaults(), handshake_delay::kRestoreDefaults);
}

bool writeHostPresence(DeviceLink& link, bool present)
{
    return writeReport(link, encodeHostPresence(present), handshake_delay::kHostPresence);
}

bool writeTracking(DeviceLink& link, std::int32_t disControl, int requestCode)
{
    return writeReport(link, encodeTracking(disControl, requestCode), handshake_delay::kTracking);
}

bool readTracking(DeviceLink& link, settings::SettingsBlock& block)
{
    std::array<std::uint8_t, length::kTracking> answer{};
    if (!readReport(link, report::kTracking, answer))
        return false;
    decodeTracking(answer, block);
    return true;
}

bool writeParleyState(DeviceLink& link, std::uint8_t a, std::uint8_t b, std::uint8_t c)
{
    return writeReport(link, encodeParleyState(a, b, c), handshake_delay::kParleyState);
}

bool writeAmbientLight(DeviceLink& link, const AmbientLightState& state)
{
    return writeReport(link, encodeAmbientLight(state), handshake_delay::kParleyState);
}

}  // namespace monitor::protocol
