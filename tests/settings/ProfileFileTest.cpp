#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ini/PrivateProfile.h"
#include "settings/BlockDefaults.h"
#include "settings/ConfigFile.h"
#include "settings/FixedText.h"
#include "settings/ProfileFile.h"
#include "settings/RecordBytes.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

using test::readFile;
using test::writeFile;

std::vector<std::string> expectedKeyOrder()
{
    std::vector<std::string> keys = {"ProFileName", "GameFile0", "GameFile1", "GameFile2",
        "DbleClickSpeed", "ScrollWheelSpeed", "ScrollWheelFlag", "MouseSpeed", "Acceleration",
        "AccelerationFlag", "MouseTrails", "TiltSpeed", "MediaOption", "HDDKeyboard", "Orientation",
        "XYSynchronous", "Sensitivity_X", "Sensitivity_Y", "Sensitivity"};
    for (int i = 0; i < 6; ++i)
        keys.push_back("dpi" + std::to_string(i));
    keys.push_back("Cpi_X");
    keys.push_back("Cpi_Y");
    for (int i = 0; i < 5; ++i)
        keys.push_back("XYCpiFlag" + std::to_string(i));
    for (int i = 0; i < 5; ++i)
        keys.push_back("CpiLevel_X" + std::to_string(i));
    for (int i = 0; i < 5; ++i)
        keys.push_back("CpiLevel_Y" + std::to_string(i));
    for (const char* key : {"PollingRate", "LightOnFlag", "LightEffectMode", "LightColorFlow",
                            "LightEffectType", "LightEffectSpeed", "SoundProfile", "SoundDpi", "SoundSens",
                            "VolumeUpDown", "SoundTrophy", "SoundVolume", "UseColorForAll", "LtChoseType",
                            "ASnapFlag", "ASnap", "SAlignmentFlag", "SAlignment"})
        keys.push_back(key);
    for (int i = 0; i < 4; ++i)
        keys.push_back("LightInfo" + std::to_string(i));
    for (int i = 0; i < 4; ++i)
        keys.push_back("CustomLightInfo" + std::to_string(i));
    for (int i = 0; i < 24; ++i)
        keys.push_back("MacroKeyInfo" + std::to_string(i));
    return keys;
}

struct FileLine {
    std::string key;
    std::string value;
};

std::vector<FileLine> linesOf(const std::string& text)
{
    std::vector<FileLine> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            lines.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
    return lines;
}

std::string valueOf(const std::vector<FileLine>& lines, const std::string& key)
{
    for (const FileLine& line : lines) {
        if (line.key == key)
            return line.value;
    }
    return "<missing>";
}

// The offset of the first byte that differs, or the size when none does.
std::size_t firstDifference(const ProfileRecord& a, const ProfileRecord& b)
{
    const auto* left = reinterpret_cast<const std::uint8_t*>(&a);
    const auto* right = reinterpret_cast<const std::uint8_t*>(&b);
    std::size_t offset = 0;
    while (offset < sizeof(ProfileRecord) && left[offset] == right[offset])
        ++offset;
    return offset;
}

class ProfileFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.path() + "profile.vmp";
    std::unique_ptr<ProfileRecord> profile = std::make_unique<ProfileRecord>();
    std::unique_ptr<ProfileRecord> loaded = std::make_unique<ProfileRecord>();
};

