// Whatever another process writes to a window's socket, the window goes on: bad
// frames cost only their own connection, and silent or unfinished connections
// hold nothing up.

#include <atomic>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "platform/windows/Frame.h"
#include "platform/windows/MessageWindow.h"
#include "platform/windows/WindowFiles.h"
#include "tests/platform/windows/WindowTestSupport.h"

namespace {

using namespace platform;
using namespace platform::windows;
using windowtest::RecordingHandler;

constexpr MessageId kPing = WM_USER + 1;
constexpr std::size_t kKindOffset = 6;
constexpr std::size_t kTargetOffset = 12;
constexpr std::size_t kPayloadLengthOffset = 28;

class RawConnection {
public:
    explicit RawConnection(WindowHandle window)
    {
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const std::string path = socketPath(windowsFolder(), window);
        std::memcpy(address.sun_path, path.c_str(), path.size());
        connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawConnection() { close(fd_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool connected() const { return connected_; }
    bool write(const std::vector<std::uint8_t>& bytes) const
    {
        return send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
    }
    // True when the window closed its end within the limit (unread data makes the
    // close a reset).
    bool closedByWindow() const
    {
        for (;;) {
            pollfd fd{fd_, POLLIN, 0};
            if (poll(&fd, 1, 5000) != 1) return false;
            std::uint8_t buffer[256];
            const ssize_t n = recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n == 0 || (n < 0 && errno == ECONNRESET)) return true;
            if (n < 0) return false;
        }
    }

private:
    int fd_ = -1;
    bool connected_ = false;
};

Frame pingTo(WindowHandle window, FrameKind kind = FrameKind::Post)
{
    Frame frame;
    frame.kind = kind;
    frame.target = window;
    frame.message = kPing;
    frame.wParam = 0x0102030405060708ull;
    frame.lParam = -9;
    return frame;
}

void putLittle32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

class WindowSocket : public windowtest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        handler_.reply = [](MessageId m, WParam w, LParam) { return m == kPing ? static_cast<LResult>(w + 1) : 0; };
        window_ = MessageWindow::create("Target", handler_);
        ASSERT_TRUE(window_);
    }

    // A send from another thread is answered while the window's thread runs.
    void expectWindowStillAnswers()
    {
        const WindowHandle handle = window_->handle();
        std::atomic<LResult> result{0};
        std::atomic<bool> done{false};
        std::thread sender([&] {
            result = sendMessage(handle, kPing, 41, 0);
            done = true;
            windowtest::wakeMainLoop();
        });
        const bool answered = runUntil([&] { return done.load(); });
        sender.join();
        EXPECT_TRUE(answered);
        EXPECT_EQ(result, 42);
    }

