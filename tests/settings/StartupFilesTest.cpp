// The files the monitor writes once at start: RunsStart.ini and its entry in
// the Parley monitor registry.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ini/PrivateProfile.h"
#include "settings/ParleyRegistration.h"
#include "settings/StartTime.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

class StartTimeTest : public ::testing::Test {
protected:
    test::TempFolder temp;
    InstallFolder folder{temp.path()};
};

TEST_F(StartTimeTest, OnlyTheFirstStartIsRecorded)
{
    ASSERT_TRUE(recordFirstStart(folder, StartTime{2024, 2, 29, 23, 59}));
    EXPECT_EQ(test::readFile(folder.runsStartIni()),
              "[StartTime]\r\nYear=2024\r\nMonth=2\r\nDay=29\r\nHour=23\r\nMinute=59\r\n");
    ASSERT_TRUE(recordFirstStart(folder, StartTime{2025, 1, 1, 0, 0}));
    EXPECT_EQ(readFirstStart(folder).year, 2024);

    std::filesystem::remove(folder.runsStartIni());
    ASSERT_TRUE(recordFirstStart(folder, StartTime{2025, 1, 1, 0, 5}));
    const StartTime again = readFirstStart(folder);
    EXPECT_EQ(again.year, 2025);
    EXPECT_EQ(again.minute, 5);
}

TEST_F(StartTimeTest, AnExistingFileIsKeptEvenWhenEmpty)
{
    test::writeFile(folder.runsStartIni(), "");
    ASSERT_TRUE(recordFirstStart(folder, StartTime{2024, 1, 1, 1, 1}));
    EXPECT_EQ(readFirstStart(folder).year, -1);
}

class ParleyRegistrationTest : public ::testing::Test {
protected:
    test::TempFolder temp;
    std::string folder = temp.path() + "share/VANTRO/Parley/";
    std::string file = folder + "TConfig.ini";
};

TEST_F(ParleyRegistrationTest, FolderFollowsTheDataHome)
{
    {
        test::ScopedEnv dataHome("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(parleyFolder(), "/data/home/VANTRO/Parley/");
    }
    test::ScopedEnv noDataHome("XDG_DATA_HOME", std::nullopt);
    test::ScopedEnv home("HOME", "/home/user");
    EXPECT_EQ(parleyFolder(), "/home/user/.local/share/VANTRO/Parley/");
}

TEST_F(ParleyRegistrationTest, CreatesTheFolderAndRegistersOnce)
{
    ASSERT_TRUE(registerWithParley(folder));
    const std::string first = test::readFile(file);
    EXPECT_EQ(first, "[ZuroTarn]\r\nName=Zuro Tarn\r\n"
                     "WindowName=VANTRO Zuro Vell Lumic Noxa Edition Monitor\r\nDevice=0\r\n");
    ASSERT_TRUE(registerWithParley(folder));
    EXPECT_EQ(test::readFile(file), first);
}

TEST_F(ParleyRegistrationTest, AnotherSpellingOfTheNameCountsAsRegistered)
{
    std::filesystem::create_directories(folder);
    test::writeFile(file, "[Keyboard]\r\nName=Other\r\n[Mine]\r\nName=zuro TARN\r\nDevice=1\r\n");
    ASSERT_TRUE(registerWithParley(folder));
    EXPECT_EQ(platform::ini::sectionNames(file), (std::vector<std::string>{"Keyboard", "Mine"}));
}

TEST_F(ParleyRegistrationTest, OtherMonitorsAreKept)
{
    std::filesystem::create_directories(folder);
    test::writeFile(file, "[Keyboard]\r\nName=Other\r\nWindowName=K\r\nDevice=0\r\n");
    ASSERT_TRUE(registerWithParley(folder));
    EXPECT_EQ(platform::ini::readString(file, "Keyboard", "WindowName"), "K");
    EXPECT_EQ(platform::ini::readString(file, "ZuroTarn", "Name"), "Zuro Tarn");
}

TEST_F(ParleyRegistrationTest, NoFolderNoRegistration)
{
    EXPECT_FALSE(registerWithParley(""));
}

}  // namespace
}  // namespace settings