TEST_F(ProfileFileTest, KeysFollowTheFixedOrderWithTheirEncodings)
{
    createDefaultProfile(*profile, 0);
    profile->MacroKeyInfo[5].MacroEvents[0] = MacroEvent{0x04, 1, 0x0102};
    ASSERT_TRUE(saveProfileFile(*profile, path));

    const std::string text = readFile(path);
    EXPECT_EQ(text.rfind("[Setting]\r\n", 0), 0u);
    const std::vector<FileLine> lines = linesOf(text);
    std::vector<std::string> keys;
    for (const FileLine& line : lines)
        keys.push_back(line.key);
    EXPECT_EQ(keys, expectedKeyOrder());

    EXPECT_EQ(valueOf(lines, "ProFileName"), "Default1");
    EXPECT_EQ(valueOf(lines, "GameFile0"), "");
    EXPECT_EQ(valueOf(lines, "DbleClickSpeed"), "480");
    EXPECT_EQ(valueOf(lines, "dpi4"), "1");
    EXPECT_EQ(valueOf(lines, "dpi5"), "0");
    EXPECT_EQ(valueOf(lines, "CpiLevel_Y4"), "50");
    // Index 7, on, 250/0/0, then the byte sum 258 mod 256.
    EXPECT_EQ(valueOf(lines, "LightInfo3"), "0701FA000002");
    EXPECT_EQ(valueOf(lines, "CustomLightInfo0"), "000000000000");
    const std::string slot5 = valueOf(lines, "MacroKeyInfo5");
    ASSERT_EQ(slot5.size(), 2u * 2532 + 2);
    EXPECT_EQ(slot5.substr(0, 4), "0509");                  // slot index 5, code 9
    EXPECT_EQ(slot5.substr(2 * 166, 8), "04010201");        // key, press, delay 0x0102 little-endian
    EXPECT_EQ(slot5.substr(2 * 2532), "16");                // 5 + 9 + 4 + 1 + 2 + 1
}

TEST_F(ProfileFileTest, BatchWriteEqualsKeyByKeyWrites)
{
    createDefaultProfile(*profile, 3);
    ASSERT_TRUE(saveProfileFile(*profile, path));
    const std::string reference = folder.path() + "reference.vmp";
    for (const FileLine& line : linesOf(readFile(path)))
        ASSERT_TRUE(platform::ini::writeString(reference, "Setting", line.key, line.value));
    EXPECT_EQ(readFile(path), readFile(reference));
}

TEST_F(ProfileFileTest, EveryByteRoundTrips)
{
    createDefaultProfile(*profile, 4);
    setFieldText(profile->ProFileName, "Sniper");
    setFieldText(profile->GameFile1, "C:\\Games\\game.exe");
    profile->Acceleration = 25;
    profile->MouseTrails = -7;
    profile->SoundVolume = 12;
    profile->Cpi_X = 9;
    profile->dpi[5] = 200;
    profile->XYCpiFlag[2] = 0;
    profile->CustomLightInfo[1] = ColorRecord{3, 1, 1, 2, 3};
    profile->MacroKeyInfo[0].FunctionCode = 48;
    setFieldText(profile->MacroKeyInfo[0].MacroName, "combo");
    profile->MacroKeyInfo[0].MacroEventCount = 500;
    for (int e = 0; e < kMaxMacroEvents; ++e)
        profile->MacroKeyInfo[0].MacroEvents[e] = macroEventFromWord(0x00100104u + static_cast<std::uint32_t>(e));

    ASSERT_TRUE(saveProfileFile(*profile, path));
    std::memset(static_cast<void*>(loaded.get()), 0x77, sizeof(ProfileRecord));
    ASSERT_TRUE(loadProfileFile(*loaded, path));
    EXPECT_EQ(firstDifference(*profile, *loaded), sizeof(ProfileRecord));
}

TEST_F(ProfileFileTest, MissingKeysReadAsTheirDefaults)
{
    writeFile(path, "[Setting]\r\nSensitivity=4\r\n");
    std::memset(static_cast<void*>(loaded.get()), 0x77, sizeof(ProfileRecord));
    ASSERT_TRUE(loadProfileFile(*loaded, path));

    EXPECT_EQ(loaded->Sensitivity, 4);
    EXPECT_EQ(loaded->ProFileName[0], '\0');
    EXPECT_EQ(loaded->DbleClickSpeed, -1);
    EXPECT_EQ(loaded->Cpi_X, -1);
    EXPECT_EQ(loaded->CpiLevel_Y[4], -1);
    EXPECT_EQ(loaded->SAlignment, -1);
    EXPECT_EQ(loaded->UseColorForAll, 0);
    EXPECT_EQ(loaded->LtChoseType, 0);
    EXPECT_EQ(loaded->dpi[0], 0xFF);  // the low byte of -1
    EXPECT_EQ(loaded->XYCpiFlag[4], 0xFF);
    EXPECT_TRUE(sameBytes(loaded->LightInfo[2], ColorRecord{}));
    EXPECT_TRUE(sameBytes(loaded->MacroKeyInfo[23], ButtonAssignment{}));
    EXPECT_EQ(loaded->Padding0[0], 0);
    EXPECT_EQ(loaded->Padding2[2], 0);
}

