#pragma once
// Everything the configuration application and the monitor share about the mouse.
// It crosses process boundaries as raw bytes, so its layout is fixed to the byte.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "settings/InfoData.h"
#include "settings/ProfileRecord.h"

namespace settings {

inline constexpr int kButtonFlagCount = kProfileCount * kButtonSlotCount;  // 120

#pragma pack(push, 1)
struct SettingsBlock {
    std::int32_t CurrentProfile = 0;    // 0-4
    std::int32_t WindowsProfile = 0;    // slot to return to without a linked game, -1 none
    std::int32_t QuickHelpLan = 0;      // user-interface language index 0-16
    std::int32_t LiftOnFlag = 0;
    std::int32_t TrackControlFlag = 0;
    std::int32_t MouseType = 0;
    settings::InfoData InfoData;
    ProfileRecord Profiles[kProfileCount];
    // Change flags: set when equal to 1. Button flags are profile-major (p * 24 + s).
    std::int32_t ButtonChangedFlags[kButtonFlagCount] = {};
    std::int32_t ProfileChangedFlags[kProfileCount] = {};
    std::int32_t ActiveProfileChangedFlag = 0;
    std::int32_t DeviceFlagsChangedFlag = 0;
    std::int32_t DisControl = 0;        // Padtune level 0-3
};
#pragma pack(pop)

inline constexpr std::size_t kSettingsBlockSize = 314424;

static_assert(sizeof(SettingsBlock) == kSettingsBlockSize);
static_assert(offsetof(SettingsBlock, CurrentProfile) == 0);
static_assert(offsetof(SettingsBlock, WindowsProfile) == 4);
static_assert(offsetof(SettingsBlock, QuickHelpLan) == 8);
static_assert(offsetof(SettingsBlock, LiftOnFlag) == 12);
static_assert(offsetof(SettingsBlock, TrackControlFlag) == 16);
static_assert(offsetof(SettingsBlock, MouseType) == 20);
static_assert(offsetof(SettingsBlock, InfoData) == 24);
static_assert(offsetof(SettingsBlock, Profiles) == 132);
static_assert(offsetof(SettingsBlock, ButtonChangedFlags) == 313912);
static_assert(offsetof(SettingsBlock, ProfileChangedFlags) == 314392);
static_assert(offsetof(SettingsBlock, ActiveProfileChangedFlag) == 314412);
static_assert(offsetof(SettingsBlock, DeviceFlagsChangedFlag) == 314416);
static_assert(offsetof(SettingsBlock, DisControl) == 314420);
static_assert(offsetof(SettingsBlock, DisControl) + sizeof(std::int32_t) == kSettingsBlockSize);
static_assert(std::is_trivially_copyable_v<SettingsBlock> && std::is_standard_layout_v<SettingsBlock>);

// A flag counts as set only when it equals 1.
constexpr bool isSet(std::int32_t flag) { return flag == 1; }

constexpr bool isValidProfileIndex(std::int32_t index) { return index >= 0 && index < kProfileCount; }

constexpr bool isValidButtonSlot(int slot) { return slot >= 0 && slot < kButtonSlotCount; }

// The profile of `CurrentProfile`, or nullptr when no slot is active (-1 after a
// failed load, or any value out of range read from a file).
inline ProfileRecord* activeProfile(SettingsBlock& block)
{
    return isValidProfileIndex(block.CurrentProfile) ? &block.Profiles[block.CurrentProfile] : nullptr;
}

inline const ProfileRecord* activeProfile(const SettingsBlock& block)
{
    return isValidProfileIndex(block.CurrentProfile) ? &block.Profiles[block.CurrentProfile] : nullptr;
}

}  // namespace settings
