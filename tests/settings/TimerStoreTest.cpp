#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/ini/PrivateProfile.h"
#include "settings/FixedText.h"
#include "settings/RecordBytes.h"
#include "settings/TimerStore.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

using test::readFile;
using test::writeFile;

TimerRecord makeTimer(const std::string& name, int seconds)
{
    TimerRecord timer;
    timer.Seconds = seconds;
    setFieldText(timer.Name, name);
    return timer;
}

class TimerStoreTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.path() + "config/Timer.ini";
};

TEST_F(TimerStoreTest, EmptyListLeavesOnlyTheCount)
{
    writeFile(path, "[Timer]\r\nCount=2\r\n0=00\r\n1=00\r\n[Other]\r\nx=1\r\n");
    ASSERT_TRUE(saveTimerStore({}, path));
    EXPECT_EQ(readFile(path), "[Timer]\r\nCount=0\r\n");

    TimerStore timers{makeTimer("stale", 1)};
    ASSERT_TRUE(loadTimerStore(timers, path));
    EXPECT_TRUE(timers.empty());
}

TEST_F(TimerStoreTest, SaveEqualsDeletingTheFileAndWritingKeyByKey)
{
    writeFile(path, "; old comment\r\n[Timer]\r\nCount=5\r\n4=00\r\n");
    const TimerStore timers{makeTimer("Respawn", 30), makeTimer("Buff", 999)};
    ASSERT_TRUE(saveTimerStore(timers, path));

    const std::string reference = folder.path() + "reference.ini";
    ASSERT_TRUE(platform::ini::writeInt(reference, "Timer", "Count", 2));
    ASSERT_TRUE(platform::ini::writeStruct(reference, "Timer", "0", &timers[0], sizeof(TimerRecord)));
    ASSERT_TRUE(platform::ini::writeStruct(reference, "Timer", "1", &timers[1], sizeof(TimerRecord)));
    EXPECT_EQ(readFile(path), readFile(reference));
}

TEST_F(TimerStoreTest, TimersRoundTripInOrder)
{
    std::filesystem::remove_all(folder.path() + "config");
    TimerStore timers;
    for (int i = 0; i < kMaxTimers; ++i)
        timers.push_back(makeTimer("Timer " + std::to_string(i), 15 + i));
    ASSERT_TRUE(saveTimerStore(timers, path)) << "the config folder is created when missing";

    TimerStore loaded;
    ASSERT_TRUE(loadTimerStore(loaded, path));
    ASSERT_EQ(loaded.size(), timers.size());
    for (std::size_t i = 0; i < timers.size(); ++i)
        EXPECT_TRUE(sameBytes(loaded[i], timers[i])) << i;
}

TEST_F(TimerStoreTest, BadCountsAndKeysAreGuarded)
{
    TimerStore timers;
    ASSERT_TRUE(loadTimerStore(timers, path)) << "a missing file is an empty store";
    EXPECT_TRUE(timers.empty());

    writeFile(path, "[Timer]\r\nCount=-7\r\n");
    ASSERT_TRUE(loadTimerStore(timers, path));
    EXPECT_TRUE(timers.empty());

    const TimerRecord good = makeTimer("Good", 60);
    writeFile(path, "[Timer]\r\nCount=3\r\n0=" + platform::ini::encodeStruct(&good, sizeof good) +
                        "\r\n1=" + platform::ini::encodeStruct(&good, sizeof good - 1) + "\r\n");
    ASSERT_TRUE(loadTimerStore(timers, path));
    ASSERT_EQ(timers.size(), 3u);
    EXPECT_TRUE(sameBytes(timers[0], good));
    const TimerRecord zero{};
    EXPECT_TRUE(sameBytes(timers[1], zero)) << "wrong length";
    EXPECT_TRUE(sameBytes(timers[2], zero)) << "missing";

    writeFile(path, "[Timer]\r\nCount=100000\r\n");
    ASSERT_TRUE(loadTimerStore(timers, path));
    EXPECT_EQ(timers.size(), static_cast<std::size_t>(kMaxLoadedTimers));
}

}  // namespace
}  // namespace settings
