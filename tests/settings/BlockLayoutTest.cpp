// A block made by the code, seen as raw bytes: the offsets and defaults that the
// other program and the files rely on.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/BlockDefaults.h"
#include "settings/SettingsBlock.h"
#include "tests/settings/BlockBytes.h"

namespace settings {
namespace {

using test::bytesOf;
using test::int32At;
using test::textAt;

constexpr std::size_t kProfilesOffset = 132;
constexpr std::size_t kProfileSize = 62756;
constexpr std::size_t kButtonsOffset = 1988;
constexpr std::size_t kButtonSize = 2532;

std::size_t profileAt(int p) { return kProfilesOffset + static_cast<std::size_t>(p) * kProfileSize; }

class DefaultBlockBytes : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto block = std::make_unique<SettingsBlock>();
        createDefaultBlock(*block, 9);
        bytes = bytesOf(*block);
    }
    std::vector<std::uint8_t> bytes;
};

TEST_F(DefaultBlockBytes, HeaderHoldsTheGlobalDefaults)
{
    ASSERT_EQ(bytes.size(), 314424u);
    EXPECT_EQ(int32At(bytes, 0), 0);     // CurrentProfile
    EXPECT_EQ(int32At(bytes, 4), -1);    // WindowsProfile
    EXPECT_EQ(int32At(bytes, 8), 9);     // QuickHelpLan
    EXPECT_EQ(int32At(bytes, 12), 0);    // LiftOnFlag
    EXPECT_EQ(int32At(bytes, 16), 0);    // TrackControlFlag
    EXPECT_EQ(int32At(bytes, 20), 0);    // MouseType
    for (std::size_t offset = 24; offset < 132; ++offset)
        EXPECT_EQ(bytes[offset], 0) << "InfoData byte " << offset;
}

TEST_F(DefaultBlockBytes, ChangeFlagsAndDisControlCloseTheBlock)
{
    for (std::size_t offset = 313912; offset < 314424; ++offset)
        EXPECT_EQ(bytes[offset], 0) << "offset " << offset;
}

TEST_F(DefaultBlockBytes, EveryProfileHoldsTheSharedDefaults)
{
    for (int p = 0; p < kProfileCount; ++p) {
        SCOPED_TRACE(p);
        const std::size_t base = profileAt(p);
        EXPECT_EQ(textAt(bytes, base), "Default" + std::to_string(p + 1));
        EXPECT_EQ(bytes[base + 250], 0);          // GameFile0 empty
        EXPECT_EQ(int32At(bytes, base + 1752), 480);  // DbleClickSpeed
        EXPECT_EQ(int32At(bytes, base + 1756), 3);    // ScrollWheelSpeed
        EXPECT_EQ(int32At(bytes, base + 1764), 10);   // MouseSpeed
        EXPECT_EQ(int32At(bytes, base + 1768), 10);   // Acceleration
        EXPECT_EQ(int32At(bytes, base + 1780), 3);    // TiltSpeed
        EXPECT_EQ(int32At(bytes, base + 1788), 1);    // HDDKeyboard
        EXPECT_EQ(int32At(bytes, base + 1800), 6);    // Sensitivity_X
        EXPECT_EQ(int32At(bytes, base + 1808), 6);    // Sensitivity
        for (int level = 0; level < 5; ++level)
            EXPECT_EQ(bytes[base + 1812 + level], 1);  // dpi
        EXPECT_EQ(bytes[base + 1817], 0);              // sixth dpi byte: as the memory was
        EXPECT_EQ(int32At(bytes, base + 1820), 1);     // Cpi_X
        EXPECT_EQ(int32At(bytes, base + 1824), 1);     // Cpi_Y
        for (int level = 0; level < 5; ++level)
            EXPECT_EQ(bytes[base + 1828 + level], 1);  // XYCpiFlag
        const int levels[] = {4, 8, 16, 32, 50};
        for (int level = 0; level < 5; ++level) {
            EXPECT_EQ(int32At(bytes, base + 1836 + 4 * level), levels[level]);
            EXPECT_EQ(int32At(bytes, base + 1856 + 4 * level), levels[level]);
        }
        EXPECT_EQ(int32At(bytes, base + 1876), 3);     // PollingRate
        EXPECT_EQ(int32At(bytes, base + 1880), 1);     // LightOnFlag
        EXPECT_EQ(int32At(bytes, base + 1896), 2);     // LightEffectSpeed
        EXPECT_EQ(int32At(bytes, base + 1916), 1);     // SoundTrophy
        EXPECT_EQ(int32At(bytes, base + 1920), 2);     // SoundVolume
        EXPECT_EQ(int32At(bytes, base + 1936), 2);     // ASnap
        EXPECT_EQ(int32At(bytes, base + 1944), 30);    // SAlignment
        for (std::size_t offset = base + 1968; offset < base + 1988; ++offset)
            EXPECT_EQ(bytes[offset], 0) << "CustomLightInfo byte " << offset - base;
    }
}

TEST_F(DefaultBlockBytes, LightingDependsOnTheSlot)
{
    struct Expected {
        int colorFlow, effectType;
        std::uint8_t index, red, green, blue;
    };
    const Expected expected[] = {
        {1, 2, 7, 250, 0, 0}, {0, 1, 0, 0, 100, 250}, {0, 1, 7, 250, 0, 0},
        {0, 1, 11, 0, 250, 0}, {0, 1, 15, 0, 0, 250},
    };
    for (int p = 0; p < kProfileCount; ++p) {
        SCOPED_TRACE(p);
        const std::size_t base = profileAt(p);
        EXPECT_EQ(int32At(bytes, base + 1888), expected[p].colorFlow);
        EXPECT_EQ(int32At(bytes, base + 1892), expected[p].effectType);
        for (int i = 0; i < 4; ++i) {
            const std::size_t color = base + 1948 + 5 * i;
            EXPECT_EQ(bytes[color + 0], expected[p].index);
            EXPECT_EQ(bytes[color + 1], 1);
            EXPECT_EQ(bytes[color + 2], expected[p].red);
            EXPECT_EQ(bytes[color + 3], expected[p].green);
            EXPECT_EQ(bytes[color + 4], expected[p].blue);
        }
    }
}

