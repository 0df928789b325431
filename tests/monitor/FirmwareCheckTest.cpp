#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/FirmwareCheck.h"
#include "platform/ini/PrivateProfile.h"
#include "tests/monitor/ProtocolConversation.h"
#include "tests/monitor/ProtocolFolder.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

class RecordingLauncher final : public UpgraderLauncher {
public:
    bool start(const std::string& program, const std::string& argument) override
    {
        starts.push_back(program + " " + argument);
        return succeeds;
    }
    std::vector<std::string> starts;
    bool succeeds = true;
};

class FirmwareCheckTest : public ProtocolTest {
protected:
    ProtocolFolder install;
    RecordingLauncher launcher;
    std::string upgrader() const { return install.file("FWUpdateB/ZuroNoxa Firmware Upgrade"); }

    void packageVersion(const char* line) { install.write("FWUpdateB/config.ini", std::string("[Firmware]\r\n") + line + "\r\n"); }
};

TEST_F(FirmwareCheckTest, NewerPackageStartsTheUpgraderToUpdate)
{
    packageVersion("Version=108");
    mouse.answer("09 06 6b 6b 00 00");
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::UpgraderStarted);
    EXPECT_THAT(launcher.starts, ElementsAre(upgrader() + " 1"));
    EXPECT_THAT(conversation.lines(), ElementsAre("get 09 -> 09 06 6b 6b 00 00"));
}

TEST_F(FirmwareCheckTest, EqualVersionsDoNothing)
{
    packageVersion("Version=107");
    mouse.answer("09 06 6b 6b 00 00");
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::NothingToDo);
    EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(FirmwareCheckTest, OlderPackageStartsTheUpgraderForANotice)
{
    packageVersion("Version=106");
    mouse.answer("09 06 6b 6b 00 00");
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::UpgraderStarted);
    EXPECT_THAT(launcher.starts, ElementsAre(upgrader() + " 0"));
}

TEST_F(FirmwareCheckTest, MissingVersionCountsAsNewestWhateverTheMouseSays)
{
    packageVersion("Name=firmware");
    mouse.answer("09 06 ff 00 00 00");
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::UpgraderStarted);
    EXPECT_THAT(launcher.starts, ElementsAre(upgrader() + " 1"));

    launcher.starts.clear();
    mouse.answer("09 06 01 00 00 00");
    EXPECT_EQ(checkFirmware(link, ProtocolFolder().folder(), launcher), FirmwareCheckResult::UpgraderStarted)
        << "no package file at all";
    EXPECT_EQ(launcher.starts.size(), 1u);
}

TEST_F(FirmwareCheckTest, VersionZeroOrAFailedReadDoNothing)
{
    packageVersion("Version=108");
    mouse.answer("09 06 00 00 00 00");
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::NothingToDo);
    mouse.failNextRead(9);
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::NothingToDo);
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_EQ(platform::ini::readInt(install.folder().configIni(), "Setting", "FWVersion", -1), 0);
}

TEST_F(FirmwareCheckTest, AnUpgraderThatCannotStartIsReported)
{
    packageVersion("Version=200");
    mouse.answer("09 06 6b 6b 00 00");
    launcher.succeeds = false;
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::UpgraderNotStarted);
}

TEST_F(FirmwareCheckTest, AnAnswerKeepsTheUpgraderAwayUntilThePackageVersionChanges)
{
    packageVersion("Version=108");
    mouse.answer("09 06 6b 6b 00 00");
    mouse.answer("09 06 6b 6b 00 00");
    install.write("FWUpdateB/answer.ini", "[Answer]\r\nVersion=108\r\nAnswer=declined\r\n");
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::NothingToDo);
    EXPECT_TRUE(launcher.starts.empty());

    packageVersion("Version=109");
    EXPECT_EQ(checkFirmware(link, install.folder(), launcher), FirmwareCheckResult::UpgraderStarted);
    EXPECT_THAT(launcher.starts, ElementsAre(upgrader() + " 1"));
}

TEST(UpgraderArgumentTest, ComparesUnsigned)
{
    EXPECT_EQ(upgraderArgument(44, 300), "1") << "a package version wider than a byte";
    EXPECT_EQ(upgraderArgument(255, -1), "1");
    EXPECT_EQ(upgraderArgument(255, -2), "1") << "any negative number is huge unsigned";
    EXPECT_EQ(upgraderArgument(7, 0), "0");
    EXPECT_FALSE(upgraderArgument(7, 7).has_value());
}

}  // namespace
}  // namespace monitor::protocol::test
