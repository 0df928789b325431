#pragma once
// A fake mouse for protocol tests: it records what the host sends and answers
// reads from a script, and a pauser that records the waits instead of taking
// them. Both write into one conversation, so a test reads as "the host sends
// these bytes, pauses, the mouse answers those".

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "monitor/protocol/DeviceLink.h"
#include "monitor/protocol/FeatureDevice.h"
#include "monitor/protocol/Pauser.h"
#include "monitor/protocol/SerializedFeatureDevice.h"
#include "settings/BlockDefaults.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol::test {

using Bytes = std::vector<std::uint8_t>;

// "05 03 02" for the bytes 5, 3, 2.
std::string hex(std::span<const std::uint8_t> bytes);
// The bytes of a text like "05 03 02".
Bytes bytesOf(std::string_view hexText);

struct ConversationEntry {
    enum class Kind { Send, Get, Pause };
    Kind kind;
    std::thread::id thread;
    std::string line;
};

// Lines: "send 05 03 02", "send 05 03 02 refused", "get 04 -> 04 01 00",
// "get 06 failed", "pause 1500" (consecutive waits add up). A report longer than
// eight bytes shows its first five and its length: "send 06 1f 01 01 07 ..(31)".
class Conversation {
public:
    void sent(std::span<const std::uint8_t> report, bool accepted);
    void answered(std::uint8_t reportId, std::optional<std::span<const std::uint8_t>> answer);
    void paused(std::chrono::milliseconds duration);

    std::vector<std::string> lines() const;
    std::vector<ConversationEntry> entries() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<ConversationEntry> entries_;
    long pendingPause_ = 0;
};

class FakeMouse final : public FeatureDevice {
public:
    explicit FakeMouse(Conversation& conversation) : conversation_(conversation) {}

    // The next read of report answer[0] gets these bytes (the rest of the
    // buffer stays zero). Reads of report 4 without a scripted answer answer
    // ready; reads of any other report without one fail.
    void answer(Bytes answer);
    void answer(std::string_view hexText) { answer(bytesOf(hexText)); }
    // The next read of `reportId` gets `answer`, whatever its first byte says.
    void answerRead(std::uint8_t reportId, Bytes answer);
    void failNextRead(std::uint8_t reportId);
    // The next `count` writes of `reportId` are refused.
    void refuseWrites(std::uint8_t reportId, int count = 1);
    // Answers every status read when set, instead of the script.
    std::function<Bytes()> statusAnswer;

    std::vector<Bytes> writes() const;
    std::vector<Bytes> writesOf(std::uint8_t reportId) const;
    // The buffer lengths the host asked for, read by read.
    std::vector<std::size_t> readLengths() const;

    bool setFeature(std::span<const std::uint8_t> report) override;
    bool getFeature(std::span<std::uint8_t> buffer) override;

private:
    Conversation& conversation_;
    mutable std::mutex mutex_;
    std::map<std::uint8_t, std::deque<std::optional<Bytes>>> answers_;
    std::map<std::uint8_t, int> refusals_;
    std::vector<Bytes> writes_;
    std::vector<std::size_t> readLengths_;
};

class RecordingPauser final : public Pauser {
public:
    explicit RecordingPauser(Conversation& conversation) : conversation_(conversation) {}
    void sleep(std::chrono::milliseconds duration) override;

    // Called after each recorded wait with the number of waits so far.
    std::function<void(int)> afterSleep;
    int sleeps() const { return sleeps_; }

private:
    Conversation& conversation_;
    std::atomic<int> sleeps_{0};
};

inline const std::string kReady = "get 04 -> 04 01 00";

// A mouse, the serialized device, the pauser and the abort flag, and a block
// with the defaults of every profile.
class ProtocolTest : public ::testing::Test {
protected:
    ProtocolTest() { settings::createDefaultBlock(*block, 1); }

    Conversation conversation;
    FakeMouse mouse{conversation};
    SerializedFeatureDevice device{mouse};
    RecordingPauser pauser{conversation};
    std::atomic<bool> abort{false};
    DeviceLink link{device, pauser, abort};
    std::unique_ptr<settings::SettingsBlock> block = std::make_unique<settings::SettingsBlock>();

    // Sets the abort flag once `count` waits have been taken.
    void abortAfterSleeps(int count)
    {
        pauser.afterSleep = [this, count](int sleeps) {
            if (sleeps >= count)
                abort = true;
        };
    }
};

}  // namespace monitor::protocol::test
