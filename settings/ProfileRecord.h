#pragma once
// One profile of the mouse: the host-side pointer settings, resolution, polling,
// lighting, sound options and the 24 button slots. A profile file stores the same
// fields, one key each.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "settings/ButtonAssignment.h"
#include "settings/ColorRecord.h"

namespace settings {

inline constexpr int kProfileCount = 5;
inline constexpr int kCpiLevelCount = 5;     // levels the mouse has
inline constexpr int kDpiFlagCount = 6;      // one more than the levels, carried
inline constexpr int kColorRecordCount = 4;
inline constexpr std::size_t kProfileNameSize = 250;
inline constexpr std::size_t kGameFileSize = 500;
inline constexpr int kGameFileCount = 3;

#pragma pack(push, 1)
struct ProfileRecord {
    char ProFileName[kProfileNameSize] = {};
    char GameFile0[kGameFileSize] = {};
    char GameFile1[kGameFileSize] = {};
    char GameFile2[kGameFileSize] = {};
    std::uint8_t Padding0[2] = {};
    std::int32_t DbleClickSpeed = 0;
    std::int32_t ScrollWheelSpeed = 0;
    std::int32_t ScrollWheelFlag = 0;
    std::int32_t MouseSpeed = 0;
    std::int32_t Acceleration = 0;
    std::int32_t AccelerationFlag = 0;
    std::int32_t MouseTrails = 0;
    std::int32_t TiltSpeed = 0;
    std::int32_t MediaOption = 0;
    std::int32_t HDDKeyboard = 0;
    std::int32_t Orientation = 0;
    std::int32_t XYSynchronous = 0;
    std::int32_t Sensitivity_X = 0;
    std::int32_t Sensitivity_Y = 0;
    std::int32_t Sensitivity = 0;
    std::uint8_t dpi[kDpiFlagCount] = {};
    std::uint8_t Padding1[2] = {};
    std::int32_t Cpi_X = 0;
    std::int32_t Cpi_Y = 0;
    std::uint8_t XYCpiFlag[kCpiLevelCount] = {};
    std::uint8_t Padding2[3] = {};
    std::int32_t CpiLevel_X[kCpiLevelCount] = {};
    std::int32_t CpiLevel_Y[kCpiLevelCount] = {};
    std::int32_t PollingRate = 0;
    std::int32_t LightOnFlag = 0;
    std::int32_t LightEffectMode = 0;
    std::int32_t LightColorFlow = 0;
    std::int32_t LightEffectType = 0;
    std::int32_t LightEffectSpeed = 0;
    std::int32_t SoundProfile = 0;
    std::int32_t SoundDpi = 0;
    std::int32_t SoundSens = 0;
    std::int32_t VolumeUpDown = 0;
    std::int32_t SoundTrophy = 0;
    std::int32_t SoundVolume = 0;
    std::int32_t UseColorForAll = 0;
    std::int32_t LtChoseType = 0;
    std::int32_t ASnapFlag = 0;
    std::int32_t ASnap = 0;
    std::int32_t SAlignmentFlag = 0;
    std::int32_t SAlignment = 0;
    ColorRecord LightInfo[kColorRecordCount] = {};
    ColorRecord CustomLightInfo[kColorRecordCount] = {};
    ButtonAssignment MacroKeyInfo[kButtonSlotCount] = {};
};
#pragma pack(pop)

static_assert(sizeof(ProfileRecord) == 62756);
static_assert(offsetof(ProfileRecord, ProFileName) == 0);
static_assert(offsetof(ProfileRecord, GameFile0) == 250);
static_assert(offsetof(ProfileRecord, GameFile1) == 750);
static_assert(offsetof(ProfileRecord, GameFile2) == 1250);
static_assert(offsetof(ProfileRecord, Padding0) == 1750);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 1752);
static_assert(offsetof(ProfileRecord, ScrollWheelSpeed) == 1756);
static_assert(offsetof(ProfileRecord, ScrollWheelFlag) == 1760);
static_assert(offsetof(ProfileRecord, MouseSpeed) == 1764);
static_assert(offsetof(ProfileRecord, Acceleration) == 1768);
static_assert(offsetof(ProfileRecord, AccelerationFlag) == 1772);
static_assert(offsetof(ProfileRecord, MouseTrails) == 1776);
static_assert(offsetof(ProfileRecord, TiltSpeed) == 1780);
static_assert(offsetof(ProfileRecord, MediaOption) == 1784);
static_assert(offsetof(ProfileRecord, HDDKeyboard) == 1788);
static_assert(offsetof(ProfileRecord, Orientation) == 1792);
static_assert(offsetof(ProfileRecord, XYSynchronous) == 1796);
static_assert(offsetof(ProfileRecord, Sensitivity_X) == 1800);
static_assert(offsetof(ProfileRecord, Sensitivity_Y) == 1804);
static_assert(offsetof(ProfileRecord, Sensitivity) == 1808);
static_assert(offsetof(ProfileRecord, dpi) == 1812);
static_assert(offsetof(ProfileRecord, Padding1) == 1818);
static_assert(offsetof(ProfileRecord, Cpi_X) == 1820);
static_assert(offsetof(ProfileRecord, Cpi_Y) == 1824);
static_assert(offsetof(ProfileRecord, XYCpiFlag) == 1828);
static_assert(offsetof(ProfileRecord, Padding2) == 1833);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 1836);
static_assert(offsetof(ProfileRecord, CpiLevel_Y) == 1856);
static_assert(offsetof(ProfileRecord, PollingRate) == 1876);
static_assert(offsetof(ProfileRecord, LightOnFlag) == 1880);
static_assert(offsetof(ProfileRecord, LightEffectMode) == 1884);
static_assert(offsetof(ProfileRecord, LightColorFlow) == 1888);
static_assert(offsetof(ProfileRecord, LightEffectType) == 1892);
static_assert(offsetof(ProfileRecord, LightEffectSpeed) == 1896);
static_assert(offsetof(ProfileRecord, SoundProfile) == 1900);
static_assert(offsetof(ProfileRecord, SoundDpi) == 1904);
static_assert(offsetof(ProfileRecord, SoundSens) == 1908);
static_assert(offsetof(ProfileRecord, VolumeUpDown) == 1912);
static_assert(offsetof(ProfileRecord, SoundTrophy) == 1916);
static_assert(offsetof(ProfileRecord, SoundVolume) == 1920);
static_assert(offsetof(ProfileRecord, UseColorForAll) == 1924);
static_assert(offsetof(ProfileRecord, LtChoseType) == 1928);
static_assert(offsetof(ProfileRecord, ASnapFlag) == 1932);
static_assert(offsetof(ProfileRecord, ASnap) == 1936);
static_assert(offsetof(ProfileRecord, SAlignmentFlag) == 1940);
static_assert(offsetof(ProfileRecord, SAlignment) == 1944);
static_assert(offsetof(ProfileRecord, LightInfo) == 1948);
static_assert(offsetof(ProfileRecord, CustomLightInfo) == 1968);
static_assert(offsetof(ProfileRecord, MacroKeyInfo) == 1988);
static_assert(sizeof(ProfileRecord::MacroKeyInfo) == 60768);
static_assert(std::is_trivially_copyable_v<ProfileRecord> && std::is_standard_layout_v<ProfileRecord>);

// Fields read from files are stored as they are; these tell whether one may
// serve as an index.
constexpr bool isValidCpiLevel(std::int32_t level) { return level >= 0 && level < kCpiLevelCount; }

}  // namespace settings
