#pragma once
// The running processes, standing for a Toolhelp process snapshot.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

using ProcessId = std::uint32_t;

struct ProcessEntry {
    ProcessId processId = 0;
    // The executable's file name with extension and no folder ("game.exe",
    // "firefox"); for programs run by Wine the Windows program's file name.
    std::string exeFile;
};

class ProcessList {
public:
    virtual ~ProcessList() = default;
    // The processes running now, in no particular order; empty when unreadable.
    virtual std::vector<ProcessEntry> snapshot() = 0;
};

// The process list of this machine, read from /proc.
std::unique_ptr<ProcessList> openProcessList();

// The executable file name of one process from /proc, "" when the process is
// gone or unreadable.
std::string exeFileOfProcess(ProcessId processId);

}  // namespace platform
