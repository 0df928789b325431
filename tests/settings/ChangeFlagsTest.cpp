#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "settings/BlockDefaults.h"
#include "settings/ChangeFlags.h"
#include "tests/settings/BlockBytes.h"

namespace settings {
namespace {

// Byte ranges of a profile whose change must be sent to the mouse.
const std::vector<std::pair<std::size_t, std::size_t>> kDeviceRanges = {
    {1788, 1812},  // HDDKeyboard, Orientation, XYSynchronous, Sensitivity_X, _Y, Sensitivity
    {1812, 1818},  // the six dpi bytes
    {1820, 1828},  // Cpi_X, Cpi_Y
    {1836, 1880},  // CpiLevel_X, CpiLevel_Y, PollingRate
    {1880, 1900},  // LightOnFlag .. LightEffectSpeed
    {1928, 1932},  // LtChoseType
    {1932, 1948},  // ASnapFlag, ASnap, SAlignmentFlag, SAlignment
    {1948, 1988},  // LightInfo, CustomLightInfo
};

bool isDeviceByte(std::size_t offset)
{
    for (const auto& [begin, end] : kDeviceRanges) {
        if (offset >= begin && offset < end)
            return true;
    }
    return false;
}

class ChangeFlagsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        createDefaultBlock(*before, 1);
        *after = *before;
    }
    std::unique_ptr<SettingsBlock> before = std::make_unique<SettingsBlock>();
    std::unique_ptr<SettingsBlock> after = std::make_unique<SettingsBlock>();
};

TEST_F(ChangeFlagsTest, ExactlyTheDeviceFieldsOfAProfileCount)
{
    // Every byte of the general part of profile 2, one at a time, including
    // the host-only fields and the padding.
    auto* profileBytes = reinterpret_cast<std::uint8_t*>(&after->Profiles[2]);
    for (std::size_t offset = 0; offset < 1988; ++offset) {
        profileBytes[offset] ^= 0x5A;
        computeChangeFlags(*before, *after);
        ASSERT_EQ(after->ProfileChangedFlags[2] == 1, isDeviceByte(offset)) << "profile byte " << offset;
        for (int p : {0, 1, 3, 4})
            ASSERT_EQ(after->ProfileChangedFlags[p], 0);
        EXPECT_EQ(after->ActiveProfileChangedFlag, 0);
        EXPECT_EQ(after->DeviceFlagsChangedFlag, 0);
        profileBytes[offset] ^= 0x5A;
        clearChangeFlags(*after);
    }
}

TEST_F(ChangeFlagsTest, EveryProfileMarksOnlyItself)
{
    for (int changed = 0; changed < kProfileCount; ++changed) {
        *after = *before;
        after->Profiles[changed].CpiLevel_X[0] = 40;
        computeChangeFlags(*before, *after);
        for (int p = 0; p < kProfileCount; ++p)
            EXPECT_EQ(after->ProfileChangedFlags[p], p == changed ? 1 : 0) << "changed " << changed << ", flag " << p;
    }
}

TEST_F(ChangeFlagsTest, ButtonSlotsAreLeftToTheirOwnFlags)
{
    after->Profiles[1].MacroKeyInfo[7].FunctionCode = 48;
    after->ButtonChangedFlags[1 * 24 + 7] = 1;
    computeChangeFlags(*before, *after);
    EXPECT_EQ(after->ProfileChangedFlags[1], 0);
    EXPECT_EQ(after->ButtonChangedFlags[1 * 24 + 7], 1) << "a flag set by a page stays set";
}

TEST_F(ChangeFlagsTest, HeaderFieldsSetTheirFlags)
{
    after->CurrentProfile = 3;
    computeChangeFlags(*before, *after);
    EXPECT_EQ(after->ActiveProfileChangedFlag, 1);
    EXPECT_EQ(after->DeviceFlagsChangedFlag, 0);

    for (std::int32_t SettingsBlock::*field :
         {&SettingsBlock::LiftOnFlag, &SettingsBlock::TrackControlFlag, &SettingsBlock::DisControl}) {
        *after = *before;
        (*after).*field = 1;
        computeChangeFlags(*before, *after);
        EXPECT_EQ(after->DeviceFlagsChangedFlag, 1);
        EXPECT_EQ(after->ActiveProfileChangedFlag, 0);
    }

    *after = *before;
    after->WindowsProfile = 2;
    after->QuickHelpLan = 5;
    after->MouseType = 4;
    after->InfoData.Counters[0] = 9;
    computeChangeFlags(*before, *after);
    EXPECT_EQ(after->ActiveProfileChangedFlag, 0);
    EXPECT_EQ(after->DeviceFlagsChangedFlag, 0);
}

TEST_F(ChangeFlagsTest, ForceAllThenClearTouchesOnlyTheFlags)
{
    after->DisControl = 3;
    forceAllChangeFlags(*after);
    for (std::int32_t flag : after->ButtonChangedFlags)
        EXPECT_EQ(flag, 1);
    for (std::int32_t flag : after->ProfileChangedFlags)
        EXPECT_EQ(flag, 1);
    EXPECT_EQ(after->ActiveProfileChangedFlag, 1);
    EXPECT_EQ(after->DeviceFlagsChangedFlag, 1);
    EXPECT_EQ(after->DisControl, 3);

    clearChangeFlags(*after);
    const auto bytes = test::bytesOf(*after);
    for (std::size_t offset = 313912; offset < 314420; ++offset)
        ASSERT_EQ(bytes[offset], 0) << "offset " << offset;
    EXPECT_EQ(after->DisControl, 3);
}

TEST_F(ChangeFlagsTest, SettingAllButtonFlagsOfASlotStaysInsideItsProfile)
{
    setAllButtonFlags(*after, 4);
    for (int i = 0; i < kButtonFlagCount; ++i)
        EXPECT_EQ(after->ButtonChangedFlags[i], i >= 96 ? 1 : 0) << i;
    setAllButtonFlags(*after, 5);
    setAllButtonFlags(*after, -1);
    EXPECT_EQ(after->ProfileChangedFlags[0], 0);
    EXPECT_EQ(after->ButtonChangedFlags[0], 0);
}

}  // namespace
}  // namespace settings