TEST_F(ProfileFileTest, ADamagedStructReadsAsZero)
{
    createDefaultProfile(*profile, 1);
    ASSERT_TRUE(saveProfileFile(*profile, path));
    ASSERT_TRUE(platform::ini::writeString(path, "Setting", "LightInfo0", "0001006400FB"));   // sum is 0x65
    ASSERT_TRUE(platform::ini::writeString(path, "Setting", "LightInfo1", "0001006465"));     // one byte short
    ASSERT_TRUE(platform::ini::writeString(path, "Setting", "MacroKeyInfo2", "ZZ"));
    ASSERT_TRUE(loadProfileFile(*loaded, path));

    EXPECT_TRUE(sameBytes(loaded->LightInfo[0], ColorRecord{}));
    EXPECT_TRUE(sameBytes(loaded->LightInfo[1], ColorRecord{}));
    EXPECT_TRUE(sameBytes(loaded->LightInfo[2], profile->LightInfo[2]));
    EXPECT_TRUE(sameBytes(loaded->MacroKeyInfo[2], ButtonAssignment{}));
    EXPECT_EQ(loaded->MacroKeyInfo[3].FunctionCode, 7);
}

TEST_F(ProfileFileTest, LongStringsAreCutToTheField)
{
    writeFile(path, "[Setting]\r\nProFileName=" + std::string(300, 'n') + "\r\nGameFile2=" +
                        std::string(2100, 'g') + "\r\n");
    ASSERT_TRUE(loadProfileFile(*loaded, path));
    EXPECT_EQ(std::string(loaded->ProFileName), std::string(249, 'n'));
    EXPECT_EQ(std::string(loaded->GameFile2), std::string(499, 'g'));
}

TEST_F(ProfileFileTest, TextWithoutTerminatorIsWrittenOnlyToTheFieldEnd)
{
    createDefaultProfile(*profile, 0);
    std::memset(profile->ProFileName, 'a', sizeof profile->ProFileName);  // no NUL, GameFile0 follows
    setFieldText(profile->GameFile0, "next");
    ASSERT_TRUE(saveProfileFile(*profile, path));
    EXPECT_EQ(platform::ini::readString(path, "Setting", "ProFileName"), std::string(250, 'a'));
    ASSERT_TRUE(loadProfileFile(*loaded, path));
    EXPECT_EQ(std::string(loaded->ProFileName), std::string(249, 'a'));
    EXPECT_STREQ(loaded->GameFile0, "next");
}

TEST_F(ProfileFileTest, WhatIsNotAProfileFileIsRefusedAndLeavesTheProfile)
{
    createDefaultProfile(*profile, 2);
    *loaded = *profile;
    const std::string folderPath = folder.path() + "folder.vmp";
    const std::string fifo = folder.path() + "fifo.vmp";
    std::filesystem::create_directory(folderPath);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readProfileFile(fifo, *loaded), ProfileFileRead::NotARegularFile) << "and returns without a writer";
    EXPECT_EQ(readProfileFile(folderPath, *loaded), ProfileFileRead::NotARegularFile);
    EXPECT_EQ(readProfileFile(folder.path() + "none.vmp", *loaded), ProfileFileRead::CannotOpen);
    for (const char* text : {"", "root:x:0:0:root:/root:/bin/bash\n", "[Setting]\r\nUnknown=1\r\n",
                             "[Other]\r\nSensitivity=4\r\n"}) {
        writeFile(path, text);
        EXPECT_EQ(readProfileFile(path, *loaded), ProfileFileRead::NotAProfile) << text;
    }
    EXPECT_TRUE(sameBytes(*loaded, *profile));
}

