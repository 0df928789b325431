#include "platform/system/DebugOutput.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

// Sends stderr to a file for the length of a test.
class DebugOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.valid());
        file_ = folder_.file("stderr");
        const int fd = open(file_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ASSERT_GE(fd, 0);
        savedStderr_ = dup(STDERR_FILENO);
        dup2(fd, STDERR_FILENO);
        close(fd);
    }
    void TearDown() override
    {
        if (savedStderr_ >= 0) {
            dup2(savedStderr_, STDERR_FILENO);
            close(savedStderr_);
        }
        unsetenv("ZURO_DEBUG");
    }

    std::string written() const
    {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    test::TemporaryFolder folder_;
    std::string file_;
    int savedStderr_ = -1;
};

TEST_F(DebugOutputTest, SilentUnlessEnabled)
{
    unsetenv("ZURO_DEBUG");
    EXPECT_FALSE(debugOutputEnabled());
    debugOutput("unset\n");
    setenv("ZURO_DEBUG", "", 1);
    EXPECT_FALSE(debugOutputEnabled());
    debugPrintf("empty %d\n", 1);
    setenv("ZURO_DEBUG", "0", 1);
    EXPECT_FALSE(debugOutputEnabled());
    debugOutput("zero\n");
    EXPECT_EQ(written(), "");
}

TEST_F(DebugOutputTest, WritesOneLinePerCallWhenEnabled)
{
    setenv("ZURO_DEBUG", "1", 1);
    EXPECT_TRUE(debugOutputEnabled());
    debugPrintf("CMonitorApp: %s\n", "started");
    debugPrintf("Show OSD %d\n", 3);
    debugOutput("OnSystrayNotify WM_RBUTTONDOWN");
    EXPECT_EQ(written(), "CMonitorApp: started\nShow OSD 3\nOnSystrayNotify WM_RBUTTONDOWN\n");
}

TEST_F(DebugOutputTest, LongFormattedTextIsWrittenWhole)
{
    setenv("ZURO_DEBUG", "yes", 1);
    const std::string longText(5000, 'x');
    debugPrintf("begin %s end\n", longText.c_str());
    EXPECT_EQ(written(), "begin " + longText + " end\n");
}

TEST_F(DebugOutputTest, LinesOfConcurrentCallersStayWhole)
{
    setenv("ZURO_DEBUG", "1", 1);
    constexpr int kThreads = 8;
    constexpr int kLinesEach = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            const std::string filler(100, static_cast<char>('a' + t));
            for (int i = 0; i < kLinesEach; ++i) debugPrintf("thread %d %s line %d\n", t, filler.c_str(), i);
        });
    }
    for (std::thread& thread : threads) thread.join();

    std::istringstream lines(written());
    std::map<int, int> linesPerThread;
    std::string line;
    while (std::getline(lines, line)) {
        int thread = -1;
        int number = -1;
        char filler[128] = {};
        ASSERT_EQ(std::sscanf(line.c_str(), "thread %d %127s line %d", &thread, filler, &number), 3) << line;
        ASSERT_EQ(std::string(filler), std::string(100, static_cast<char>('a' + thread))) << line;
        ++linesPerThread[thread];
    }
    ASSERT_EQ(linesPerThread.size(), static_cast<std::size_t>(kThreads));
    for (const auto& [thread, count] : linesPerThread) EXPECT_EQ(count, kLinesEach) << thread;
}

}  // namespace
}  // namespace platform