    RecordingHandler handler_;
    std::unique_ptr<MessageWindow> window_;
};

TEST_F(WindowSocket, WellFormedFramesFromAnyWriterArrive)
{
    RawConnection raw(window_->handle());
    ASSERT_TRUE(raw.connected());
    ASSERT_TRUE(raw.write(encodeFrame(pingTo(window_->handle()))));
    ASSERT_TRUE(runUntil([&] { return handler_.count(kPing) == 1; }));
    EXPECT_EQ(handler_.messages[0].wParam, 0x0102030405060708ull);
    EXPECT_EQ(handler_.messages[0].lParam, -9);
}

TEST_F(WindowSocket, MalformedFramesCloseOnlyTheirConnection)
{
    const WindowHandle target = window_->handle();
    std::vector<std::vector<std::uint8_t>> bad;
    bad.push_back(std::vector<std::uint8_t>(kFrameHeaderSize, 0xEE));  // garbage
    auto badMagic = encodeFrame(pingTo(target));
    badMagic[0] = 'X';
    bad.push_back(badMagic);
    bad.push_back(encodeFrame(pingTo(target, FrameKind::Reply)));  // only senders get replies
    bad.push_back(encodeFrame(pingTo(target + 1)));  // addressed to another window
    auto unknownKind = encodeFrame(pingTo(target));
    unknownKind[kKindOffset] = 9;
    bad.push_back(unknownKind);
    Frame copy = pingTo(target, FrameKind::CopyData);
    copy.payload = {1, 2, 3, 4};
    auto postWithPayload = encodeFrame(copy);
    postWithPayload[kKindOffset] = static_cast<std::uint8_t>(FrameKind::Post);
    bad.push_back(postWithPayload);
    auto hugePayload = encodeFrame(pingTo(target, FrameKind::CopyData));
    putLittle32(hugePayload, kPayloadLengthOffset, 0x7FFFFFFF);
    bad.push_back(hugePayload);
    auto zeroTarget = encodeFrame(pingTo(target));
    putLittle32(zeroTarget, kTargetOffset, 0);
    bad.push_back(zeroTarget);

    std::vector<std::unique_ptr<RawConnection>> connections;
    for (const auto& bytes : bad) {
        connections.push_back(std::make_unique<RawConnection>(target));
        ASSERT_TRUE(connections.back()->connected());
        ASSERT_TRUE(connections.back()->write(bytes));
    }
    expectWindowStillAnswers();
    for (std::size_t i = 0; i < connections.size(); ++i)
        EXPECT_TRUE(connections[i]->closedByWindow()) << "bad frame " << i;
    EXPECT_EQ(handler_.count(kPing), 1u);  // only the real send
}

TEST_F(WindowSocket, GoodFrameBeforeGarbageIsStillDelivered)
{
    RawConnection raw(window_->handle());
    auto bytes = encodeFrame(pingTo(window_->handle()));
    bytes.resize(bytes.size() + 2 * kFrameHeaderSize, 0x00);
    ASSERT_TRUE(raw.write(bytes));
    EXPECT_TRUE(raw.closedByWindow());
    ASSERT_TRUE(runUntil([&] { return handler_.count(kPing) == 1; }));
    expectWindowStillAnswers();
}

TEST_F(WindowSocket, SilentAndUnfinishedConnectionsHoldNothingUp)
{
    RawConnection silent(window_->handle());
    RawConnection partialHeader(window_->handle());
    RawConnection partialPayload(window_->handle());
    ASSERT_TRUE(silent.connected() && partialHeader.connected() && partialPayload.connected());
    ASSERT_TRUE(partialHeader.write({'h', 'e', 'l', 'l', 'o'}));
    Frame copy = pingTo(window_->handle(), FrameKind::CopyData);
    copy.payload.assign(1000, 7);
    auto bytes = encodeFrame(copy);
    bytes.resize(kFrameHeaderSize + 10);
    ASSERT_TRUE(partialPayload.write(bytes));
    expectWindowStillAnswers();
    expectWindowStillAnswers();
    EXPECT_TRUE(handler_.copies.empty());
}

TEST_F(WindowSocket, SenderThatNeverReadsTheAnswerDoesNotBlockTheWindow)
{
    std::vector<std::unique_ptr<RawConnection>> rude;
    for (int i = 0; i < 20; ++i) {
        rude.push_back(std::make_unique<RawConnection>(window_->handle()));
        ASSERT_TRUE(rude.back()->write(encodeFrame(pingTo(window_->handle(), FrameKind::Send))));
        ASSERT_TRUE(rude.back()->write(encodeFrame(pingTo(window_->handle(), FrameKind::Send))));
    }
    expectWindowStillAnswers();
    // Every one of them was answered, the unread replies notwithstanding.
    EXPECT_TRUE(runUntil([&] { return handler_.count(kPing) == 41; }));
}

TEST_F(WindowSocket, DestroyedWindowClosesItsConnections)
{
    const WindowHandle handle = window_->handle();
    RawConnection raw(handle);
    ASSERT_TRUE(raw.connected());
    window_.reset();
    EXPECT_TRUE(raw.closedByWindow());
    RawConnection late(handle);
    EXPECT_FALSE(late.connected());
}

}  // namespace
