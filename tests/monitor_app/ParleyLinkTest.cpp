#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "monitor/app/ParleyLink.h"

namespace monitor::app {
namespace {

struct SentCopy {
    platform::WindowHandle target;
    std::uint32_t dwData;
    std::vector<std::uint8_t> bytes;
};

class ParleyLinkFixture : public ::testing::Test {
protected:
    ParleyLinkFixture()
        : link(0x4242,
               [this](platform::WindowHandle target, std::uint32_t dwData, const void* data, std::size_t size) {
                   const auto* bytes = static_cast<const std::uint8_t*>(data);
                   sent.push_back({target, dwData, std::vector<std::uint8_t>(bytes, bytes + size)});
                   return true;
               },
               [this](platform::MessageId message) {
                   posted.push_back(message);
                   return true;
               })
    {
        block = std::make_unique<settings::SettingsBlock>();
        block->CurrentProfile = 2;
        for (int i = 0; i < 5; ++i)
            block->Profiles[2].CpiLevel_X[i] = 4 + i;
    }

    std::vector<SentCopy> sent;
    std::vector<platform::MessageId> posted;
    ParleyLink link;
    std::unique_ptr<settings::SettingsBlock> block;
};

TEST_F(ParleyLinkFixture, NothingIsSentBeforeParleyNamesItsWindow)
{
    EXPECT_FALSE(link.sendPresence(*block, true));
    EXPECT_FALSE(link.sendCpiLevels(*block));
    EXPECT_TRUE(sent.empty());
}

TEST_F(ParleyLinkFixture, PresenceCarriesTheMouseTheMonitorAndTheActiveProfilesCpi)
{
    ASSERT_TRUE(link.takeOver(0x77));
    ASSERT_TRUE(link.sendPresence(*block, false));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].target, 0x77u);
    EXPECT_EQ(sent[0].dwData, 0x07970004u);
    const std::vector<std::uint8_t> expected = {0x7D, 0x1E, 0xC2, 0x2D, 0x42, 0x42, 0, 0,
                                                0x90, 0x01, 0, 0, 0xF4, 0x01, 0, 0, 0x58, 0x02, 0, 0,
                                                0xBC, 0x02, 0, 0, 0x20, 0x03, 0, 0};
    EXPECT_EQ(sent[0].bytes, expected);
    ASSERT_TRUE(link.sendCpiLevels(*block));
    EXPECT_EQ(sent[1].dwData, 0x07970005u);
}

TEST_F(ParleyLinkFixture, WithoutActiveProfileTheCpiLevelsAreZero)
{
    block->CurrentProfile = -1;
    link.takeOver(0x77);
    ASSERT_TRUE(link.sendCpiLevels(*block));
    EXPECT_EQ(parleyPresencePayload(*block, 1).Cpi[0], 0);
}

TEST_F(ParleyLinkFixture, OnlyTheFirstWindowIsLearnedAndReleaseForgetsIt)
{
    EXPECT_TRUE(link.takeOver(0x77));
    EXPECT_FALSE(link.takeOver(0x88));
    EXPECT_EQ(link.parleyWindow(), 0x77u);
    EXPECT_TRUE(link.hasTakenOver());
    link.release();
    EXPECT_EQ(link.parleyWindow(), 0u);
    EXPECT_FALSE(link.hasTakenOver());
    EXPECT_FALSE(link.sendCpiLevels(*block));
}

TEST_F(ParleyLinkFixture, ReleasingTheInterDeviceLockTellsParleyOnlyWhenItHasTheTray)
{
    link.setInterDeviceLock(1);
    link.releaseInterDeviceLock(0xC001);
    EXPECT_EQ(link.interDeviceLock(), 0);
    EXPECT_TRUE(posted.empty());
    link.takeOver(0x77);
    link.releaseInterDeviceLock(0xC001);
    EXPECT_EQ(posted, std::vector<platform::MessageId>{0xC001});
}

}  // namespace
}  // namespace monitor::app
