#pragma once
// Reports 5 (active profile) and 6 (settings of one profile).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/protocol/ProtocolConstants.h"
#include "settings/ProfileRecord.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol {

#pragma pack(push, 1)
struct ActiveProfileWire {
    std::uint8_t ReportId;
    std::uint8_t Length;
    std::uint8_t Profile;
};

struct ProfileSettingsWire {
    std::uint8_t ReportId;
    std::uint8_t Length;
    std::uint8_t Profile;
    std::uint8_t XYSynchronous;
    std::uint8_t SensitivityRepeated;  // written with the same value, ignored on reading
    std::uint8_t Sensitivity;
    std::uint8_t CpiEnabledBits;       // bit i: CPI level i enabled
    std::uint8_t CpiLevelX[settings::kCpiLevelCount];  // units of 100 CPI, doubled
    std::uint8_t CpiIndex;
    std::uint8_t CpiLevelY[settings::kCpiLevelCount];
    std::uint8_t AngleFlags;           // bit 0 angle snapping, bit 1 sensor alignment
    std::uint8_t PollingRate;
    std::uint8_t LightOn;
    std::uint8_t LightChoice;          // 0 table color, else custom; read back through ColorIndex
    std::uint8_t LightColorFlow;
    std::uint8_t LightEffectType;
    std::uint8_t LightEffectSpeed;
    std::uint8_t ColorIndex;           // table index, or kCustomColorIndex
    // Red, blue, green as written; red, green, blue as read.
    std::uint8_t Color[3];
    std::uint8_t ASnap;
    std::uint8_t SAlignment;
};
#pragma pack(pop)

static_assert(sizeof(ActiveProfileWire) == length::kActiveProfile);
static_assert(offsetof(ActiveProfileWire, Profile) == 2);

static_assert(sizeof(ProfileSettingsWire) == length::kProfileSettings);
static_assert(offsetof(ProfileSettingsWire, XYSynchronous) == 3);
static_assert(offsetof(ProfileSettingsWire, Sensitivity) == 5);
static_assert(offsetof(ProfileSettingsWire, CpiEnabledBits) == 6);
static_assert(offsetof(ProfileSettingsWire, CpiLevelX) == 7);
static_assert(offsetof(ProfileSettingsWire, CpiIndex) == 12);
static_assert(offsetof(ProfileSettingsWire, CpiLevelY) == 13);
static_assert(offsetof(ProfileSettingsWire, AngleFlags) == 18);
static_assert(offsetof(ProfileSettingsWire, PollingRate) == 19);
static_assert(offsetof(ProfileSettingsWire, LightOn) == 20);
static_assert(offsetof(ProfileSettingsWire, LightChoice) == 21);
static_assert(offsetof(ProfileSettingsWire, LightEffectSpeed) == 24);
static_assert(offsetof(ProfileSettingsWire, ColorIndex) == 25);
static_assert(offsetof(ProfileSettingsWire, Color) == 26);
static_assert(offsetof(ProfileSettingsWire, ASnap) == 29);
static_assert(offsetof(ProfileSettingsWire, SAlignment) == 30);

inline constexpr std::uint8_t kCustomColorIndex = 0xFF;

std::array<std::uint8_t, length::kActiveProfile> encodeActiveProfile(std::uint8_t profile);
// Stores byte 2 into `CurrentProfile` when it names a profile 0-4; false otherwise.
bool decodeActiveProfile(std::span<const std::uint8_t, length::kActiveProfile> report,
                         settings::SettingsBlock& block);

std::array<std::uint8_t, length::kProfileSettings> encodeProfileSettings(std::uint8_t profileNumber,
                                                                         const settings::ProfileRecord& profile);
void decodeProfileSettings(std::span<const std::uint8_t, length::kProfileSettings> report,
                           settings::ProfileRecord& profile);

}  // namespace monitor::protocol
