// The process list and executable names from /proc.

#include "platform/desktop/ProcessList.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <string_view>

namespace platform {
namespace {

constexpr std::size_t kMaxCommandLine = 4096;
constexpr std::string_view kDeletedSuffix = " (deleted)";

// The last part of a path written with '/' or '\' (Windows programs under Wine).
std::string fileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string procPath(ProcessId processId, const char* entry)
{
    return "/proc/" + std::to_string(processId) + "/" + entry;
}

// At most `limit` bytes of a /proc file; "" when it cannot be read.
std::string readSmallFile(const std::string& path, std::size_t limit)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string content(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit) {
        const ssize_t got = ::read(fd, content.data() + filled, limit - filled);
        if (got <= 0) break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    content.resize(filled);
    return content;
}

std::string executablePath(ProcessId processId)
{
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = ::readlink(procPath(processId, "exe").c_str(), buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
    std::string_view path(buffer.data(), static_cast<std::size_t>(length));
    if (path.ends_with(kDeletedSuffix)) path.remove_suffix(kDeletedSuffix.size());
    return std::string(path);
}

std::string firstArgument(ProcessId processId)
{
    const std::string commandLine = readSmallFile(procPath(processId, "cmdline"), kMaxCommandLine);
    return commandLine.substr(0, commandLine.find('\0'));
}

bool isWineLoader(std::string_view fileName)
{
    return fileName.starts_with("wine");
}

class ProcFsProcessList final : public ProcessList {
public:
    std::vector<ProcessEntry> snapshot() override
    {
        std::vector<ProcessEntry> processes;
        DIR* proc = ::opendir("/proc");
        if (proc == nullptr) return processes;
        while (const dirent* entry = ::readdir(proc)) {
            const std::string_view name(entry->d_name);
            ProcessId processId = 0;
            const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), processId);
            if (error != std::errc() || end != name.data() + name.size() || processId == 0) continue;
            std::string exeFile = exeFileOfProcess(processId);
            if (!exeFile.empty()) processes.push_back({processId, std::move(exeFile)});
        }
        ::closedir(proc);
        return processes;
    }
};

}  // namespace

std::string exeFileOfProcess(ProcessId processId)
{
    if (processId == 0) return {};
    std::string fileName = fileNameOf(executablePath(processId));
    // Wine runs every Windows program in its loader; the program is argv[0].
    if (fileName.empty() || isWineLoader(fileName)) {
        std::string argument = fileNameOf(firstArgument(processId));
        if (!argument.empty()) return argument;
    }
    if (!fileName.empty()) return fileName;
    std::string command = readSmallFile(procPath(processId, "comm"), NAME_MAX);
    while (!command.empty() && command.back() == '\n') command.pop_back();
    return command;
}

std::unique_ptr<ProcessList> openProcessList()
{
    return std::make_unique<ProcFsProcessList>();
}

}  // namespace platform
