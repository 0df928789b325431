#include "platform/desktop/ProcessList.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

namespace platform {
namespace {

constexpr const char* kOwnExeFile = "process_list_test";

TEST(ProcessList, SnapshotHoldsThisProcessByItsExecutableName)
{
    const auto processes = openProcessList()->snapshot();
    const auto self = static_cast<ProcessId>(::getpid());
    const auto it = std::find_if(processes.begin(), processes.end(),
                                 [&](const ProcessEntry& entry) { return entry.processId == self; });
    ASSERT_NE(it, processes.end());
    EXPECT_EQ(it->exeFile, kOwnExeFile);
    EXPECT_EQ(exeFileOfProcess(self), kOwnExeFile);
    // The parent (the test runner) is listed too: the snapshot is not just us.
    EXPECT_TRUE(std::any_of(processes.begin(), processes.end(), [](const ProcessEntry& entry) {
        return entry.processId == static_cast<ProcessId>(::getppid());
    }));
}

TEST(ProcessList, NoNameForMissingProcesses)
{
    EXPECT_EQ(exeFileOfProcess(0), "");
    EXPECT_EQ(exeFileOfProcess(0x7FFFFFF0), "");
}

}  // namespace
}  // namespace platform
