#include <gtest/gtest.h>

#include "tests/monitor/ProtocolConversation.h"

#include <cstdio>

namespace monitor::protocol::test {
namespace {

constexpr std::size_t kShownInFull = 8;
constexpr std::size_t kShownOfLong = 5;

std::string shortHex(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() <= kShownInFull)
        return hex(bytes);
    return hex(bytes.first(kShownOfLong)) + " ..(" + std::to_string(bytes.size()) + ")";
}

}  // namespace

std::string hex(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        if (!text.empty())
            text += ' ';
        text += digits;
    }
    return text;
}

Bytes bytesOf(std::string_view hexText)
{
    Bytes bytes;
    std::string digits;
    for (char c : hexText) {
        if (c == ' ')
            continue;
        digits += c;
        if (digits.size() == 2) {
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
            digits.clear();
        }
    }
    return bytes;
}

void Conversation::sent(std::span<const std::uint8_t> report, bool accepted)
{
    const std::lock_guard lock(mutex_);
    pendingPause_ = 0;
    entries_.push_back({ConversationEntry::Kind::Send, std::this_thread::get_id(),
                        "send " + shortHex(report) + (accepted ? "" : " refused")});
}

void Conversation::answered(std::uint8_t reportId, std::optional<std::span<const std::uint8_t>> answer)
{
    const std::lock_guard lock(mutex_);
    pendingPause_ = 0;
    const Bytes id = {reportId};
    entries_.push_back({ConversationEntry::Kind::Get, std::this_thread::get_id(),
                        "get " + hex(id) + (answer ? " -> " + shortHex(*answer) : " failed")});
}

void Conversation::paused(std::chrono::milliseconds duration)
{
    const std::lock_guard lock(mutex_);
    if (pendingPause_ > 0 && !entries_.empty() && entries_.back().kind == ConversationEntry::Kind::Pause)
        entries_.pop_back();
    pendingPause_ += static_cast<long>(duration.count());
    entries_.push_back({ConversationEntry::Kind::Pause, std::this_thread::get_id(),
                        "pause " + std::to_string(pendingPause_)});
}

std::vector<std::string> Conversation::lines() const
{
    const std::lock_guard lock(mutex_);
    std::vector<std::string> lines;
    for (const ConversationEntry& entry : entries_)
        lines.push_back(entry.line);
    return lines;
}

std::vector<ConversationEntry> Conversation::entries() const
{
    const std::lock_guard lock(mutex_);
    return entries_;
}

void Conversation::clear()
{
    const std::lock_guard lock(mutex_);
    entries_.clear();
    pendingPause_ = 0;
}

void FakeMouse::answer(Bytes answer)
{
    const std::uint8_t id = answer.at(0);
    answerRead(id, std::move(answer));
}

void FakeMouse::answerRead(std::uint8_t reportId, Bytes answer)
{
    const std::lock_guard lock(mutex_);
    answers_[reportId].push_back(std::move(answer));
}

void FakeMouse::failNextRead(std::uint8_t reportId)
{
    const std::lock_guard lock(mutex_);
    answers_[reportId].push_back(std::nullopt);
}

void FakeMouse::refuseWrites(std::uint8_t reportId, int count)
{
    const std::lock_guard lock(mutex_);
    refusals_[reportId] += count;
}

std::vector<Bytes> FakeMouse::writes() const
{
    const std::lock_guard lock(mutex_);
    return writes_;
}

std::vector<Bytes> FakeMouse::writesOf(std::uint8_t reportId) const
{
    const std::lock_guard lock(mutex_);
    std::vector<Bytes> matching;
    for (const Bytes& write : writes_) {
        if (!write.empty() && write[0] == reportId)
            matching.push_back(write);
    }
    return matching;
}

std::vector<std::size_t> FakeMouse::readLengths() const
{
    const std::lock_guard lock(mutex_);
    return readLengths_;
}

bool FakeMouse::setFeature(std::span<const std::uint8_t> report)
{
    const std::lock_guard lock(mutex_);
    writes_.emplace_back(report.begin(), report.end());
    bool accepted = true;
    if (!report.empty()) {
        int& refusals = refusals_[report[0]];
        if (refusals > 0) {
            --refusals;
            accepted = false;
        }
    }
    conversation_.sent(report, accepted);
    return accepted;
}

bool FakeMouse::getFeature(std::span<std::uint8_t> buffer)
{
    const std::lock_guard lock(mutex_);
    const std::uint8_t id = buffer[0];
    readLengths_.push_back(buffer.size());
    std::optional<Bytes> answer;
    auto& queue = answers_[id];
    if (id == 4 && statusAnswer) {
        answer = statusAnswer();
    } else if (!queue.empty()) {
        answer = queue.front();
        queue.pop_front();
    } else if (id == 4) {
        answer = Bytes{4, 1, 0};
    }
    if (!answer || answer->size() > buffer.size()) {
        conversation_.answered(id, std::nullopt);
        return false;
    }
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    std::copy(answer->begin(), answer->end(), buffer.begin());
    conversation_.answered(id, std::span<const std::uint8_t>(*answer));
    return true;
}

void RecordingPauser::sleep(std::chrono::milliseconds duration)
{
    conversation_.paused(duration);
    const int count = ++sleeps_;
    if (afterSleep)
        afterSleep(count);
}

}  // namespace monitor::protocol::test
