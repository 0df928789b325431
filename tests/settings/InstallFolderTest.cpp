// Where the programs find their files: the run tree keeps everything beside the
// programs; an installation gives each user a private, seeded copy of the
// writable files and reads its data from the package.

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/FirmwarePackage.h"
#include "settings/InstallFolder.h"
#include "settings/UserFolderSeed.h"
#include "tests/support/TemporaryFolder.h"

namespace settings {
namespace {

using testsupport::ScopedEnv;
using testsupport::TemporaryFolder;

TEST(FolderChoiceTest, RunTreeKeepsEverythingBesideThePrograms)
{
    const FolderChoice runTree = chooseFolders({"/build/dist", false, true, "/home/u/.config"});
    EXPECT_FALSE(runTree.perUser);
    EXPECT_EQ(runTree.dataFolder, "/build/dist/");
    EXPECT_EQ(runTree.userFolder, "/build/dist/");

    const FolderChoice marked = chooseFolders({"/usr/lib/zuronoxa/", true, true, "/home/u/.config"});
    EXPECT_TRUE(marked.perUser);
    EXPECT_EQ(marked.dataFolder, "/usr/lib/zuronoxa/");
    EXPECT_EQ(marked.userFolder, "/home/u/.config/zuronoxa/");

    EXPECT_TRUE(chooseFolders({"/opt/z/", false, false, "/cfg"}).perUser) << "a folder the user cannot write";
    // Without a home for the copy, the program folder stays where files go.
    EXPECT_EQ(chooseFolders({"/opt/z/", true, false, ""}).userFolder, "/opt/z/");
}

class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        package.write(kPerUserMarkerFile, "");
        package.write("config.ini", "[Setting]\r\nCurrentProfile=2\r\n");
        package.write("config/Default0.vmp", "package profile");
        package.write("config/PendingChanges", "");
        package.write("Wave/sensorImage.bmp", "BM");
        package.write("help/English_help.txt", "1=OK");
    }

    TemporaryFolder package{"zuro-package"};
    TemporaryFolder home{"zuro-home"};
    ScopedEnv homeVariable{"HOME", home.path()};
};

TEST_F(InstalledTree, WritableFilesGoToTheUsersConfigHome)
{
    {
        const ScopedEnv unset("XDG_CONFIG_HOME", std::nullopt);
        const InstallFolder folder = InstallFolder::ofInstallation(package.path());
        EXPECT_EQ(folder.userPath(), home.path() + "/.config/zuronoxa/");
    }
    const ScopedEnv xdg("XDG_CONFIG_HOME", home.file("xdg"));
    const InstallFolder folder = InstallFolder::ofInstallation(package.path());
    const std::string user = home.path() + "/xdg/zuronoxa/";
    EXPECT_EQ(folder.configIni(), user + "config.ini");
    EXPECT_EQ(folder.profileFile(3), user + "config/Default3.vmp");
    EXPECT_EQ(folder.runsStartIni(), user + "RunsStart.ini");
    EXPECT_EQ(folder.file("help/English_help.txt"), package.folder() + "help/English_help.txt");
    EXPECT_EQ(FirmwarePackage::ofInstallation(folder).answerIni(), user + "FWUpdateB/answer.ini");
    EXPECT_EQ(FirmwarePackage::ofInstallation(folder).configIni(), package.folder() + "FWUpdateB/config.ini");
    EXPECT_TRUE(std::filesystem::is_directory(user + "FWUpdateB")) << "answer.ini needs its folder";
    EXPECT_EQ((std::filesystem::status(user).permissions() & std::filesystem::perms::others_all),
              std::filesystem::perms::none);

    std::filesystem::remove(package.file(kPerUserMarkerFile));
    EXPECT_FALSE(InstallFolder::ofInstallation(package.path()).perUser()) << "a writable tree without the marker";
}

TEST_F(InstalledTree, SeedsOnceAndNeverReplacesTheUsersFiles)
{
    const TemporaryFolder user{"zuro-user"};
    user.write("config/Default0.vmp", "my own profile");

    ASSERT_TRUE(prepareUserFolder(package.folder(), user.folder()));
    EXPECT_EQ(user.read("config.ini"), package.read("config.ini"));
    EXPECT_EQ(user.read("Wave/sensorImage.bmp"), "BM");
    EXPECT_EQ(user.read("config/Default0.vmp"), "my own profile");
    EXPECT_FALSE(std::filesystem::exists(user.file("config/PendingChanges"))) << "not a change of this user's";
    EXPECT_FALSE(std::filesystem::exists(user.file("help/English_help.txt"))) << "read-only data stays in the package";

    // A file the user removed after seeding stays removed.
    std::filesystem::remove(user.file("config.ini"));
    ASSERT_TRUE(prepareUserFolder(package.folder(), user.folder()));
    EXPECT_FALSE(std::filesystem::exists(user.file("config.ini")));
}

}  // namespace
}  // namespace settings
