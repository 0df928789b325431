#include "monitor/protocol/ReportCodec.h"

#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {
namespace {

constexpr std::uint8_t kAngleSnapBit = 0x01;
constexpr std::uint8_t kSensorAlignmentBit = 0x02;
constexpr std::uint8_t kHighestAngleFlags = kAngleSnapBit | kSensorAlignmentBit;

// Levels go out doubled; a level of 128 or more keeps only the low byte. The
// doubling is unsigned, so any value a file holds wraps instead of overflowing.
constexpr std::uint8_t cpiLevelOnWire(std::int32_t level)
{
    return static_cast<std::uint8_t>((static_cast<std::uint32_t>(level) * 2u) & 0xFFu);
}

constexpr std::int32_t cpiLevelFromWire(std::uint8_t value)
{
    return value >> 1;
}

std::uint8_t angleFlags(const settings::ProfileRecord& profile)
{
    std::uint8_t flags = 0;
    if (settings::isSet(profile.ASnapFlag))
        flags |= kAngleSnapBit;
    if (settings::isSet(profile.SAlignmentFlag))
        flags |= kSensorAlignmentBit;
    return flags;
}

bool usesCustomColor(const settings::ProfileRecord& profile)
{
    return profile.LtChoseType != 0;
}

}  // namespace

std::array<std::uint8_t, length::kActiveProfile> encodeActiveProfile(std::uint8_t profile)
{
    ActiveProfileWire wire{};
    wire.ReportId = report::kActiveProfile;
    wire.Length = length::kActiveProfile;
    wire.Profile = profile;
    return toBytes(wire);
}

bool decodeActiveProfile(std::span<const std::uint8_t, length::kActiveProfile> report,
                         settings::SettingsBlock& block)
{
    const auto wire = fromBytes<ActiveProfileWire>(report);
    if (!settings::isValidProfileIndex(wire.Profile))
        return false;
    block.CurrentProfile = wire.Profile;
    return true;
}

std::array<std::uint8_t, length::kProfileSettings> encodeProfileSettings(std::uint8_t profileNumber,
                                                                         const settings::ProfileRecord& profile)
{
    ProfileSettingsWire wire{};
    wire.ReportId = report::kProfileSettings;
    wire.Length = length::kProfileSettings;
    wire.Profile = profileNumber;
    wire.XYSynchronous = lowByte(profile.XYSynchronous);
    wire.SensitivityRepeated = lowByte(profile.Sensitivity);
    wire.Sensitivity = lowByte(profile.Sensitivity);
    for (int level = 0; level < settings::kCpiLevelCount; ++level) {
        if (profile.dpi[level] == 1)
            wire.CpiEnabledBits |= static_cast<std::uint8_t>(1u << level);
        wire.CpiLevelX[level] = cpiLevelOnWire(profile.CpiLevel_X[level]);
        wire.CpiLevelY[level] = cpiLevelOnWire(profile.CpiLevel_Y[level]);
    }
    wire.CpiIndex = lowByte(profile.Cpi_X);
    wire.AngleFlags = angleFlags(profile);
    wire.PollingRate = lowByte(profile.PollingRate);

    const settings::ColorRecord& tableColor = profile.LightInfo[0];
    wire.LightOn = tableColor.On == 1 ? 1 : 0;
    wire.LightChoice = lowByte(profile.LtChoseType);
    wire.LightColorFlow = lowByte(profile.LightColorFlow);
    wire.LightEffectType = lowByte(profile.LightEffectType);
    wire.LightEffectSpeed = lowByte(profile.LightEffectSpeed);

    const bool custom = usesCustomColor(profile);
    const settings::ColorRecord& color = custom ? profile.CustomLightInfo[0] : tableColor;
    wire.ColorIndex = custom ? kCustomColorIndex : tableColor.TableIndex;
    wire.Color[0] = color.Red;
    wire.Color[1] = color.Blue;
    wire.Color[2] = color.Green;

    wire.ASnap = lowByte(profile.ASnap);
    wire.SAlignment = lowByte(profile.SAlignment);
    return toBytes(wire);
}

void decodeProfileSettings(std::span<const std::uint8_t, length::kProfileSettings> report,
                           settings::ProfileRecord& profile)
{
    const auto wire = fromBytes<ProfileSettingsWire>(report);
    profile.XYSynchronous = wire.XYSynchronous;
    profile.Sensitivity = wire.Sensitivity;
    for (int level = 0; level < settings::kCpiLevelCount; ++level) {
        profile.dpi[level] = (wire.CpiEnabledBits >> level) & 1;
        profile.CpiLevel_X[level] = cpiLevelFromWire(wire.CpiLevelX[level]);
        profile.CpiLevel_Y[level] = cpiLevelFromWire(wire.CpiLevelY[level]);
    }
    profile.Cpi_X = wire.CpiIndex;
    // A value the mouse should not send leaves both flags as they were.
    if (wire.AngleFlags <= kHighestAngleFlags) {
        profile.ASnapFlag = (wire.AngleFlags & kAngleSnapBit) ? 1 : 0;
        profile.SAlignmentFlag = (wire.AngleFlags & kSensorAlignmentBit) ? 1 : 0;
    }
    profile.PollingRate = wire.PollingRate;
    profile.LightInfo[0].On = wire.LightOn & 1;
    profile.LightColorFlow = wire.LightColorFlow;
    profile.LightEffectType = wire.LightEffectType;
    profile.LightEffectSpeed = wire.LightEffectSpeed;

    // The color index alone tells table or custom color; byte 21 is not consulted.
    const bool custom = wire.ColorIndex == kCustomColorIndex;
    profile.LtChoseType = custom ? 1 : 0;
    settings::ColorRecord& color = custom ? profile.CustomLightInfo[0] : profile.LightInfo[0];
    color.TableIndex = wire.ColorIndex;
    color.Red = wire.Color[0];
    color.Green = wire.Color[1];
    color.Blue = wire.Color[2];

    profile.ASnap = wire.ASnap;
    profile.SAlignment = wire.SAlignment;
}

}  // namespace monitor::protocol
