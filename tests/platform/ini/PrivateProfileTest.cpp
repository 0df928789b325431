#include "platform/ini/PrivateProfile.h"

#include "tests/platform/ini/IniTestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>

#include <sys/stat.h>

using namespace platform::ini;
using ini_test::fileBytes;
using ini_test::putFile;
using ini_test::TemporaryFolder;

namespace {

ino_t inodeOf(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

mode_t permissionsOf(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(PrivateProfileWrite, KeyByKeyWritesGiveByteExactCrlfFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    const std::array<std::uint8_t, 2> info{0x12, 0xF0};

    ASSERT_TRUE(writeInt(path, "Setting", "CurrentProfile", 2));
    EXPECT_EQ(fileBytes(path), "[Setting]\r\nCurrentProfile=2\r\n");

    ASSERT_TRUE(writeInt(path, "Setting", "DisControl", -1));
    ASSERT_TRUE(writeStruct(path, "Setting", "InfoData", info.data(), info.size()));
    ASSERT_TRUE(writeString(path, "Profile1", "FileName", "Night raid"));
    ASSERT_TRUE(writeInt(path, "SETTING", "currentprofile", 4));
    EXPECT_EQ(fileBytes(path),
              "[Setting]\r\nCurrentProfile=4\r\nDisControl=-1\r\nInfoData=12F002\r\n"
              "\r\n[Profile1]\r\nFileName=Night raid\r\n");
}

TEST(PrivateProfileWrite, OverwriteInHandWrittenLfFileTouchesOnlyThatLine)
{
    TemporaryFolder folder;
    const std::string path = folder.file("TConfig.ini");
    putFile(path, "; parley devices\n[ZuroTarn]\nname = Zuro Tarn\nDevice=0\n\n[Other]\nName=x\n");

    ASSERT_TRUE(writeInt(path, "zurotarn", "NAME", 1));
    EXPECT_EQ(fileBytes(path),
              "; parley devices\n[ZuroTarn]\nname=1\r\nDevice=0\n\n[Other]\nName=x\n");
}

TEST(PrivateProfileWrite, DeletesRemoveKeysAndSections)
{
    TemporaryFolder folder;
    const std::string path = folder.file("DeviceInfo.ini");
    putFile(path, "[Setting]\r\nCount=1\r\n\r\n[Device0]\r\nVID=1\r\nPID=2\r\n");

    EXPECT_TRUE(deleteKey(path, "device0", "vid"));
    EXPECT_EQ(fileBytes(path), "[Setting]\r\nCount=1\r\n\r\n[Device0]\r\nPID=2\r\n");
    EXPECT_TRUE(deleteSection(path, "Device0"));
    EXPECT_EQ(fileBytes(path), "[Setting]\r\nCount=1\r\n\r\n");
    EXPECT_TRUE(deleteSection(path, "Device0"));
    EXPECT_TRUE(deleteKey(folder.file("missing.ini"), "A", "k"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.ini")));
}

TEST(PrivateProfileWrite, RejectedNameFailsAndLeavesFileAlone)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    putFile(path, "[A]\r\nk=1\r\n");
    EXPECT_FALSE(writeString(path, "A", "bad=key", "v"));
    EXPECT_FALSE(writeInt(path, "", "k", 1));
    EXPECT_EQ(fileBytes(path), "[A]\r\nk=1\r\n");
}

TEST(PrivateProfileFile, ReplacesWholeFileKeepingModeAndLeavingNoTemporaryFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("Default0.vmp");
    putFile(path, "[Setting]\r\nMouseSpeed=10\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const ino_t before = inodeOf(path);

    ASSERT_TRUE(writeInt(path, "Setting", "MouseSpeed", 11));
    EXPECT_NE(inodeOf(path), before);
    EXPECT_EQ(permissionsOf(path), 0640u);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"Default0.vmp"});
}

TEST(PrivateProfileFile, NewFileTakesModeFromUmask)
{
    TemporaryFolder folder;
    const std::string path = folder.file("RunsStart.ini");
    const mode_t previous = umask(027);
    const bool written = writeInt(path, "StartTime", "Year", 2024);
    umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(permissionsOf(path), 0640u);
}

TEST(PrivateProfileFile, WriteOfTheSameValueDoesNotReplaceTheFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    ASSERT_TRUE(writeInt(path, "Setting", "Device", 1));
    const ino_t before = inodeOf(path);
    ASSERT_TRUE(writeInt(path, "Setting", "Device", 1));
    EXPECT_EQ(inodeOf(path), before);
}

TEST(PrivateProfileFile, MissingFolderOrUnreadableFileFailsWithoutDamage)
{
    TemporaryFolder folder;
    EXPECT_FALSE(writeInt(folder.file("no-such-folder/config.ini"), "A", "k", 1));
    EXPECT_FALSE(std::filesystem::exists(folder.file("no-such-folder")));

    // A folder where the file should be stands for any file that cannot be read.
    const std::string unreadable = folder.file("config.ini");
    ASSERT_TRUE(std::filesystem::create_directory(unreadable));
    EXPECT_FALSE(writeInt(unreadable, "A", "k", 1));
    EXPECT_EQ(readInt(unreadable, "A", "k", -1), -1);
    EXPECT_EQ(readString(unreadable, "A", "k", "dflt"), "dflt");
    EXPECT_TRUE(sectionNames(unreadable).empty());
    EXPECT_TRUE(std::filesystem::is_directory(unreadable));
}

TEST(PrivateProfileRead, IntegersWithDefaults)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    putFile(path, "[Setting]\r\nA=  -12abc\r\nB=+7\r\nC=abc\r\nD=\r\nE=99999999999\r\n");
    EXPECT_EQ(readInt(path, "Setting", "A", 5), -12);
    EXPECT_EQ(readInt(path, "Setting", "B", 5), 7);
    EXPECT_EQ(readInt(path, "Setting", "C", 5), 0);
    EXPECT_EQ(readInt(path, "Setting", "D", 5), 5);
    EXPECT_EQ(readInt(path, "Setting", "E", 5), 2147483647);
    EXPECT_EQ(readInt(path, "Setting", "Missing", -1), -1);
    EXPECT_EQ(readInt(path, "Missing", "A", 100), 100);
    EXPECT_EQ(readInt(folder.file("missing.ini"), "Setting", "A", -1), -1);
}

TEST(PrivateProfileRead, StringsAndStructsWithDefaults)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    putFile(path, "[OSDSetting]\r\nconfig=01abffab\r\nbad=01ABFFAC\r\n[MacroOSD]\r\n"
                  "MacroName= \"Fire\" \r\n");
    EXPECT_EQ(readString(path, "macroosd", "macroname"), "\"Fire\"");
    EXPECT_EQ(readString(path, "MacroOSD", "Missing", "none"), "none");
    EXPECT_EQ(readString(folder.file("missing.ini"), "A", "k"), "");

    std::array<std::uint8_t, 3> out{};
    EXPECT_TRUE(readStruct(path, "OSDSetting", "config", out.data(), out.size()));
    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{0x01, 0xAB, 0xFF}));
    EXPECT_FALSE(readStruct(path, "OSDSetting", "bad", out.data(), out.size()));
    EXPECT_FALSE(readStruct(path, "OSDSetting", "config", out.data(), 4));
    EXPECT_FALSE(readStruct(path, "OSDSetting", "missing", out.data(), out.size()));
}

TEST(PrivateProfileRead, SectionNamesInFileOrder)
{
    TemporaryFolder folder;
    const std::string path = folder.file("TConfig.ini");
    putFile(path, "[Other Monitor]\nName=a\n[ZuroTarn]\nName=Zuro Tarn\n[zurotarn]\n[Last]\n");
    EXPECT_EQ(sectionNames(path), (std::vector<std::string>{"Other Monitor", "ZuroTarn", "Last"}));
    EXPECT_TRUE(sectionNames(folder.file("missing.ini")).empty());
}
