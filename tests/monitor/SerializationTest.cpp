#include <gtest/gtest.h>

#include <thread>

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/ReportExchange.h"
#include "tests/monitor/ProtocolConversation.h"

namespace monitor::protocol::test {
namespace {

using Kind = ConversationEntry::Kind;

// Yields for a while on every wait so the other thread gets every chance to come
// in between.
class YieldingPauser final : public Pauser {
public:
    explicit YieldingPauser(Conversation& conversation) : conversation_(conversation) {}
    void sleep(std::chrono::milliseconds duration) override
    {
        conversation_.paused(duration);
        for (int i = 0; i < 200; ++i)
            std::this_thread::yield();
    }

private:
    Conversation& conversation_;
};

TEST(SerializedFeatureDeviceTest, NoReportComesBetweenAWriteAndItsHandshake)
{
    Conversation conversation;
    FakeMouse mouse(conversation);
    // Every handshake sees busy once, then ready.
    std::atomic<int> statusReads{0};
    mouse.statusAnswer = [&statusReads] {
        return ++statusReads % 2 == 1 ? Bytes{4, 3, 0} : Bytes{4, 1, 0};
    };
    SerializedFeatureDevice device(mouse);
    YieldingPauser pauser(conversation);
    std::atomic<bool> abort{false};
    DeviceLink link{device, pauser, abort};

    constexpr int kWritesPerThread = 200;
    std::atomic<int> ready{0};
    auto writer = [&link, &ready](std::uint8_t flag) {
        ++ready;
        while (ready < 2)
            std::this_thread::yield();
        for (int i = 0; i < kWritesPerThread; ++i)
            EXPECT_TRUE(writeHostPresence(link, flag != 0));
    };
    std::thread window(writer, 1);
    std::thread worker(writer, 0);
    window.join();
    worker.join();

    std::vector<ConversationEntry> reports;
    for (const ConversationEntry& entry : conversation.entries()) {
        if (entry.kind != Kind::Pause)
            reports.push_back(entry);
    }
    ASSERT_EQ(reports.size(), 2u * kWritesPerThread * 3);
    for (std::size_t i = 0; i < reports.size(); i += 3) {
        ASSERT_EQ(reports[i].kind, Kind::Send) << i;
        EXPECT_EQ(reports[i + 1].line, "get 04 -> 04 03 00") << i;
        EXPECT_EQ(reports[i + 2].line, "get 04 -> 04 01 00") << i;
        EXPECT_EQ(reports[i + 1].thread, reports[i].thread) << i;
        EXPECT_EQ(reports[i + 2].thread, reports[i].thread) << i;
    }
}

TEST(SerializedFeatureDeviceTest, ASelectAndItsReadStayTogether)
{
    Conversation conversation;
    FakeMouse mouse(conversation);
    SerializedFeatureDevice device(mouse);
    std::atomic<bool> abort{false};
    std::thread other;
    std::atomic<bool> otherStarted{false};
    // While the select's handshake waits, another thread tries to write.
    class StartingPauser final : public Pauser {
    public:
        std::function<void()> onFirstSleep;
        void sleep(std::chrono::milliseconds) override
        {
            if (onFirstSleep) {
                auto start = std::move(onFirstSleep);
                onFirstSleep = nullptr;
                start();
            }
        }
    } pauser;
    DeviceLink link{device, pauser, abort};
    pauser.onFirstSleep = [&] {
        other = std::thread([&] {
            otherStarted = true;
            writeHostPresence(link, true);
        });
        while (!otherStarted)
            std::this_thread::yield();
        for (int i = 0; i < 1000; ++i)
            std::this_thread::yield();
    };
    mouse.answer("05 03 01");
    std::array<std::uint8_t, 3> answer{};
    EXPECT_TRUE(selectAndRead(link, 0, 0x80, 5, answer));
    other.join();

    const std::vector<std::string> lines = conversation.lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "send 04 00 80");
    EXPECT_EQ(lines[1], "get 04 -> 04 01 00");
    EXPECT_EQ(lines[2], "get 05 -> 05 03 01");
    EXPECT_EQ(lines[3], "send 0e 03 01");
}

}  // namespace
}  // namespace monitor::protocol::test
