#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "monitor/app/SharedBlock.h"
#include "tests/support/TemporaryFolder.h"

namespace monitor::app {
namespace {

TEST(SharedBlockTest, ASecondCreatorFindsTheLockAndIsRefused)
{
    testsupport::TemporaryRuntimeFolder runtime;
    SharedBlock monitor;
    ASSERT_EQ(monitor.create(), SharedBlock::CreateResult::Created);
    EXPECT_TRUE(monitor.hasSection());
    SharedBlock second;
    EXPECT_EQ(second.create(), SharedBlock::CreateResult::LockExisted);
    EXPECT_FALSE(second.hasSection());
    auto block = std::make_unique<settings::SettingsBlock>();
    EXPECT_FALSE(second.copyOut(*block));
}

TEST(SharedBlockTest, TheWholeBlockMovesBetweenCreatorAndOpener)
{
    testsupport::TemporaryRuntimeFolder runtime;
    SharedBlock monitor;
    ASSERT_EQ(monitor.create(), SharedBlock::CreateResult::Created);
    auto written = std::make_unique<settings::SettingsBlock>();
    written->CurrentProfile = 3;
    written->Profiles[4].CpiLevel_X[4] = 77;
    written->DisControl = 2;
    ASSERT_TRUE(monitor.copyOut(*written));

    SharedBlock application;
    ASSERT_TRUE(application.open());
    auto read = std::make_unique<settings::SettingsBlock>();
    ASSERT_TRUE(application.copyIn(*read));
    EXPECT_EQ(std::memcmp(read.get(), written.get(), sizeof *read), 0);

    read->ProfileChangedFlags[1] = 1;
    ASSERT_TRUE(application.copyOut(*read));
    ASSERT_TRUE(monitor.copyIn(*written));
    EXPECT_EQ(written->ProfileChangedFlags[1], 1);
}

TEST(SharedBlockTest, NothingToOpenOnceTheMonitorClosed)
{
    testsupport::TemporaryRuntimeFolder runtime;
    SharedBlock application;
    EXPECT_FALSE(application.open());
    {
        SharedBlock monitor;
        ASSERT_EQ(monitor.create(), SharedBlock::CreateResult::Created);
        monitor.close();
        auto block = std::make_unique<settings::SettingsBlock>();
        EXPECT_FALSE(monitor.copyIn(*block));
    }
    EXPECT_FALSE(application.open());
}

}  // namespace
}  // namespace monitor::app
