#include "settings/ChangeFlags.h"

#include <cstring>

#include "settings/RecordBytes.h"

namespace settings {
namespace {

constexpr std::int32_t kFlagSet = 1;

template <typename T>
bool bytesDiffer(const T& a, const T& b)
{
    return !sameBytes(a, b);
}

}  // namespace

void clearChangeFlags(SettingsBlock& block)
{
    std::memset(block.ButtonChangedFlags, 0, sizeof block.ButtonChangedFlags);
    std::memset(block.ProfileChangedFlags, 0, sizeof block.ProfileChangedFlags);
    block.ActiveProfileChangedFlag = 0;
    block.DeviceFlagsChangedFlag = 0;
}

void forceAllChangeFlags(SettingsBlock& block)
{
    for (std::int32_t& flag : block.ButtonChangedFlags)
        flag = kFlagSet;
    for (std::int32_t& flag : block.ProfileChangedFlags)
        flag = kFlagSet;
    block.ActiveProfileChangedFlag = kFlagSet;
    block.DeviceFlagsChangedFlag = kFlagSet;
}

bool deviceProfileFieldsDiffer(const ProfileRecord& a, const ProfileRecord& b)
{
    // Pointer settings, names, game files, sounds, UseColorForAll, XYCpiFlag and
    // MediaOption live on the host only; button slots have their own flags.
    return a.HDDKeyboard != b.HDDKeyboard || a.Orientation != b.Orientation ||
           a.XYSynchronous != b.XYSynchronous || a.Sensitivity_X != b.Sensitivity_X ||
           a.Sensitivity_Y != b.Sensitivity_Y || a.Sensitivity != b.Sensitivity ||
           bytesDiffer(a.dpi, b.dpi) || a.Cpi_X != b.Cpi_X || a.Cpi_Y != b.Cpi_Y ||
           bytesDiffer(a.CpiLevel_X, b.CpiLevel_X) || bytesDiffer(a.CpiLevel_Y, b.CpiLevel_Y) ||
           a.PollingRate != b.PollingRate || a.ASnapFlag != b.ASnapFlag || a.ASnap != b.ASnap ||
           a.SAlignmentFlag != b.SAlignmentFlag || a.SAlignment != b.SAlignment ||
           a.LightOnFlag != b.LightOnFlag || a.LightEffectMode != b.LightEffectMode ||
           a.LightColorFlow != b.LightColorFlow || a.LightEffectType != b.LightEffectType ||
           a.LightEffectSpeed != b.LightEffectSpeed || a.LtChoseType != b.LtChoseType ||
           bytesDiffer(a.LightInfo, b.LightInfo) || bytesDiffer(a.CustomLightInfo, b.CustomLightInfo);
}

void computeChangeFlags(const SettingsBlock& before, SettingsBlock& after)
{
    for (int p = 0; p < kProfileCount; ++p) {
        if (deviceProfileFieldsDiffer(before.Profiles[p], after.Profiles[p]))
            after.ProfileChangedFlags[p] = kFlagSet;
    }
    if (before.CurrentProfile != after.CurrentProfile)
        after.ActiveProfileChangedFlag = kFlagSet;
    if (before.LiftOnFlag != after.LiftOnFlag || before.TrackControlFlag != after.TrackControlFlag ||
        before.DisControl != after.DisControl)
        after.DeviceFlagsChangedFlag = kFlagSet;
}

void setAllButtonFlags(SettingsBlock& block, int profile)
{
    if (!isValidProfileIndex(profile))
        return;
    for (int s = 0; s < kButtonSlotCount; ++s)
        block.ButtonChangedFlags[profile * kButtonSlotCount + s] = kFlagSet;
}

}  // namespace settings
