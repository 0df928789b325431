#include "platform/ini/IniBatch.h"
#include "platform/ini/PrivateProfile.h"

#include "tests/platform/ini/IniTestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <variant>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform::ini;
using ini_test::fileBytes;
using ini_test::putFile;
using ini_test::TemporaryFolder;

namespace {

struct StringWrite { std::string section, key, value; };
struct IntWrite { std::string section, key; int value; };
struct StructWrite { std::string section, key; std::vector<std::uint8_t> bytes; };
struct KeyDeletion { std::string section, key; };
struct SectionDeletion { std::string section; };
using Operation = std::variant<StringWrite, IntWrite, StructWrite, KeyDeletion, SectionDeletion>;

// Every kind of edit: overwrites in LF and CRLF lines, duplicates, new keys in
// old and new sections, deletions, rewrites of the same value, rejected names.
std::vector<Operation> mixedOperations()
{
    return {
        IntWrite{"Setting", "currentprofile", 3},
        StringWrite{"Setting", "NewKey", "value with = and \"quotes\""},
        StructWrite{"Setting", "InfoData", std::vector<std::uint8_t>(108, 0x5A)},
        IntWrite{"Profile1", "FileName", 12},
        StringWrite{"Fresh", "First", "1"},
        StringWrite{"fresh", "Second", "2"},
        KeyDeletion{"Setting", "WindowsProfile"},
        StringWrite{"Dup", "k", "changed"},
        SectionDeletion{"Gone"},
        IntWrite{"Setting", "currentprofile", 3},
        StringWrite{"Setting", "bad=name", "x"},
        StringWrite{"Late", "Line\nBreak", "a\r\nb"},
        IntWrite{"Fresh", "First", -2147483647 - 1},
    };
}

bool applyKeyByKey(const std::string& path, const Operation& operation)
{
    return std::visit(
        [&](const auto& op) {
            using Op = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<Op, StringWrite>)
                return writeString(path, op.section, op.key, op.value);
            else if constexpr (std::is_same_v<Op, IntWrite>)
                return writeInt(path, op.section, op.key, op.value);
            else if constexpr (std::is_same_v<Op, StructWrite>)
                return writeStruct(path, op.section, op.key, op.bytes.data(), op.bytes.size());
            else if constexpr (std::is_same_v<Op, KeyDeletion>)
                return deleteKey(path, op.section, op.key);
            else
                return deleteSection(path, op.section);
        },
        operation);
}

bool applyInBatch(IniBatch& batch, const Operation& operation)
{
    return std::visit(
        [&](const auto& op) {
            using Op = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<Op, StringWrite>)
                return batch.writeString(op.section, op.key, op.value);
            else if constexpr (std::is_same_v<Op, IntWrite>)
                return batch.writeInt(op.section, op.key, op.value);
            else if constexpr (std::is_same_v<Op, StructWrite>)
                return batch.writeStruct(op.section, op.key, op.bytes.data(), op.bytes.size());
            else if constexpr (std::is_same_v<Op, KeyDeletion>)
                return batch.deleteKey(op.section, op.key);
            else
                return batch.deleteSection(op.section);
        },
        operation);
}

const char* const kHandWrittenFile =
    "\xEF\xBB\xBF; settings\n[Setting]\nCurrentProfile = 1\nWindowsProfile=2\r\n\n"
    "[Dup]\nk=first\nk=second\n[Gone]\r\nx=1\r\n[dup]\nk=third\nunterminated";

ino_t inodeOf(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// Runs `body` in a forked child and returns its exit status (-1 when it did not
// exit normally).
int inChildProcess(const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// From another process: 0 when the folder's writers' lock is taken, 1 when free.
int probeFolderLock(const std::string& folder)
{
    return inChildProcess([&] {
        const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0)
            return 2;
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            return 1;
        return errno == EWOULDBLOCK ? 0 : 3;
    });
}

}  // namespace

TEST(IniBatchEquivalence, SameBytesAsKeyByKeyWrites)
{
    TemporaryFolder folder;
    const std::string byKey = folder.file("by-key.ini");
    const std::string batched = folder.file("batched.ini");
    putFile(byKey, kHandWrittenFile);
    putFile(batched, kHandWrittenFile);

    IniBatch batch(batched);
    ASSERT_TRUE(batch.readable());
    for (const Operation& operation : mixedOperations())
        EXPECT_EQ(applyInBatch(batch, operation), applyKeyByKey(byKey, operation));
    ASSERT_TRUE(batch.commit());

    EXPECT_EQ(fileBytes(batched), fileBytes(byKey));
    EXPECT_NE(fileBytes(batched), kHandWrittenFile);
}

TEST(IniBatchEquivalence, SameBytesOnANewFile)
{
    TemporaryFolder folder;
    const std::string byKey = folder.file("by-key.ini");
    const std::string batched = folder.file("batched.ini");

    IniBatch batch(batched);
    for (const Operation& operation : mixedOperations())
        EXPECT_EQ(applyInBatch(batch, operation), applyKeyByKey(byKey, operation));
    ASSERT_TRUE(batch.commit());
    EXPECT_EQ(fileBytes(batched), fileBytes(byKey));
}

