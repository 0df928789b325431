// Sections and locks are only ever made of files of ours in a folder of ours.

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/shared/NamedLock.h"
#include "platform/shared/SharedSection.h"
#include "platform/system/RuntimeDirectory.h"
#include "tests/platform/shared/ForkedChild.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using platform::NamedLock;
using platform::SharedSection;
using testsupport::ForkedChild;
using testsupport::ParentLink;

constexpr const char* kName = "VANTRO_ZuroNoxa_Mouse_Share_Data";
constexpr std::size_t kSize = 4096;

class ForeignFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime_.valid());
        ASSERT_EQ(platform::runtimeDirectory(), runtime_.objectFolder());
    }

    std::string objectPath(std::string_view suffix) const
    {
        return runtime_.objectFolder() + platform::runtimeFileName(kName, suffix);
    }

    // A file outside the object folder that a planted link points at.
    std::string makeTarget()
    {
        const std::string path = runtime_.path() + "/target";
        std::ofstream(path) << "not a section";
        chmod(path.c_str(), 0600);
        return path;
    }

    void plantFile(const std::string& path, mode_t mode)
    {
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, mode);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, kSize), 0);
        fchmod(fd, mode);
        close(fd);
    }

    bool createsNothing()
    {
        return SharedSection::create(kName, kSize) == nullptr && SharedSection::open(kName, kSize) == nullptr &&
               NamedLock::create(kName) == nullptr && NamedLock::open(kName) == nullptr;
    }

    testsupport::TemporaryRuntimeFolder runtime_;
};

TEST_F(ForeignFilesTest, SymbolicLinksInPlaceOfOurFilesAreNotFollowed)
{
    const std::string target = makeTarget();
    struct Planted {
        const char* suffix;
        bool ofSection;
    };
    for (const Planted planted : {Planted{".section", true}, Planted{".section-guard", true},
                                  Planted{".lock", false}, Planted{".lock-handles", false},
                                  Planted{".lock-guard", false}}) {
        SCOPED_TRACE(planted.suffix);
        std::filesystem::remove_all(runtime_.objectFolder());
        ASSERT_EQ(platform::runtimeDirectory(), runtime_.objectFolder());
        ASSERT_EQ(symlink(target.c_str(), objectPath(planted.suffix).c_str()), 0);
        if (planted.ofSection) {
            EXPECT_EQ(SharedSection::create(kName, kSize), nullptr);
        } else {
            EXPECT_EQ(NamedLock::create(kName), nullptr);
        }
    }

    std::ifstream in(target);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "not a section") << "the link target was changed";
}

TEST_F(ForeignFilesTest, FilesOpenToOthersAreRefused)
{
    plantFile(objectPath(".section"), 0644);
    plantFile(objectPath(".lock-handles"), 0640);
    EXPECT_TRUE(createsNothing());
    EXPECT_TRUE(std::filesystem::exists(objectPath(".section"))) << "someone's file was removed";
}

TEST_F(ForeignFilesTest, FilesOfAnotherUserAreRefused)
{
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give a file away";
    plantFile(objectPath(".section"), 0600);
    plantFile(objectPath(".lock-handles"), 0600);
    ASSERT_EQ(chown(objectPath(".section").c_str(), testsupport::kNobody, testsupport::kNobody), 0);
    ASSERT_EQ(chown(objectPath(".lock-handles").c_str(), testsupport::kNobody, testsupport::kNobody), 0);
    EXPECT_TRUE(createsNothing());
    EXPECT_TRUE(std::filesystem::exists(objectPath(".section"))) << "someone's file was removed";
}

// Runs the checks as "nobody" with XDG_RUNTIME_DIR at `runtimeFolder`.
int createsNothingAsNobody(const std::string& runtimeFolder)
{
    if (!testsupport::becomeNobody()) return 10;
    setenv("XDG_RUNTIME_DIR", runtimeFolder.c_str(), 1);
    if (!platform::runtimeDirectory().empty()) return 11;
    if (NamedLock::create(kName)) return 12;
    if (SharedSection::create(kName, kSize)) return 13;
    return 0;
}

TEST_F(ForeignFilesTest, NothingIsCreatedInTheRuntimeFolderOfAnotherUser)
{
    if (geteuid() != 0) GTEST_SKIP() << "needs root to switch users";
    // The test folder must be reachable by "nobody"; what is inside it is root's.
    ASSERT_EQ(chmod(runtime_.path().c_str(), 0755), 0);
    const std::string rootsFolder = runtime_.path() + "/root-owned";
    ASSERT_EQ(mkdir(rootsFolder.c_str(), 0755), 0);

    ForkedChild intruder([&](ParentLink&) { return createsNothingAsNobody(rootsFolder); });
    ASSERT_TRUE(intruder.started());
    EXPECT_EQ(intruder.wait(), 0);
}

TEST_F(ForeignFilesTest, NothingIsCreatedInAnObjectFolderOfAnotherUser)
{
    if (geteuid() != 0) GTEST_SKIP() << "needs root to switch users";
    ASSERT_EQ(chmod(runtime_.path().c_str(), 0755), 0);
    const std::string nobodysFolder = runtime_.path() + "/nobody";
    ASSERT_EQ(mkdir(nobodysFolder.c_str(), 0700), 0);
    ASSERT_EQ(chown(nobodysFolder.c_str(), testsupport::kNobody, testsupport::kNobody), 0);
    // root's object folder inside nobody's runtime folder, open to all
    const std::string objectFolder = nobodysFolder + "/zuronoxa";
    ASSERT_EQ(mkdir(objectFolder.c_str(), 0777), 0);
    ASSERT_EQ(chmod(objectFolder.c_str(), 0777), 0);

    ForkedChild intruder([&](ParentLink&) { return createsNothingAsNobody(nobodysFolder); });
    ASSERT_TRUE(intruder.started());
    EXPECT_EQ(intruder.wait(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(objectFolder));
}

}  // namespace
