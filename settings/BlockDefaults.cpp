#include "settings/BlockDefaults.h"

#include <cstdio>
#include <cstring>

#include "settings/ChangeFlags.h"
#include "settings/LanguageIndex.h"
#include "settings/RecordBytes.h"

namespace settings {
namespace {

struct SlotLighting {
    std::int32_t colorFlow;
    std::int32_t effectType;
    ColorRecord color;
};

constexpr SlotLighting kSlotLighting[kProfileCount] = {
    {1, 2, {7, 1, 250, 0, 0}},
    {0, 1, {0, 1, 0, 100, 250}},
    {0, 1, {7, 1, 250, 0, 0}},
    {0, 1, {11, 1, 0, 250, 0}},
    {0, 1, {15, 1, 0, 0, 250}},
};

constexpr std::int32_t kDefaultCpiLevels[kCpiLevelCount] = {4, 8, 16, 32, 50};

template <std::size_t N>
void clearText(char (&field)[N])
{
    std::memset(field, 0, N);
}

}  // namespace

void createDefaultProfile(ProfileRecord& profile, int slot)
{
    if (!isValidProfileIndex(slot))
        slot = 0;
    const SlotLighting& lighting = kSlotLighting[slot];

    clearText(profile.ProFileName);
    std::snprintf(profile.ProFileName, sizeof profile.ProFileName, "Default%d", slot + 1);
    clearText(profile.GameFile0);
    clearText(profile.GameFile1);
    clearText(profile.GameFile2);
    std::memset(profile.Padding0, 0, sizeof profile.Padding0);

    profile.DbleClickSpeed = 480;
    profile.ScrollWheelSpeed = 3;
    profile.ScrollWheelFlag = 0;
    profile.MouseSpeed = 10;
    profile.Acceleration = 10;
    profile.AccelerationFlag = 0;
    profile.MouseTrails = 0;
    profile.TiltSpeed = 3;
    profile.MediaOption = 0;
    profile.HDDKeyboard = 1;
    profile.Orientation = 0;
    profile.XYSynchronous = 0;
    profile.Sensitivity_X = 6;
    profile.Sensitivity_Y = 6;
    profile.Sensitivity = 6;
    for (int level = 0; level < kCpiLevelCount; ++level)
        profile.dpi[level] = 1;  // dpi[5] is carried, never set here
    std::memset(profile.Padding1, 0, sizeof profile.Padding1);
    profile.Cpi_X = 1;
    profile.Cpi_Y = 1;
    for (int level = 0; level < kCpiLevelCount; ++level)
        profile.XYCpiFlag[level] = 1;
    std::memset(profile.Padding2, 0, sizeof profile.Padding2);
    for (int level = 0; level < kCpiLevelCount; ++level) {
        profile.CpiLevel_X[level] = kDefaultCpiLevels[level];
        profile.CpiLevel_Y[level] = kDefaultCpiLevels[level];
    }
    profile.PollingRate = 3;
    profile.LightOnFlag = 1;
    profile.LightEffectMode = 0;
    profile.LightColorFlow = lighting.colorFlow;
    profile.LightEffectType = lighting.effectType;
    profile.LightEffectSpeed = 2;
    profile.SoundProfile = 1;
    profile.SoundDpi = 1;
    profile.SoundSens = 1;
    profile.VolumeUpDown = 1;
    profile.SoundTrophy = 1;
    profile.SoundVolume = 2;
    profile.UseColorForAll = 0;
    profile.LtChoseType = 0;
    profile.ASnapFlag = 0;
    profile.ASnap = 2;
    profile.SAlignmentFlag = 0;
    profile.SAlignment = 30;
    for (int i = 0; i < kColorRecordCount; ++i) {
        profile.LightInfo[i] = lighting.color;
        profile.CustomLightInfo[i] = ColorRecord{};
    }

    zeroBytes(profile.MacroKeyInfo);
    for (int s = 0; s < kButtonSlotCount; ++s) {
        profile.MacroKeyInfo[s].SlotIndex = static_cast<std::uint8_t>(s);
        profile.MacroKeyInfo[s].FunctionCode = kDefaultFunctionCodes[s];
    }
}

void createDefaultBlock(SettingsBlock& block, int languageIndex)
{
    block.CurrentProfile = 0;
    block.WindowsProfile = -1;
    block.QuickHelpLan = languageIndex;
    block.LiftOnFlag = 0;
    block.TrackControlFlag = 0;
    block.DisControl = 0;
    for (int p = 0; p < kProfileCount; ++p)
        createDefaultProfile(block.Profiles[p], p);
}

void createDefaultBlock(SettingsBlock& block)
{
    createDefaultBlock(block, systemLanguageIndex());
}

void clearForLoading(SettingsBlock& block)
{
    block.CurrentProfile = -1;
    block.MouseType = 0;
    zeroBytes(block.Profiles);
    clearChangeFlags(block);
}

}  // namespace settings