TEST_F(DefaultBlockBytes, ButtonSlotsCarryTheirIndexAndDefaultCode)
{
    const std::uint8_t codes[24] = {1, 2, 3, 7, 65, 9, 10, 13, 14, 21, 22, 26,
                                    8, 7, 37, 6, 0, 33, 34, 38, 39, 17, 18, 27};
    for (int p = 0; p < kProfileCount; ++p) {
        for (int s = 0; s < 24; ++s) {
            const std::size_t slot = profileAt(p) + kButtonsOffset + static_cast<std::size_t>(s) * kButtonSize;
            EXPECT_EQ(bytes[slot], s);
            EXPECT_EQ(bytes[slot + 1], codes[s]) << "profile " << p << " slot " << s;
            for (std::size_t offset = 2; offset < kButtonSize; ++offset)
                ASSERT_EQ(bytes[slot + offset], 0) << "profile " << p << " slot " << s << " byte " << offset;
        }
    }
}

TEST(DefaultBlock, OverwritesEveryFieldButLeavesTheCarriedOnes)
{
    auto block = std::make_unique<SettingsBlock>();
    std::memset(static_cast<void*>(block.get()), 0xAB, sizeof(SettingsBlock));
    createDefaultBlock(*block, 3);
    const auto bytes = bytesOf(*block);

    for (int p = 0; p < kProfileCount; ++p) {
        SCOPED_TRACE(p);
        const std::size_t base = profileAt(p);
        EXPECT_EQ(bytes[base + 9], 0) << "name padded with zeros";
        EXPECT_EQ(bytes[base + 249], 0);
        EXPECT_EQ(bytes[base + 1749], 0) << "GameFile2 cleared";
        EXPECT_EQ(bytes[base + 1750], 0);  // padding
        EXPECT_EQ(bytes[base + 1751], 0);
        EXPECT_EQ(bytes[base + 1817], 0xAB) << "sixth dpi byte is carried";
        EXPECT_EQ(bytes[base + 1818], 0);  // padding
        EXPECT_EQ(bytes[base + 1819], 0);
        EXPECT_EQ(bytes[base + 1833], 0);  // padding
        EXPECT_EQ(bytes[base + 1835], 0);
        EXPECT_EQ(int32At(bytes, base + 1760), 0);  // ScrollWheelFlag
        EXPECT_EQ(int32At(bytes, base + 1924), 0);  // UseColorForAll
        EXPECT_EQ(bytes[base + kButtonsOffset + 23 * kButtonSize + 2531], 0);
    }
    // MouseType, InfoData and the change flags are not part of the defaults.
    EXPECT_EQ(bytes[20], 0xAB);
    EXPECT_EQ(bytes[24], 0xAB);
    EXPECT_EQ(bytes[313912], 0xAB);
    EXPECT_EQ(int32At(bytes, 314420), 0);  // DisControl
}

TEST(DefaultProfile, ASlotOutsideTheRangeCountsAsSlotZero)
{
    auto profile = std::make_unique<ProfileRecord>();
    createDefaultProfile(*profile, -1);
    EXPECT_STREQ(profile->ProFileName, "Default1");
    EXPECT_EQ(profile->LightEffectType, 2);
    createDefaultProfile(*profile, 7);
    EXPECT_STREQ(profile->ProFileName, "Default1");
}

TEST(DefaultProfile, StartsOnTheSecondCpiLevel)
{
    auto profile = std::make_unique<ProfileRecord>();
    createDefaultProfile(*profile, 2);
    EXPECT_EQ(profile->CpiLevel_X[profile->Cpi_X] * 100, 800);
}

TEST(ClearForLoading, LeavesNoProfileNoActiveSlotAndNoFlags)
{
    auto block = std::make_unique<SettingsBlock>();
    createDefaultBlock(*block, 4);
    block->MouseType = 5;
    block->InfoData.Counters[3] = 77;
    block->ButtonChangedFlags[119] = 1;
    block->DeviceFlagsChangedFlag = 1;
    block->DisControl = 2;

    clearForLoading(*block);

    EXPECT_EQ(block->CurrentProfile, -1);
    EXPECT_EQ(block->MouseType, 0);
    EXPECT_EQ(block->WindowsProfile, -1);
    EXPECT_EQ(block->QuickHelpLan, 4);
    EXPECT_EQ(block->InfoData.Counters[3], 77);
    EXPECT_EQ(block->DisControl, 2);
    const auto bytes = bytesOf(*block);
    for (std::size_t offset = 132; offset < 314420; ++offset)
        ASSERT_EQ(bytes[offset], 0) << "offset " << offset;
}

TEST(ActiveProfile, OnlySlotsZeroToFourAreActive)
{
    auto block = std::make_unique<SettingsBlock>();
    for (int current : {-1, 5, 7, -2147483647 - 1}) {
        block->CurrentProfile = current;
        EXPECT_EQ(activeProfile(*block), nullptr) << current;
    }
    block->CurrentProfile = 4;
    EXPECT_EQ(activeProfile(*block), &block->Profiles[4]);
    EXPECT_FALSE(isValidCpiLevel(9));
    EXPECT_FALSE(isValidCpiLevel(-1));
    EXPECT_TRUE(isValidCpiLevel(4));
}

}  // namespace
}  // namespace settings
