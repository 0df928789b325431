#include "ReportLogWatcher.h"

#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/inotify.h>
#include <unistd.h>

namespace e2e {

ReportLogWatcher::ReportLogWatcher(std::string path) : path_(std::move(path))
{
    inotify_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    const std::string folder = std::filesystem::path(path_).parent_path().string();
    inotify_add_watch(inotify_, folder.c_str(), IN_MODIFY | IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO);
}

ReportLogWatcher::~ReportLogWatcher()
{
    if (inotify_ >= 0)
        close(inotify_);
}

std::vector<LogEntry> ReportLogWatcher::entries() const
{
    std::vector<LogEntry> entries;
    std::ifstream in(path_);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        LogEntry entry;
        if (!(words >> entry.milliseconds >> entry.direction))
            continue;
        std::getline(words >> std::ws, entry.bytes);
        entries.push_back(entry);
    }
    return entries;
}

bool ReportLogWatcher::waitUntil(const LogCondition& condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (condition(entries()))
            return true;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd entry{inotify_, POLLIN, 0};
        if (poll(&entry, 1, static_cast<int>(left.count())) > 0) {
            char events[4096];
            while (read(inotify_, events, sizeof events) > 0) {
            }
        }
    }
}

bool ReportLogWatcher::waitForEntry(const std::string& prefix, std::size_t from, std::chrono::milliseconds limit)
{
    return waitUntil([&](const std::vector<LogEntry>& entries) { return countStartingWith(entries, from, prefix) > 0; },
                     limit);
}

std::vector<std::string> textsFrom(const std::vector<LogEntry>& entries, std::size_t from)
{
    std::vector<std::string> texts;
    for (std::size_t i = from; i < entries.size(); ++i)
        if (entries[i].direction != "IN")
            texts.push_back(entries[i].text());
    return texts;
}

std::size_t countStartingWith(const std::vector<LogEntry>& entries, std::size_t from, const std::string& prefix)
{
    std::size_t count = 0;
    for (std::size_t i = from; i < entries.size(); ++i)
        if (entries[i].text().starts_with(prefix))
            ++count;
    return count;
}

}  // namespace e2e
