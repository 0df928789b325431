#include "mousesim/ReportLog.h"

#include <chrono>

namespace mousesim {
namespace {

const char* directionWord(LogDirection direction) {
    switch (direction) {
        case LogDirection::Set: return "SET";
        case LogDirection::Get: return "GET";
        case LogDirection::In: return "IN";
    }
    return "?";
}

}  // namespace

MillisecondClock steadyClockFromNow() {
    const auto start = std::chrono::steady_clock::now();
    return [start] {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    };
}

std::string formatLogLine(std::uint64_t milliseconds, LogDirection direction, std::span<const std::uint8_t> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line = std::to_string(milliseconds);
    line += ' ';
    line += directionWord(direction);
    line.reserve(line.size() + bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        line += ' ';
        line += kHex[b >> 4];
        line += kHex[b & 0x0F];
    }
    return line;
}

bool FileLineSink::open(const std::filesystem::path& path) {
    out_.open(path, std::ios::out | std::ios::trunc);
    return out_.is_open();
}

void FileLineSink::writeLine(std::string_view line) {
    if (!out_.is_open()) return;
    out_ << line << '\n';
    out_.flush();
}

ReportLog::ReportLog(LineSink* sink, MillisecondClock clock) : sink_(sink), clock_(std::move(clock)) {}

void ReportLog::record(LogDirection direction, std::span<const std::uint8_t> bytes) {
    if (!sink_) return;
    sink_->writeLine(formatLogLine(clock_ ? clock_() : 0, direction, bytes));
}

}  // namespace mousesim
