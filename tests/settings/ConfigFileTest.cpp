#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "platform/ini/PrivateProfile.h"
#include "platform/registry/RegistryStore.h"
#include "settings/BlockDefaults.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigKeys.h"
#include "settings/RecordBytes.h"
#include "tests/settings/BlockBytes.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

using test::readFile;
using test::writeFile;

bool registryHasMouseValues()
{
    const auto mouse = platform::RegistryKey::open("Control Panel\\Mouse");
    return mouse && mouse->readString("MouseSensitivity").has_value();
}

class ConfigFileTest : public ::testing::Test {
protected:
    test::TempFolder temp;
    InstallFolder folder{temp.path()};
    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
    std::unique_ptr<SettingsBlock> loaded = std::make_unique<SettingsBlock>();

    void SetUp() override
    {
        createDefaultBlock(*block, 7);
        // Acceleration on: the registry then gives the active profile back its own value.
        block->Profiles[0].AccelerationFlag = 1;
    }
};

TEST_F(ConfigFileTest, SaveAllThenLoadAllGivesTheSameBlock)
{
    block->WindowsProfile = 2;
    block->MouseType = 3;
    block->LiftOnFlag = 1;
    block->TrackControlFlag = -5;
    block->DisControl = 3;
    block->InfoData.Counters[12] = 123456;
    block->InfoData.TrophyFlags[3] = 1;
    block->InfoData.LastTrophy = 4;
    block->Profiles[0].ScrollWheelFlag = 1;  // goes through the registry as "-1"
    block->Profiles[0].ScrollWheelSpeed = 8;
    block->Profiles[2].SoundVolume = 12;
    block->Profiles[4].dpi[5] = 9;
    std::snprintf(block->Profiles[1].MacroKeyInfo[9].ProgramPath, kProgramPathSize, "/usr/bin/true");

    ASSERT_TRUE(saveAll(*block, folder));
    clearForLoading(*loaded);
    ASSERT_TRUE(loadAll(*loaded, folder));
    EXPECT_TRUE(sameBytes(*block, *loaded));
}

TEST_F(ConfigFileTest, ConfigKeysAreWrittenInOrder)
{
    block->InfoData.Counters[0] = 1;
    ASSERT_TRUE(saveAll(*block, folder));
    std::string expectedInfo(2 * 108, '0');
    expectedInfo[1] = '1';
    expectedInfo += "01";
    EXPECT_EQ(readFile(folder.configIni()),
              "[Setting]\r\nCurrentProfile=0\r\nWindowsProfile=-1\r\nQuickHelpLan=7\r\nMouseType=0\r\n"
              "LiftOnFlag=0\r\nTrackControlFlag=0\r\nDisControl=0\r\nInfoData=" + expectedInfo + "\r\n");
}

TEST_F(ConfigFileTest, SaveKeepsOtherKeysOfConfigIni)
{
    ASSERT_TRUE(writeFirmwareVersion(folder, 107));
    ASSERT_TRUE(writeProfileFileName(folder, 0, "mine"));
    ASSERT_TRUE(saveAll(*block, folder));
    EXPECT_EQ(readFirmwareVersion(folder), 107);
    EXPECT_EQ(platform::ini::readString(folder.configIni(), "Profile1", "FileName"), "mine");
}

TEST_F(ConfigFileTest, MissingFilesGiveMinusOneAndDefaultProfiles)
{
    clearForLoading(*loaded);
    ASSERT_TRUE(loadAll(*loaded, folder));
    EXPECT_EQ(loaded->CurrentProfile, -1);
    EXPECT_EQ(loaded->WindowsProfile, -1);
    EXPECT_EQ(loaded->QuickHelpLan, -1);
    EXPECT_EQ(loaded->MouseType, -1);
    EXPECT_EQ(loaded->LiftOnFlag, -1);
    EXPECT_EQ(loaded->TrackControlFlag, -1);
    EXPECT_EQ(loaded->DisControl, -1);
    EXPECT_TRUE(sameBytes(loaded->InfoData, InfoData{}));
    for (int p = 0; p < kProfileCount; ++p) {
        auto expected = std::make_unique<ProfileRecord>();
        createDefaultProfile(*expected, p);
        EXPECT_TRUE(sameBytes(loaded->Profiles[p], *expected)) << p;
    }
    EXPECT_FALSE(registryHasMouseValues()) << "no active profile, no registry step";
}

TEST_F(ConfigFileTest, ProfileFilesMissingForSomeSlotsOnly)
{
    block->Profiles[3].PollingRate = 1;
    block->Profiles[1].PollingRate = 0;
    ASSERT_TRUE(saveAll(*block, folder));
    std::filesystem::remove(folder.profileFile(1));

    ASSERT_TRUE(loadAll(*loaded, folder));
    EXPECT_EQ(loaded->Profiles[3].PollingRate, 1);
    EXPECT_EQ(loaded->Profiles[1].PollingRate, 3);
}

TEST_F(ConfigFileTest, ActiveProfileOutOfRangeSkipsTheRegistry)
{
    for (int current : {-1, 5, 7, 1 << 30}) {
        block->CurrentProfile = current;
        ASSERT_TRUE(saveAll(*block, folder)) << current;
        ASSERT_TRUE(loadAll(*loaded, folder)) << current;
        EXPECT_EQ(loaded->CurrentProfile, current);
    }
    EXPECT_FALSE(registryHasMouseValues());
}

TEST_F(ConfigFileTest, SavingCreatesTheConfigSubfolder)
{
    std::filesystem::remove_all(folder.configSubfolder());
    ASSERT_TRUE(saveAll(*block, folder));
    EXPECT_TRUE(std::filesystem::exists(folder.profileFile(4)));
}

