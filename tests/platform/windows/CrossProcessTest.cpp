// Two real processes: the test and the peer program exchange posts, sends, copy
// data and broadcasts; a peer killed with SIGKILL leaves nothing that blocks or
// misleads anyone.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <set>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "platform/windows/MessageWindow.h"
#include "platform/windows/WindowFiles.h"
#include "tests/platform/windows/PeerProcess.h"
#include "tests/platform/windows/PeerProtocol.h"
#include "tests/platform/windows/WindowTestSupport.h"

namespace {

using namespace platform;
using namespace std::chrono_literals;
using windowtest::PeerProcess;
using windowtest::RecordingHandler;

class CrossProcess : public windowtest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // The test's own window answers the peer's echo requests with wParam * 10.
        handler_.reply = [](MessageId m, WParam w, LParam) { return m == peer::kEcho ? static_cast<LResult>(w * 10) : 0; };
        window_ = MessageWindow::create("Test side", handler_);
        ASSERT_TRUE(window_);
    }

    std::unique_ptr<PeerProcess> startPeer(const std::string& title, WindowHandle& handle)
    {
        auto process = PeerProcess::startWindow(title, handle);
        EXPECT_TRUE(process) << "peer " << title << " did not start";
        return process;
    }

    RecordingHandler handler_;
    std::unique_ptr<MessageWindow> window_;
};

TEST_F(CrossProcess, SendReturnsThePeerResultAndPostsTravelBothWays)
{
    WindowHandle peerWindow = 0;
    auto peer = startPeer("Peer one", peerWindow);
    ASSERT_TRUE(peer);
    EXPECT_EQ(findWindow("Peer one"), peerWindow);
    EXPECT_TRUE(isWindow(peerWindow));

    EXPECT_EQ(sendMessage(peerWindow, peer::kEcho, 7, -5), 16);
    EXPECT_EQ(sendMessage(peerWindow, peer::kEcho, 1ull << 40, 0), static_cast<LResult>(3ull << 40));

    ASSERT_TRUE(postMessage(peerWindow, peer::kPostBack, 42, window_->handle()));
    ASSERT_TRUE(runUntil([&] { return handler_.count(peer::kPostedBack) == 1; }));
    EXPECT_EQ(handler_.only(peer::kPostedBack)[0].wParam, 42u);
    EXPECT_EQ(handler_.only(peer::kPostedBack)[0].lParam, static_cast<LParam>(peerWindow));
}

TEST_F(CrossProcess, ManyPostsArriveInOrder)
{
    WindowHandle peerWindow = 0;
    auto peer = startPeer("Peer order", peerWindow);
    ASSERT_TRUE(peer);
    for (WParam i = 0; i < 150; ++i) ASSERT_TRUE(postMessage(peerWindow, peer::kPostBack, i, window_->handle()));
    ASSERT_TRUE(runUntil([&] { return handler_.count(peer::kPostedBack) == 150; }));
    const auto back = handler_.only(peer::kPostedBack);
    for (WParam i = 0; i < 150; ++i) EXPECT_EQ(back[i].wParam, i);
}

TEST_F(CrossProcess, WaitingSenderAnswersTheSendItCaused)
{
    WindowHandle peerWindow = 0;
    auto peer = startPeer("Peer back", peerWindow);
    ASSERT_TRUE(peer);
    // The peer sends kEcho to this window while this thread waits for the peer.
    EXPECT_EQ(sendMessage(peerWindow, peer::kSendBack, 4, window_->handle()), 41);
    EXPECT_EQ(handler_.count(peer::kEcho), 1u);
}

TEST_F(CrossProcess, CopyDataArrivesIntactAndIsAnsweredInKind)
{
    WindowHandle peerWindow = 0;
    auto peer = startPeer("Peer copy", peerWindow);
    ASSERT_TRUE(peer);
    std::vector<std::uint8_t> payload(300'000);
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>((i * 31) ^ (i >> 9));

    const LResult checksum = sendCopyData(peerWindow, window_->handle(), 0xDEADBEEF, payload.data(), payload.size());
    EXPECT_EQ(checksum, peer::payloadChecksum(payload.data(), payload.size()));
    // The peer's answer arrived while this thread waited.
    ASSERT_EQ(handler_.copies.size(), 1u);
    EXPECT_EQ(handler_.copies[0].sender, peerWindow);
    EXPECT_EQ(handler_.copies[0].dwData, 0xDEADBEF0u);
    std::reverse(payload.begin(), payload.end());
    EXPECT_EQ(handler_.copies[0].payload, payload);

    EXPECT_EQ(sendCopyData(peerWindow, window_->handle(), 1, nullptr, 0), peer::payloadChecksum(nullptr, 0));
    ASSERT_EQ(handler_.copies.size(), 2u);
    EXPECT_TRUE(handler_.copies[1].payload.empty());
}

TEST_F(CrossProcess, BroadcastReachesEveryWindowOfEveryProcess)
{
    WindowHandle first = 0, second = 0;
    auto peerA = startPeer("Peer A", first);
    auto peerB = startPeer("Peer B", second);
    ASSERT_TRUE(peerA && peerB);
    EXPECT_EQ(broadcastMessage(peer::kAnnounce, 0, window_->handle()), 3);
    ASSERT_TRUE(runUntil([&] { return handler_.count(peer::kAnnounceAck) == 2 && handler_.count(peer::kAnnounce) == 1; }));
    std::set<WindowHandle> answered;
    for (const auto& ack : handler_.only(peer::kAnnounceAck)) answered.insert(static_cast<WindowHandle>(ack.wParam));
    EXPECT_EQ(answered, (std::set<WindowHandle>{first, second}));
}

TEST_F(CrossProcess, SendToAPeerKilledDuringTheCallReturnsZeroPromptly)
{
    WindowHandle peerWindow = 0;
    auto peer = startPeer("Peer hang", peerWindow);
    ASSERT_TRUE(peer);
    std::atomic<std::chrono::steady_clock::time_point::rep> killedAt{0};
    std::thread killer([&] {
        if (peer->readLine() == std::optional<std::string>("hanging")) {
            killedAt = std::chrono::steady_clock::now().time_since_epoch().count();
            peer->kill();
        }
    });
    const LResult result = sendMessage(peerWindow, peer::kHang, 0, 0);
    const auto returnedAt = std::chrono::steady_clock::now();
    killer.join();
    ASSERT_NE(killedAt.load(), 0) << "the peer never started to hang";
    EXPECT_EQ(result, 0);
    const auto killed = std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(killedAt.load()));
    EXPECT_LT(returnedAt - killed, 5s);
    EXPECT_FALSE(isWindow(peerWindow));
}

