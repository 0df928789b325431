// The change flags an apply computes: every field the mouse keeps marks its
// profile, the header fields mark the active-profile and device flags, and no
// other field marks anything.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "option/core/ApplyChanges.h"
#include "option/core/ProfileEditing.h"

namespace option::core::test {
namespace {

using settings::ProfileRecord;
using settings::SettingsBlock;

const std::set<std::string> kProfileFlagFields = {
    "HDDKeyboard", "Orientation", "XYSynchronous", "Sensitivity_X", "Sensitivity_Y", "Sensitivity",
    "dpi0", "dpi1", "dpi2", "dpi3", "dpi4", "dpi5", "Cpi_X", "Cpi_Y",
    "CpiLevel_X0", "CpiLevel_X1", "CpiLevel_X2", "CpiLevel_X3", "CpiLevel_X4",
    "CpiLevel_Y0", "CpiLevel_Y1", "CpiLevel_Y2", "CpiLevel_Y3", "CpiLevel_Y4",
    "PollingRate", "ASnapFlag", "ASnap", "SAlignmentFlag", "SAlignment", "LightOnFlag", "LightEffectMode",
    "LightColorFlow", "LightEffectType", "LightEffectSpeed", "LtChoseType",
    "LightInfo0", "LightInfo1", "LightInfo2", "LightInfo3",
    "CustomLightInfo0", "CustomLightInfo1", "CustomLightInfo2", "CustomLightInfo3"};
const std::set<std::string> kDeviceFlagFields = {"LiftOnFlag", "TrackControlFlag", "DisControl"};

struct Flags {
    int profiles[settings::kProfileCount] = {};
    int active = 0;
    int device = 0;
    int buttons = 0;
};

Flags flagsOf(const SettingsBlock& block)
{
    Flags flags;
    for (int p = 0; p < settings::kProfileCount; ++p)
        flags.profiles[p] = block.ProfileChangedFlags[p];
    flags.active = block.ActiveProfileChangedFlag;
    flags.device = block.DeviceFlagsChangedFlag;
    flags.buttons = static_cast<int>(std::count(std::begin(block.ButtonChangedFlags),
                                                std::end(block.ButtonChangedFlags), 1));
    return flags;
}

// Changes one byte of the field (the last, so a ColorRecord's colour counts too).
void changeByte(SettingsBlock& block, int profile, const SettingField& field, std::size_t byte)
{
    auto* base = field.scope == FieldScope::Block ? reinterpret_cast<std::uint8_t*>(&block)
                                                  : reinterpret_cast<std::uint8_t*>(&block.Profiles[profile]);
    base[field.offset + byte] ^= 0x01;
}

class ChangeFlags : public ::testing::Test {
protected:
    ApplicationBlocks blocks;
};

TEST_F(ChangeFlags, EachFieldOfTheListMarksItsProfileAndNoOtherFieldDoes)
{
    constexpr int kProfile = 3;
    for (const SettingField& field : settingFields()) {
        if (field.scope != FieldScope::Profile)
            continue;
        for (std::size_t byte : {std::size_t{0}, field.size - 1}) {
            *blocks.working = *blocks.applied;
            changeByte(*blocks.working, kProfile, field, byte);
            markChanges(blocks);
            const Flags flags = flagsOf(*blocks.working);
            const int expected = kProfileFlagFields.contains(field.key) ? 1 : 0;
            EXPECT_EQ(flags.profiles[kProfile], expected) << field.key << " byte " << byte;
            EXPECT_EQ(flags.profiles[0] + flags.active + flags.device + flags.buttons, 0) << field.key;
        }
    }
}

TEST_F(ChangeFlags, HeaderFieldsMarkOnlyTheActiveProfileAndDeviceFlags)
{
    for (const SettingField& field : settingFields()) {
        if (field.scope != FieldScope::Block)
            continue;
        *blocks.working = *blocks.applied;
        changeByte(*blocks.working, 0, field, 0);
        markChanges(blocks);
        const Flags flags = flagsOf(*blocks.working);
        EXPECT_EQ(flags.active, field.key == "CurrentProfile" ? 1 : 0) << field.key;
        EXPECT_EQ(flags.device, kDeviceFlagFields.contains(field.key) ? 1 : 0) << field.key;
        EXPECT_EQ(flags.profiles[0] + flags.buttons, 0) << field.key;
    }
    *blocks.working = *blocks.applied;
    blocks.working->InfoData.Counters[0] = 5;
    std::strcpy(blocks.working->Profiles[1].MacroKeyInfo[7].MacroName, "not a flag by itself");
    markChanges(blocks);
    const Flags flags = flagsOf(*blocks.working);
    EXPECT_EQ(flags.profiles[1] + flags.active + flags.device + flags.buttons, 0);
}

TEST_F(ChangeFlags, ButtonFlagsSetByEditingStayAndTheTableCoversTheWholeProfileHead)
{
    blocks.working->ButtonChangedFlags[2 * settings::kButtonSlotCount + 9] = 1;
    markChanges(blocks);
    EXPECT_EQ(blocks.working->ButtonChangedFlags[2 * settings::kButtonSlotCount + 9], 1);

    // Every byte before the button slots, padding aside, belongs to one field.
    std::vector<int> owners(offsetof(ProfileRecord, MacroKeyInfo), 0);
    for (const SettingField& field : settingFields())
        if (field.scope == FieldScope::Profile)
            for (std::size_t i = 0; i < field.size; ++i)
                ++owners.at(field.offset + i);
    const std::size_t padding = sizeof(ProfileRecord::Padding0) + sizeof(ProfileRecord::Padding1) +
                                sizeof(ProfileRecord::Padding2);
    EXPECT_EQ(static_cast<std::size_t>(std::count(owners.begin(), owners.end(), 1)), owners.size() - padding);
    EXPECT_EQ(std::count_if(owners.begin(), owners.end(), [](int n) { return n > 1; }), 0);
}

}  // namespace
}  // namespace option::core::test
