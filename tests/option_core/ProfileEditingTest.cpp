// Fields by their INI keys within the ranges of the settings pages, and what the
// pages change beside the field itself.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "option/core/ProfileEditing.h"
#include "settings/BlockDefaults.h"

namespace option::core::test {
namespace {

using settings::SettingsBlock;

class ProfileEditing : public ::testing::Test {
protected:
    void SetUp() override { settings::createDefaultBlock(*block, 1); }

    // The refusal, or "" when accepted; a refusal must leave the block as it was.
    std::string set(int profile, const std::string& key, const std::string& value)
    {
        const auto before = std::make_unique<SettingsBlock>(*block);
        std::string refusal;
        if (setSettingField(*block, profile, key, value, refusal))
            return "";
        EXPECT_EQ(std::memcmp(before.get(), block.get(), sizeof *block), 0) << key << "=" << value;
        return refusal.empty() ? "refused without a reason" : refusal;
    }

    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
};

TEST_F(ProfileEditing, RangesOfTheSlidersSpinsAndListsAreEnforced)
{
    struct Case {
        const char* key;
        const char* accepted;
        const char* refused;
    };
    const Case cases[] = {
        {"CpiLevel_X2", "50", "51"},   {"CpiLevel_Y4", "1", "0"},      {"Sensitivity", "11", "12"},
        {"ScrollWheelSpeed", "10", "0"}, {"TiltSpeed", "1", "11"},     {"PollingRate", "0", "4"},
        {"SoundVolume", "4", "5"},     {"ASnap", "6", "0"},            {"SAlignment", "60", "61"},
        {"LightEffectType", "4", "5"}, {"LightEffectMode", "1", "0"},  {"LightColorFlow", "5", "6"},
        {"DbleClickSpeed", "410", "500"}, {"MouseSpeed", "4", "3"},    {"MouseTrails", "5", "1"},
        {"MediaOption", "3", "4"},     {"WindowsProfile", "-1", "5"},  {"QuickHelpLan", "16", "17"},
        {"SoundDpi", "0", "2"},        {"CpiLevel_X0", "+7", "7x"},    {"CustomLightInfo0", "1,2,255", "1,2,256"},
        {"LightInfo0", "15", "16"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(set(2, c.key, c.accepted), "") << c.key;
        const std::string refusal = set(2, c.key, c.refused);
        EXPECT_NE(refusal.find(c.key), std::string::npos) << refusal;
        EXPECT_NE(refusal.find("allowed"), std::string::npos) << refusal;
    }
    EXPECT_EQ(block->Profiles[2].CpiLevel_X[0], 7);
    EXPECT_EQ(set(2, "CpiLevel_X2", "60"), "CpiLevel_X2=60 refused: allowed 1 to 50");
}

TEST_F(ProfileEditing, FieldsThePagesDoNotEditAndUnknownKeysAreRefused)
{
    for (const char* key : {"Sensitivity_X", "Cpi_Y", "HDDKeyboard", "LightOnFlag", "UseColorForAll", "dpi5",
                            "LightInfo1", "DisControl", "MouseType", "Acceleration"})
        EXPECT_NE(set(0, key, "1").find("not editable"), std::string::npos) << key;
    EXPECT_NE(set(0, "NoSuchKey", "1"), "");
    EXPECT_NE(set(5, "Sensitivity", "6"), "");
    EXPECT_EQ(set(0, "cpilevel_x1", "12"), "") << "INI keys match without regard to case";
    EXPECT_EQ(block->Profiles[0].CpiLevel_X[1], 12);
}

TEST_F(ProfileEditing, LinkedLevelsMoveTogetherAndTheActiveLevelStaysOn)
{
    settings::ProfileRecord& profile = block->Profiles[1];
    ASSERT_EQ(set(1, "CpiLevel_X3", "20"), "");
    EXPECT_EQ(profile.CpiLevel_Y[3], 20) << "linked by default";
    ASSERT_EQ(set(1, "XYCpiFlag3", "0"), "");
    ASSERT_EQ(set(1, "CpiLevel_Y3", "25"), "");
    EXPECT_EQ(profile.CpiLevel_X[3], 20);
    ASSERT_EQ(set(1, "XYCpiFlag3", "1"), "");
    EXPECT_EQ(profile.CpiLevel_Y[3], 20) << "linking copies X to Y";

    EXPECT_NE(set(1, "dpi1", "0"), "") << "level 1 is the active level";
    ASSERT_EQ(set(1, "dpi2", "0"), "");
    EXPECT_NE(set(1, "Cpi_X", "2"), "") << "a switched-off level cannot be selected";
    ASSERT_EQ(set(1, "Cpi_X", "4"), "");
    EXPECT_EQ(set(1, "dpi1", "0"), "");

    // The sixth dpi byte is carried from files as it is; the mouse has no level 5.
    profile.dpi[5] = 1;
    EXPECT_NE(set(1, "Cpi_X", "5"), "");
    EXPECT_NE(set(1, "Cpi_X", "-1"), "");
}

TEST_F(ProfileEditing, AccelerationPaletteAndTextsFollowTheirControls)
{
    settings::ProfileRecord& profile = block->Profiles[0];
    profile.Acceleration = 3;
    ASSERT_EQ(set(0, "AccelerationFlag", "1"), "");
    EXPECT_EQ(profile.Acceleration, 8);
    ASSERT_EQ(set(0, "AccelerationFlag", "0"), "");
    EXPECT_EQ(profile.Acceleration, 0);

    profile.LtChoseType = 1;
    ASSERT_EQ(set(0, "LightInfo0", "7"), "");
    EXPECT_EQ(profile.LtChoseType, 0);
    EXPECT_EQ(profile.LightInfo[0].TableIndex, 7);
    EXPECT_EQ(profile.LightInfo[0].Red, 255);
    EXPECT_EQ(profile.LightInfo[1].TableIndex, 7) << "default of slot 0, untouched";
    EXPECT_EQ(profile.LightInfo[1].Red, 250);
    profile.UseColorForAll = 1;
    ASSERT_EQ(set(0, "LightInfo0", "11"), "");
    for (const settings::ColorRecord& record : profile.LightInfo)
        EXPECT_EQ(record.TableIndex * 1000 + record.Green, 11255);

    EXPECT_EQ(set(0, "ProFileName", std::string(20, 'n')), "");
    EXPECT_NE(set(0, "ProFileName", std::string(21, 'n')), "");
    std::string refusal;
    EXPECT_FALSE(setProfileNameAndGames(*block, 0, "Game", {"/a", std::string(500, 'g')}, refusal));
    EXPECT_EQ(std::string(profile.ProFileName), std::string(20, 'n')) << "nothing changes on a refusal";
    ASSERT_TRUE(setProfileNameAndGames(*block, 0, "Game", {"/usr/bin/game"}, refusal));
    EXPECT_EQ(std::string(profile.ProFileName) + "|" + profile.GameFile0 + "|" + profile.GameFile1, "Game|/usr/bin/game|");
    EXPECT_EQ(fieldValueText(*block, 0, *findSettingField("LightInfo2")), "11,1,0,255,0");
}

TEST_F(ProfileEditing, WindowsProfileMarkerTogglesItsSlot)
{
    ASSERT_TRUE(toggleWindowsProfileMarker(*block, 2));
    EXPECT_EQ(block->WindowsProfile, 2);
    ASSERT_TRUE(toggleWindowsProfileMarker(*block, 4));
    EXPECT_EQ(block->WindowsProfile, 4);
    ASSERT_TRUE(toggleWindowsProfileMarker(*block, 4));
    EXPECT_EQ(block->WindowsProfile, -1);
    EXPECT_FALSE(toggleWindowsProfileMarker(*block, 5));
    EXPECT_FALSE(selectProfile(*block, -1));
    ASSERT_TRUE(selectProfile(*block, 3));
    EXPECT_EQ(block->CurrentProfile, 3);
}

}  // namespace
}  // namespace option::core::test
