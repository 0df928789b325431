#pragma once
// A foreground program and process list that the test sets.

#include "platform/desktop/ForegroundProgram.h"
#include "platform/desktop/ProcessList.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace fakes {

class FakeForegroundProgram : public platform::ForegroundProgram {
public:
    platform::ProcessId foregroundProcess() override
    {
        ++queries;
        return processId.load();
    }

    std::atomic<platform::ProcessId> processId{0};
    std::atomic<int> queries{0};
};

class FakeProcessList : public platform::ProcessList {
public:
    std::vector<platform::ProcessEntry> snapshot() override
    {
        std::lock_guard lock(mutex_);
        ++snapshots_;
        return processes_;
    }

    void setProcesses(std::vector<platform::ProcessEntry> processes)
    {
        std::lock_guard lock(mutex_);
        processes_ = std::move(processes);
    }

    int snapshots() const
    {
        std::lock_guard lock(mutex_);
        return snapshots_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<platform::ProcessEntry> processes_;
    int snapshots_ = 0;
};

}  // namespace fakes