TEST(IniBatch, ReadsSeeOwnWritesAndTheFileWaitsForCommit)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    putFile(path, "[Setting]\r\nCurrentProfile=1\r\n");

    IniBatch batch(path);
    const std::array<std::uint8_t, 4> info{1, 2, 3, 4};
    batch.writeInt("Setting", "CurrentProfile", 2);
    batch.writeStruct("Setting", "InfoData", info.data(), info.size());
    batch.writeString("Profile1", "FileName", "x");

    EXPECT_EQ(batch.readInt("setting", "currentprofile", -1), 2);
    std::array<std::uint8_t, 4> out{};
    EXPECT_TRUE(batch.readStruct("Setting", "InfoData", out.data(), out.size()));
    EXPECT_EQ(out, info);
    EXPECT_TRUE(batch.hasKey("PROFILE1", "filename"));
    EXPECT_FALSE(batch.hasKey("Profile1", "Other"));
    EXPECT_EQ(batch.readString("Profile1", "Missing", "d"), "d");
    EXPECT_EQ(batch.sectionNames(), (std::vector<std::string>{"Setting", "Profile1"}));
    EXPECT_EQ(fileBytes(path), "[Setting]\r\nCurrentProfile=1\r\n");

    ASSERT_TRUE(batch.commit());
    EXPECT_EQ(readInt(path, "Setting", "CurrentProfile", -1), 2);
    EXPECT_EQ(readString(path, "Profile1", "FileName"), "x");
}

TEST(IniBatch, CommitWithoutChangesLeavesTheFileAlone)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    putFile(path, "[Setting]\r\nCurrentProfile=1\r\n");
    const ino_t before = inodeOf(path);

    IniBatch batch(path);
    batch.writeInt("Setting", "CurrentProfile", 1);
    EXPECT_TRUE(batch.commit());
    EXPECT_EQ(inodeOf(path), before);
    EXPECT_TRUE(IniBatch(folder.file("missing.ini")).commit());
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.ini")));
}

TEST(IniBatch, ReadOnlyBatchRefusesToCommitChanges)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    putFile(path, "[Setting]\r\nCurrentProfile=1\r\n");

    IniBatch batch(path, false);
    EXPECT_EQ(batch.readInt("Setting", "CurrentProfile", -1), 1);
    batch.writeInt("Setting", "CurrentProfile", 2);
    EXPECT_FALSE(batch.commit());
    EXPECT_EQ(fileBytes(path), "[Setting]\r\nCurrentProfile=1\r\n");
}

TEST(IniBatch, UnreadableFileIsReportedAndNeverOverwritten)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    ASSERT_TRUE(std::filesystem::create_directory(path));

    IniBatch batch(path);
    EXPECT_FALSE(batch.readable());
    EXPECT_EQ(batch.readInt("Setting", "CurrentProfile", -1), -1);
    batch.writeInt("Setting", "CurrentProfile", 2);
    EXPECT_FALSE(batch.commit());
    EXPECT_TRUE(std::filesystem::is_directory(path));

    // A FIFO without a writer is refused at once, not waited on.
    const std::string fifo = folder.file("fifo.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(IniBatch(fifo, false).readable());
}

TEST(IniBatchLock, HeldFromOpenUntilCommit)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");

    EXPECT_EQ(probeFolderLock(folder.path()), 1);
    {
        IniBatch batch(path);
        EXPECT_EQ(probeFolderLock(folder.path()), 0);
        batch.writeInt("Setting", "Device", 1);
        EXPECT_EQ(probeFolderLock(folder.path()), 0);
        ASSERT_TRUE(batch.commit());
        EXPECT_EQ(probeFolderLock(folder.path()), 1);

        batch.writeInt("Setting", "Device", 0);
        EXPECT_EQ(probeFolderLock(folder.path()), 0);
    }
    EXPECT_EQ(probeFolderLock(folder.path()), 1);
    EXPECT_EQ(probeFolderLock(folder.file("missing-folder")), 2);

    IniBatch reader(path, false);
    EXPECT_EQ(probeFolderLock(folder.path()), 1);
}

TEST(IniBatchLock, WriteAfterCommitRereadsTheFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");

    IniBatch batch(path);
    batch.writeInt("Setting", "CurrentProfile", 1);
    ASSERT_TRUE(batch.commit());
    ASSERT_TRUE(writeInt(path, "Setting", "FWVersion", 107));
    batch.writeInt("Setting", "Device", 1);
    ASSERT_TRUE(batch.commit());

    EXPECT_EQ(fileBytes(path), "[Setting]\r\nCurrentProfile=1\r\nFWVersion=107\r\nDevice=1\r\n");
}

TEST(IniBatchLock, SameThreadMayWriteAnotherFileOfTheFolder)
{
    TemporaryFolder folder;
    IniBatch batch(folder.file("config.ini"));
    batch.writeInt("Setting", "CurrentProfile", 1);
    EXPECT_TRUE(writeInt(folder.file("DeviceInfo.ini"), "Setting", "Count", 0));
    IniBatch nested(folder.file("RunsStart.ini"));
    nested.writeInt("StartTime", "Year", 2024);
    EXPECT_TRUE(nested.commit());
    EXPECT_TRUE(batch.commit());

    EXPECT_EQ(readInt(folder.file("config.ini"), "Setting", "CurrentProfile", -1), 1);
    EXPECT_EQ(readInt(folder.file("DeviceInfo.ini"), "Setting", "Count", -1), 0);
    EXPECT_EQ(readInt(folder.file("RunsStart.ini"), "StartTime", "Year", -1), 2024);
    EXPECT_EQ(probeFolderLock(folder.path()), 1);
}
