#pragma once
// mousesim's report log as a test reads it: one entry per feature or event report,
// and a blocking wait (inotify on the log's folder) until the entries satisfy a
// condition.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

struct LogEntry {
    std::uint64_t milliseconds = 0;
    std::string direction;  // "SET", "GET" or "IN"
    std::string bytes;      // "04 00 80"
    std::string text() const { return direction + " " + bytes; }
};

using LogCondition = std::function<bool(const std::vector<LogEntry>&)>;

class ReportLogWatcher {
public:
    explicit ReportLogWatcher(std::string path);
    ~ReportLogWatcher();
    ReportLogWatcher(const ReportLogWatcher&) = delete;
    ReportLogWatcher& operator=(const ReportLogWatcher&) = delete;

    std::vector<LogEntry> entries() const;
    bool waitUntil(const LogCondition& condition, std::chrono::milliseconds limit);
    // Waits for an entry at or after `from` whose text starts with `prefix`.
    bool waitForEntry(const std::string& prefix, std::size_t from, std::chrono::milliseconds limit);

private:
    std::string path_;
    int inotify_ = -1;
};

// The entries from `from` on whose text starts with "SET" or "GET", as texts.
std::vector<std::string> textsFrom(const std::vector<LogEntry>& entries, std::size_t from);
std::size_t countStartingWith(const std::vector<LogEntry>& entries, std::size_t from, const std::string& prefix);

}  // namespace e2e
