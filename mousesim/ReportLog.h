#pragma once
// The report log: one line per report the mouse saw or sent, as
// "<milliseconds since start> <SET|GET|IN> <bytes>", bytes as two-digit
// uppercase hex separated by single spaces. SET shows the bytes received, GET
// the bytes answered (only the report ID when the read failed), IN an event
// report sent.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace mousesim {

// Milliseconds since the simulator started; injectable so tests need no timing.
using MillisecondClock = std::function<std::uint64_t()>;
MillisecondClock steadyClockFromNow();

enum class LogDirection { Set, Get, In };

std::string formatLogLine(std::uint64_t milliseconds, LogDirection direction, std::span<const std::uint8_t> bytes);

class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void writeLine(std::string_view line) = 0;
};

// Writes lines to a file that starts empty, flushed after each line so a
// reader sees them at once.
class FileLineSink : public LineSink {
public:
    bool open(const std::filesystem::path& path);
    bool isOpen() const { return out_.is_open(); }
    void writeLine(std::string_view line) override;

private:
    std::ofstream out_;
};

class ReportLog {
public:
    ReportLog(LineSink* sink, MillisecondClock clock);
    void record(LogDirection direction, std::span<const std::uint8_t> bytes);

private:
    LineSink* sink_;
    MillisecondClock clock_;
};

}  // namespace mousesim
