#include "platform/system/RuntimeDirectory.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/shared/ForkedChild.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using platform::runtimeDirectory;
using platform::runtimeFileName;
using testsupport::ForkedChild;
using testsupport::kNobody;
using testsupport::ParentLink;
using ::testing::MatchesRegex;

class RuntimeDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(runtime_.valid()); }

    // Makes `path` a folder with exactly `mode`, whatever the umask.
    static void makeFolder(const std::string& path, mode_t mode)
    {
        ASSERT_EQ(mkdir(path.c_str(), mode), 0);
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
    }

    testsupport::TemporaryRuntimeFolder runtime_;
};

// --- Our own runtime folder ---------------------------------------------------

TEST_F(RuntimeDirectoryTest, CreatesAPrivateFolderInTheRuntimeFolder)
{
    const std::string folder = runtimeDirectory();
    EXPECT_EQ(folder, runtime_.objectFolder());
    struct stat st {};
    ASSERT_EQ(lstat(runtime_.objectFolder().c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, geteuid());
    EXPECT_EQ(runtimeDirectory(), folder) << "an existing private folder is used again";
}

TEST_F(RuntimeDirectoryTest, AFolderOpenToOthersIsRefused)
{
    makeFolder(runtime_.objectFolder(), 0755);
    EXPECT_EQ(runtimeDirectory(), "");
}

TEST_F(RuntimeDirectoryTest, ASymbolicLinkInPlaceOfTheFolderIsRefused)
{
    const std::string elsewhere = runtime_.path() + "/elsewhere";
    makeFolder(elsewhere, 0700);
    ASSERT_EQ(symlink(elsewhere.c_str(), (runtime_.path() + "/zuronoxa").c_str()), 0);
    EXPECT_EQ(runtimeDirectory(), "");
}

TEST_F(RuntimeDirectoryTest, AFileInPlaceOfTheFolderIsRefused)
{
    FILE* file = std::fopen((runtime_.path() + "/zuronoxa").c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(runtimeDirectory(), "");
}

// --- Folders of other users ---------------------------------------------------

// Runs runtimeDirectory() as "nobody" with XDG_RUNTIME_DIR at `runtimeFolder`;
// exit code 0 when the answer is as `accepted` expects.
int runtimeDirectoryAsNobody(const std::string& runtimeFolder, bool accepted)
{
    if (!testsupport::becomeNobody()) return 10;
    setenv("XDG_RUNTIME_DIR", runtimeFolder.c_str(), 1);
    const std::string folder = runtimeDirectory();
    if (!accepted) return folder.empty() ? 0 : 11;
    return folder == runtimeFolder + "/zuronoxa/" ? 0 : 12;
}

class RuntimeDirectoryOfOtherUsersTest : public RuntimeDirectoryTest {
protected:
    void SetUp() override
    {
        RuntimeDirectoryTest::SetUp();
        if (geteuid() != 0) GTEST_SKIP() << "needs root to switch users";
        // Reachable by "nobody"; what is inside is root's unless given away.
        ASSERT_EQ(chmod(runtime_.path().c_str(), 0755), 0);
    }

    std::string folderOf(const char* name, uid_t owner, mode_t mode)
    {
        const std::string path = runtime_.path() + "/" + name;
        makeFolder(path, mode);
        EXPECT_EQ(chown(path.c_str(), owner, owner), 0);
        return path;
    }

    int runAsNobody(const std::string& runtimeFolder, bool accepted)
    {
        ForkedChild child([&](ParentLink&) { return runtimeDirectoryAsNobody(runtimeFolder, accepted); });
        return child.wait();
    }
};

TEST_F(RuntimeDirectoryOfOtherUsersTest, ARuntimeFolderOfOurOwnIsAccepted)
{
    // Shows that the refusals below come from the folders, not from the user switch.
    EXPECT_EQ(runAsNobody(folderOf("nobodys", kNobody, 0700), true), 0);
}

TEST_F(RuntimeDirectoryOfOtherUsersTest, ARuntimeFolderOfRootIsRefused)
{
    EXPECT_EQ(runAsNobody(folderOf("roots", 0, 0755), false), 0);
}

TEST_F(RuntimeDirectoryOfOtherUsersTest, ARuntimeFolderEveryoneMayRenameInIsRefused)
{
    // We could make our folder there, but anyone could swap it for theirs.
    EXPECT_EQ(runAsNobody(folderOf("open", 0, 0777), false), 0);
}

TEST_F(RuntimeDirectoryOfOtherUsersTest, AStickyFolderOfRootIsAccepted)
{
    // As /tmp, where the folder goes when XDG_RUNTIME_DIR is not set.
    EXPECT_EQ(runAsNobody(folderOf("sticky", 0, 01777), true), 0);
}

TEST_F(RuntimeDirectoryOfOtherUsersTest, AnObjectFolderOfAnotherUserIsRefused)
{
    const std::string runtimeFolder = folderOf("nobodys", kNobody, 0700);
    const std::string objectFolder = runtimeFolder + "/zuronoxa";
    makeFolder(objectFolder, 0700);  // root's, in nobody's runtime folder
    EXPECT_EQ(runAsNobody(runtimeFolder, false), 0);
}

// --- File names ---------------------------------------------------------------

TEST(RuntimeFileNameTest, KeepsAReadableNameAndAHashOfIt)
{
    EXPECT_THAT(runtimeFileName("VANTRO_ZuroNoxa_Mouse_Share_Data", ".section"),
                MatchesRegex("VANTRO_ZuroNoxa_Mouse_Share_Data-[0-9a-f]{16}\\.section"));
}

TEST(RuntimeFileNameTest, NamesCannotLeaveTheFolder)
{
    for (const char* name : {"../../etc/passwd", "/absolute", "..", "a\nb", "Zuro Vell"}) {
        SCOPED_TRACE(name);
        EXPECT_THAT(runtimeFileName(name, ".lock"), MatchesRegex("[A-Za-z0-9_-]+\\.lock"));
    }
}

TEST(RuntimeFileNameTest, NamesThatDifferOnlyInReplacedCharactersStayApart)
{
    const std::string plain = runtimeFileName("a_b", "");
    EXPECT_NE(runtimeFileName("a/b", ""), plain);
    EXPECT_NE(runtimeFileName("a.b", ""), plain);
    EXPECT_NE(runtimeFileName("a/b", ""), runtimeFileName("a.b", ""));
}

TEST(RuntimeFileNameTest, LongNamesGiveShortFileNamesThatStillDiffer)
{
    const std::string longName(1000, 'x');
    const std::string fileName = runtimeFileName(longName, ".section");
    EXPECT_LE(fileName.size(), 100u);
    EXPECT_NE(fileName, runtimeFileName(longName + "y", ".section"));
}

}  // namespace