TEST_F(ConfigFileTest, AnUnreadableConfigIniStillLoadsTheProfilesAndKeepsTheCounters)
{
    block->Profiles[2].PollingRate = 1;
    ASSERT_TRUE(saveAll(*block, folder));
    std::filesystem::remove(folder.configIni());
    std::filesystem::create_directories(folder.configIni());  // a folder in its place
    loaded->CurrentProfile = 4;
    loaded->InfoData.Counters[3] = 77;
    LoadProblems problems;
    EXPECT_TRUE(loadAll(*loaded, folder, &problems));
    EXPECT_TRUE(problems.configUnreadable);
    EXPECT_EQ(loaded->CurrentProfile, -1) << "as if the key were missing";
    EXPECT_EQ(loaded->Profiles[2].PollingRate, 1);
    EXPECT_EQ(loaded->InfoData.Counters[3], 77);
}

TEST_F(ConfigFileTest, DamagedInfoDataKeepsTheCountersTheBlockHas)
{
    block->InfoData.Counters[0] = 5;
    block->MouseType = 3;
    ASSERT_TRUE(saveAll(*block, folder));
    std::string text = readFile(folder.configIni());
    const std::size_t info = text.find("InfoData=") + 9;
    text[info] = text[info] == '9' ? '8' : '9';  // the checksum no longer matches
    writeFile(folder.configIni(), text);

    loaded->InfoData.Counters[0] = 1234;
    LoadProblems problems;
    ASSERT_TRUE(loadAll(*loaded, folder, &problems));
    EXPECT_TRUE(problems.infoDataDamaged);
    EXPECT_FALSE(problems.configUnreadable);
    EXPECT_EQ(loaded->InfoData.Counters[0], 1234);
    EXPECT_EQ(loaded->MouseType, 3) << "the other keys are read";
}

TEST_F(ConfigFileTest, SingleKeysReplaceOnlyThemselves)
{
    ASSERT_TRUE(saveAll(*block, folder));
    EXPECT_EQ(readFirmwareVersion(folder), kDefaultFirmwareVersion);
    EXPECT_TRUE(writeCurrentProfile(folder, 3));
    EXPECT_TRUE(writeDisControl(folder, 2));
    EXPECT_TRUE(writeFirmwareVersion(folder, 0));
    EXPECT_TRUE(writeDeviceConnected(folder, 1));
    InfoData info;
    info.Counters[4] = 99;
    EXPECT_TRUE(writeInfoData(folder, info));
    EXPECT_TRUE(writeMacroOsd(folder, 5, "Reload"));
    EXPECT_FALSE(writeProfileFileName(folder, 5, "x"));
    EXPECT_FALSE(writeProfileFileName(folder, -1, "x"));
    EXPECT_TRUE(writeProfileFileName(folder, 4, "Tank"));

    EXPECT_EQ(readDisControl(folder), 2);
    EXPECT_EQ(readFirmwareVersion(folder), 0);
    const std::string config = folder.configIni();
    EXPECT_EQ(platform::ini::readInt(config, "Setting", "Device", -1), 1);
    EXPECT_EQ(platform::ini::readInt(config, "MacroOSD", "Number", -1), 5);
    EXPECT_EQ(platform::ini::readString(config, "MacroOSD", "MacroName"), "Reload");
    EXPECT_EQ(platform::ini::readString(config, "Profile5", "FileName"), "Tank");
    EXPECT_EQ(platform::ini::readString(config, "Profile6", "FileName", "none"), "none");

    ASSERT_TRUE(loadAll(*loaded, folder));
    EXPECT_EQ(loaded->CurrentProfile, 3);
    EXPECT_EQ(loaded->DisControl, 2);
    EXPECT_EQ(loaded->InfoData.Counters[4], 99);
    EXPECT_EQ(loaded->QuickHelpLan, 7);
}

TEST_F(ConfigFileTest, DisControlMissingReadsMinusOne)
{
    EXPECT_EQ(readDisControl(folder), -1);
}

TEST_F(ConfigFileTest, OsdSettingsAreReadFromTheirOwnSection)
{
    OsdSettings settings;
    EXPECT_FALSE(readOsdSettings(folder, settings));

    std::uint8_t bytes[OsdSettings::kSize] = {};
    bytes[12] = 1;
    bytes[28] = 0x34;
    bytes[29] = 0x12;
    bytes[30] = 0xFF;  // upper half of the 32-bit value, not part of the word
    bytes[32] = 0x02;
    ASSERT_TRUE(platform::ini::writeStruct(folder.configIni(), "OSDSetting", "config", bytes, sizeof bytes));
    ASSERT_TRUE(readOsdSettings(folder, settings));
    EXPECT_TRUE(settings.showsMacroNames());
    EXPECT_EQ(settings.wordA(), 0x1234);
    EXPECT_EQ(settings.wordB(), 0x0002);

    bytes[13] = 1;  // 257: not the value 1
    ASSERT_TRUE(platform::ini::writeStruct(folder.configIni(), "OSDSetting", "config", bytes, sizeof bytes));
    ASSERT_TRUE(readOsdSettings(folder, settings));
    EXPECT_FALSE(settings.showsMacroNames());

    ASSERT_TRUE(platform::ini::writeString(folder.configIni(), "OSDSetting", "config", "00"));
    EXPECT_FALSE(readOsdSettings(folder, settings));
    EXPECT_EQ(settings.wordA(), 0);
}

}  // namespace
}  // namespace settings