TEST_F(ProfileFileTest, AnEmptyOrGarbageSlotFileLoadsAsTheSlotsDefaultProfile)
{
    auto block = std::make_unique<SettingsBlock>();
    createDefaultBlock(*block, 1);
    block->Profiles[1].Sensitivity = 9;
    const InstallFolder install(folder.path());
    ASSERT_TRUE(saveAll(*block, install));
    writeFile(install.profileFile(3), "");
    writeFile(install.profileFile(4), "\x7f" "ELF garbage\n");

    auto loadedBlock = std::make_unique<SettingsBlock>();
    clearForLoading(*loadedBlock);
    ASSERT_TRUE(loadAll(*loadedBlock, install));
    EXPECT_EQ(loadedBlock->Profiles[1].Sensitivity, 9);
    for (int slot : {3, 4}) {
        createDefaultProfile(*profile, slot);
        EXPECT_TRUE(sameBytes(loadedBlock->Profiles[slot], *profile)) << slot;
    }
}

TEST_F(ProfileFileTest, ANewFileReplacesARegularTargetAndRefusesAnyOther)
{
    createDefaultProfile(*profile, 1);
    writeFile(path, "[Setting]\r\nStale=1\r\n");
    ASSERT_EQ(writeNewProfileFile(*profile, path), ProfileFileWrite::Written);
    EXPECT_EQ(readFile(path).find("Stale"), std::string::npos) << "the file holds the profile alone";
    ASSERT_TRUE(loadProfileFile(*loaded, path));
    EXPECT_TRUE(sameBytes(*loaded, *profile));

    const std::string link = folder.path() + "link.vmp";
    std::filesystem::create_symlink(path, link);
    setFieldText(profile->ProFileName, "Linked");
    ASSERT_EQ(writeNewProfileFile(*profile, link), ProfileFileWrite::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    ASSERT_TRUE(loadProfileFile(*loaded, path));
    EXPECT_STREQ(loaded->ProFileName, "Linked");

    const std::string fifo = folder.path() + "fifo.vmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(folder.path() + "nowhere.vmp", folder.path() + "dangling.vmp");
    for (const std::string& target : {fifo, folder.path() + "config", folder.path() + "dangling.vmp"})
        EXPECT_EQ(writeNewProfileFile(*profile, target), ProfileFileWrite::NotARegularFile) << target;
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "nowhere.vmp"));
}

TEST_F(ProfileFileTest, AMissingFileLeavesTheProfileAndNoFlags)
{
    auto block = std::make_unique<SettingsBlock>();
    createDefaultBlock(*block, 1);
    EXPECT_FALSE(loadProfileIntoSlot(*block, 2, folder.path() + "none.vmp"));
    EXPECT_STREQ(block->Profiles[2].ProFileName, "Default3");
    EXPECT_EQ(block->ButtonChangedFlags[2 * 24], 0);
}

TEST_F(ProfileFileTest, LoadingIntoASlotMarksItsButtonsChanged)
{
    createDefaultProfile(*profile, 0);
    setFieldText(profile->ProFileName, "Shared");
    ASSERT_TRUE(saveProfileFile(*profile, path));
    auto block = std::make_unique<SettingsBlock>();
    createDefaultBlock(*block, 1);

    ASSERT_TRUE(loadProfileIntoSlot(*block, 3, path));
    EXPECT_STREQ(block->Profiles[3].ProFileName, "Shared");
    for (int i = 0; i < kButtonFlagCount; ++i)
        EXPECT_EQ(block->ButtonChangedFlags[i], (i / 24 == 3) ? 1 : 0) << i;

    EXPECT_FALSE(loadProfileIntoSlot(*block, 5, path));
    EXPECT_FALSE(loadProfileIntoSlot(*block, -1, path));
}

}  // namespace
}  // namespace settings
