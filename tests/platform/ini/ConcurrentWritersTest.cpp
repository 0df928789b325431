#include "platform/ini/IniBatch.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/PrivateProfile.h"

#include "tests/platform/ini/IniTestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using namespace platform::ini;
using ini_test::fileBytes;
using ini_test::putFile;
using ini_test::TemporaryFolder;

namespace {

constexpr int kKeysPerWriter = 1000;

std::string writerKey(int writer, int index)
{
    return "Writer" + std::to_string(writer) + "Key" + std::to_string(index);
}

// Every writer writes its own keys one call at a time into the same file.
bool writeOwnKeys(const std::string& path, int writer, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!writeInt(path, "Setting", writerKey(writer, i), i))
            return false;
    }
    return true;
}

int missingKeys(const std::string& path, int writers, int count)
{
    IniBatch file(path, false);
    int missing = 0;
    for (int writer = 0; writer < writers; ++writer) {
        for (int i = 0; i < count; ++i) {
            if (file.readInt("Setting", writerKey(writer, i), -1) != i)
                ++missing;
        }
    }
    return missing;
}

// A pipe whose closing releases every child blocked on it at once.
struct StartGate {
    int fds[2] = {-1, -1};
    StartGate() { EXPECT_EQ(pipe(fds), 0); }
    ~StartGate()
    {
        for (int fd : fds) {
            if (fd >= 0)
                close(fd);
        }
    }
    void waitInChild()
    {
        close(fds[1]);
        char byte;
        while (read(fds[0], &byte, 1) < 0 && errno == EINTR) {
        }
    }
    void open()
    {
        close(fds[1]);
        fds[1] = -1;
    }
};

}  // namespace

TEST(ConcurrentWriters, TwoProcessesWritingDistinctKeysLoseNone)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    StartGate gate;

    std::vector<pid_t> children;
    for (int writer = 0; writer < 2; ++writer) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            gate.waitInChild();
            _exit(writeOwnKeys(path, writer, kKeysPerWriter) ? 0 : 1);
        }
        children.push_back(child);
    }
    gate.open();
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(missingKeys(path, 2, kKeysPerWriter), 0);
}

TEST(ConcurrentWriters, TwoThreadsWritingDistinctKeysLoseNone)
{
    TemporaryFolder folder;
    const std::string path = folder.file("config.ini");
    constexpr int kKeys = 300;

    bool succeeded[2] = {false, false};
    std::thread first([&] { succeeded[0] = writeOwnKeys(path, 0, kKeys); });
    std::thread second([&] {
        // The batch holds the lock across many writes while the other thread waits.
        for (int i = 0; i < kKeys; i += 30) {
            IniBatch batch(path);
            for (int j = i; j < i + 30; ++j)
                batch.writeInt("Setting", writerKey(1, j), j);
            if (!batch.commit())
                return;
        }
        succeeded[1] = true;
    });
    first.join();
    second.join();
    EXPECT_TRUE(succeeded[0]);
    EXPECT_TRUE(succeeded[1]);
    EXPECT_EQ(missingKeys(path, 2, kKeys), 0);
}

namespace {

// A profile file of about 125 KB with 90 keys: 3 long strings, 63 integers and
// 24 records of 2532 bytes.
std::string gameFile(int index, std::uint8_t fill)
{
    return std::string(1200, static_cast<char>('a' + (fill + index) % 26));
}

std::string largeProfileFile(std::uint8_t fill, int offset)
{
    IniDocument document;
    for (int i = 0; i < 3; ++i)
        document.setValue("Setting", "GameFile" + std::to_string(i), gameFile(i, fill));
    for (int i = 0; i < 63; ++i)
        document.setValue("Setting", "Value" + std::to_string(i), std::to_string(i + offset));
    const std::vector<std::uint8_t> record(2532, fill);
    for (int i = 0; i < 24; ++i)
        document.setValue("Setting", "MacroKeyInfo" + std::to_string(i),
                          encodeStruct(record.data(), record.size()));
    return document.serialize();
}

void writeLargeProfileInBatch(const std::string& path, std::uint8_t fill, int offset,
                              int announceFd = -1)
{
    IniBatch batch(path);
    for (int i = 0; i < 3; ++i)
        batch.writeString("Setting", "GameFile" + std::to_string(i), gameFile(i, fill));
    for (int i = 0; i < 63; ++i)
        batch.writeInt("Setting", "Value" + std::to_string(i), i + offset);
    const std::vector<std::uint8_t> record(2532, fill);
    for (int i = 0; i < 24; ++i)
        batch.writeStruct("Setting", "MacroKeyInfo" + std::to_string(i), record.data(),
                          record.size());
    if (announceFd >= 0 && write(announceFd, "c", 1) != 1)
        _exit(1);
    batch.commit();
}

}  // namespace

TEST(CrashSafety, KilledDuringCommitLeavesOldOrNewFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("Default0.vmp");
    const std::string oldFile = largeProfileFile(0x11, 0);
    const std::string newFile = largeProfileFile(0xEE, 1000);
    ASSERT_GT(oldFile.size(), 120u * 1024);

    // The generator and the batch agree, so the file can only be one of the two.
    putFile(path, oldFile);
    writeLargeProfileInBatch(path, 0xEE, 1000);
    ASSERT_EQ(fileBytes(path), newFile);
    writeLargeProfileInBatch(path, 0x11, 0);
    ASSERT_EQ(fileBytes(path), oldFile);

    for (int round = 0; round < 40; ++round) {
        int announce[2];
        ASSERT_EQ(pipe(announce), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(announce[0]);
            for (;;) {
                const bool holdsOld = fileBytes(path) == oldFile;
                writeLargeProfileInBatch(path, holdsOld ? 0xEE : 0x11, holdsOld ? 1000 : 0,
                                         announce[1]);
            }
        }
        close(announce[1]);
        // The child announces each commit just before it starts; kill it during
        // the commit after 1 to 3 whole ones.
        const int announcements = 1 + round % 3;
        char byte;
        for (int seen = 0; seen < announcements;) {
            const ssize_t got = read(announce[0], &byte, 1);
            if (got == 1)
                ++seen;
            else if (got == 0 || errno != EINTR)
                break;
        }
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        close(announce[0]);

        const std::string bytes = fileBytes(path);
        ASSERT_TRUE(bytes == oldFile || bytes == newFile) << "round " << round;
        const IniDocument parsed = IniDocument::parse(bytes);
        ASSERT_EQ(parsed.serialize(), bytes);
        ASSERT_TRUE(parsed.value("Setting", "MacroKeyInfo23").has_value());
    }

    // A temporary file left by a killed writer goes with the next write, even one
    // that changes nothing.
    const bool holdsOld = fileBytes(path) == oldFile;
    writeLargeProfileInBatch(path, holdsOld ? 0x11 : 0xEE, holdsOld ? 0 : 1000);
    EXPECT_EQ(fileBytes(path), holdsOld ? oldFile : newFile);
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>{"Default0.vmp"});
}
