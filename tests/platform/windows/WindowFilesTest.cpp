// The files that make windows visible across processes: a window counts as alive
// only while someone holds its lock, the files of a dead one are cleared by
// whoever meets them, and handles are never 0 nor a live window's.

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/windows/MessageWindow.h"
#include "platform/windows/WindowFiles.h"
#include "tests/platform/windows/WindowTestSupport.h"

namespace {

using namespace platform;
using namespace platform::windows;
using windowtest::RecordingHandler;

constexpr WindowHandle kSomeHandle = 0x00ABCDEF;

bool exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

void touch(const std::string& path, const std::string& content = {})
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// A window of "another process": its lock file held through a descriptor of ours.
class ForeignLock {
public:
    explicit ForeignLock(const std::string& path)
        : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        locked_ = fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) == 0;
    }
    ~ForeignLock() { release(); }
    ForeignLock(const ForeignLock&) = delete;
    ForeignLock& operator=(const ForeignLock&) = delete;

    bool locked() const { return locked_; }
    void release()
    {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
    bool locked_ = false;
};

class WindowFiles : public windowtest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        folder_ = windowsFolder();
        ASSERT_FALSE(folder_.empty());
    }

    void setCounter(WindowHandle last) const
    {
        const char bytes[4] = {static_cast<char>(last), static_cast<char>(last >> 8),
                               static_cast<char>(last >> 16), static_cast<char>(last >> 24)};
        std::ofstream(folder_ + "next-handle", std::ios::binary | std::ios::trunc).write(bytes, 4);
    }

    std::string folder_;
};

TEST_F(WindowFiles, DeadWindowIsNotFoundAndItsFilesAreCleared)
{
    touch(lockFilePath(folder_, kSomeHandle));
    touch(socketPath(folder_, kSomeHandle));
    touch(titleIndexPath(folder_, "Ghost", kSomeHandle), "Ghost");

    EXPECT_EQ(findWindow("Ghost"), 0u);
    EXPECT_FALSE(exists(lockFilePath(folder_, kSomeHandle)));
    EXPECT_FALSE(exists(socketPath(folder_, kSomeHandle)));
    EXPECT_FALSE(exists(titleIndexPath(folder_, "Ghost", kSomeHandle)));
    EXPECT_FALSE(isWindow(kSomeHandle));
}

TEST_F(WindowFiles, WindowLivesExactlyAsLongAsItsLockIsHeld)
{
    ForeignLock owner(lockFilePath(folder_, kSomeHandle));
    ASSERT_TRUE(owner.locked());
    touch(titleIndexPath(folder_, "Elsewhere", kSomeHandle), "Elsewhere");
    EXPECT_EQ(findWindow("Elsewhere"), kSomeHandle);
    EXPECT_TRUE(isWindow(kSomeHandle));
    // Probing twice (as two processes may) does not make it look dead.
    EXPECT_EQ(probeWindow(folder_, kSomeHandle), WindowState::Alive);

    owner.release();
    EXPECT_FALSE(isWindow(kSomeHandle));
    EXPECT_EQ(findWindow("Elsewhere"), 0u);
}

TEST_F(WindowFiles, IndexWithAnotherTitleUnderTheSameNameDoesNotMatch)
{
    ForeignLock owner(lockFilePath(folder_, kSomeHandle));
    ASSERT_TRUE(owner.locked());
    // Titles that differ only in characters the file name replaces share a prefix;
    // the title stored inside decides.
    touch(titleIndexPath(folder_, "a/b", kSomeHandle), "a?b");
    EXPECT_EQ(findWindow("a/b"), 0u);
    touch(titleIndexPath(folder_, "a/b", kSomeHandle), "a/b");
    EXPECT_EQ(findWindow("a/b"), kSomeHandle);
}

TEST_F(WindowFiles, NewWindowSkipsALiveHandleAndTakesOverADeadOne)
{
    setCounter(kSomeHandle - 1);
    ForeignLock live(lockFilePath(folder_, kSomeHandle));
    ASSERT_TRUE(live.locked());
    RecordingHandler handler;
    auto window = MessageWindow::create("After the live one", handler);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->handle(), kSomeHandle + 1);

    // A dead window's socket and lock at the next handle block nothing.
    setCounter(kSomeHandle + 1);
    touch(lockFilePath(folder_, kSomeHandle + 2));
    touch(socketPath(folder_, kSomeHandle + 2));
    RecordingHandler second;
    auto successor = MessageWindow::create("On a dead one's handle", second);
    ASSERT_TRUE(successor);
    EXPECT_EQ(successor->handle(), kSomeHandle + 2);
    EXPECT_EQ(findWindow("On a dead one's handle"), kSomeHandle + 2);
    ASSERT_TRUE(postMessage(successor->handle(), WM_USER, 1, 2));
    EXPECT_TRUE(runUntil([&] { return second.count(WM_USER) == 1; }));
}

TEST_F(WindowFiles, HandleCounterWrapsPastZeroAndSurvivesDamage)
{
    setCounter(0xFFFFFFFF);
    EXPECT_NE(allocateHandle(folder_), 0u);
    touch(folder_ + "next-handle", "x");  // cut short
    const WindowHandle first = allocateHandle(folder_);
    const WindowHandle second = allocateHandle(folder_);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
}

TEST_F(WindowFiles, ListingShowsWindowsByLockFileOnly)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("Listed", handler);
    ASSERT_TRUE(window);
    touch(folder_ + "0000zzzz.lock");
    touch(folder_ + "00000000.lock");
    touch(folder_ + "notes.txt");
    EXPECT_EQ(listWindowHandles(folder_), std::vector<WindowHandle>{window->handle()});
}

TEST_F(WindowFiles, SocketPathBeyondTheLimitRefusesTheWindowAndLeavesNothing)
{
    std::string deep = runtimeFolder();
    while (deep.size() < 120) deep += "/deeper-folder";
    std::filesystem::create_directories(deep);
    std::filesystem::permissions(deep, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", deep.c_str(), 1);
    RecordingHandler handler;
    EXPECT_EQ(MessageWindow::create("Too deep", handler), nullptr);
    EXPECT_EQ(findWindow("Too deep"), 0u);
    const std::string folder = windowsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(listWindowHandles(folder).empty());
}

}  // namespace