TEST_F(CrossProcess, KilledPeerLeavesItsTitleFreeAndIsNotFound)
{
    WindowHandle killedWindow = 0;
    auto peer = startPeer("VANTRO Zuro Vell Lumic Noxa Edition OSD", killedWindow);
    ASSERT_TRUE(peer);
    peer->kill();

    EXPECT_EQ(findWindow("VANTRO Zuro Vell Lumic Noxa Edition OSD"), 0u);
    EXPECT_FALSE(isWindow(killedWindow));
    EXPECT_FALSE(postMessage(killedWindow, peer::kEcho, 0, 0));
    EXPECT_EQ(sendMessage(killedWindow, peer::kEcho, 1, 0), 0);
    // Its files are gone once it was found dead, so a broadcast counts only the living.
    const auto listed = windows::listWindowHandles(windows::windowsFolder());
    EXPECT_EQ(std::count(listed.begin(), listed.end(), killedWindow), 0);
    EXPECT_EQ(broadcastMessage(peer::kAnnounce, 0, 0), 1);

    RecordingHandler successor;
    auto again = MessageWindow::create("VANTRO Zuro Vell Lumic Noxa Edition OSD", successor);
    ASSERT_TRUE(again);
    EXPECT_NE(again->handle(), killedWindow);
    EXPECT_EQ(findWindow("VANTRO Zuro Vell Lumic Noxa Edition OSD"), again->handle());

    WindowHandle newPeer = 0;
    auto replacement = startPeer("Peer after kill", newPeer);
    ASSERT_TRUE(replacement);
    EXPECT_EQ(sendMessage(newPeer, peer::kEcho, 2, 0), 6);
}

TEST_F(CrossProcess, PeerThatEndsTakesItsWindowAlong)
{
    WindowHandle peerWindow = 0;
    auto peer = startPeer("Peer leaving", peerWindow);
    ASSERT_TRUE(peer);
    EXPECT_EQ(sendMessage(peerWindow, peer::kQuit, 0, 0), 1);
    EXPECT_EQ(peer->waitForExit(), 0);
    EXPECT_EQ(findWindow("Peer leaving"), 0u);
    const auto listed = windows::listWindowHandles(windows::windowsFolder());
    EXPECT_EQ(std::count(listed.begin(), listed.end(), peerWindow), 0);
}

std::vector<MessageId> numbersPrinted(PeerProcess& process)
{
    std::vector<MessageId> numbers;
    const auto line = process.readLine();
    if (!line) return numbers;
    std::istringstream in(*line);
    for (MessageId n; in >> n;) numbers.push_back(n);
    return numbers;
}

TEST_F(CrossProcess, RegisteredNamesAgreeBetweenProcessesRegisteringAtOnce)
{
    const std::vector<std::string> names = {"WM_PARLEY_ACTIVE_STATUS_FROM_PARLEY", "WM_PARLEY_ACTIVE_STATUS_TO_PARLEY",
                                            "WM_PARLEY_MONITOR_STATUS_CHANGE", "WM_PARLEY_MSG", "WM_HTML_GETOBJECT"};
    std::vector<std::string> forward = {"register"}, backward = {"register"};
    forward.insert(forward.end(), names.begin(), names.end());
    backward.insert(backward.end(), names.rbegin(), names.rend());
    auto first = PeerProcess::start(forward);
    auto second = PeerProcess::start(backward);
    ASSERT_TRUE(first && second);
    auto fromFirst = numbersPrinted(*first);
    auto fromSecond = numbersPrinted(*second);
    std::reverse(fromSecond.begin(), fromSecond.end());

    ASSERT_EQ(fromFirst.size(), names.size());
    EXPECT_EQ(fromFirst, fromSecond);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(registerWindowMessage(names[i]), fromFirst[i]) << names[i];
        EXPECT_GE(fromFirst[i], kFirstRegisteredMessage);
        EXPECT_LE(fromFirst[i], kLastRegisteredMessage);
    }
    EXPECT_EQ(std::set<MessageId>(fromFirst.begin(), fromFirst.end()).size(), names.size());
}

}  // namespace
