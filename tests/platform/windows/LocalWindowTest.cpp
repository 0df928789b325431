// Windows within one process: finding them, posting and sending on one thread and
// across threads, and what happens to handles that name no window.

#include <atomic>
#include <future>
#include <set>
#include <sys/stat.h>
#include <thread>

#include <gtest/gtest.h>

#include "platform/windows/EventLoop.h"
#include "platform/windows/MessageWindow.h"
#include "tests/platform/windows/WindowTestSupport.h"

namespace {

using namespace platform;
using windowtest::RecordingHandler;
using windowtest::WindowTest;

constexpr MessageId kPing = WM_USER + 1;
constexpr MessageId kDone = WM_USER + 2;
constexpr WindowHandle kUnknownWindow = 0x7ABCDEF1;

using LocalWindow = WindowTest;

TEST_F(LocalWindow, IsFoundByItsExactTitleOnly)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("VANTRO Zuro Vell Lumic Noxa Edition Monitor", handler);
    ASSERT_TRUE(window);
    EXPECT_NE(window->handle(), 0u);
    EXPECT_EQ(window->title(), "VANTRO Zuro Vell Lumic Noxa Edition Monitor");
    EXPECT_EQ(findWindow("VANTRO Zuro Vell Lumic Noxa Edition Monitor"), window->handle());
    EXPECT_EQ(findWindow("vantro zuro vell lumic noxa edition monitor"), 0u);
    EXPECT_EQ(findWindow("VANTRO Zuro Vell Lumic Noxa Edition"), 0u);
    EXPECT_EQ(findWindow("VANTRO Zuro Vell Lumic Noxa Edition Monitor "), 0u);
    EXPECT_TRUE(isWindow(window->handle()));
}

TEST_F(LocalWindow, TitlesOfAnyLengthAndCharacterWork)
{
    RecordingHandler handler;
    const std::string longTitle = "../" + std::string(3000, 'x') + "/\n\xC3\xA9";
    auto window = MessageWindow::create(longTitle, handler);
    ASSERT_TRUE(window);
    EXPECT_EQ(findWindow(longTitle), window->handle());
    EXPECT_EQ(findWindow(longTitle.substr(0, longTitle.size() - 1)), 0u);
}

TEST_F(LocalWindow, DestroyedWindowIsNeitherFoundNorReached)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("Short-lived", handler);
    ASSERT_TRUE(window);
    const WindowHandle handle = window->handle();
    window.reset();
    EXPECT_EQ(findWindow("Short-lived"), 0u);
    EXPECT_FALSE(isWindow(handle));
    EXPECT_FALSE(postMessage(handle, kPing, 0, 0));
    EXPECT_EQ(sendMessage(handle, kPing, 0, 0), 0);
}

TEST_F(LocalWindow, HandlesAreDistinctAndSharedTitlesStayFindable)
{
    RecordingHandler first, second, other;
    auto a = MessageWindow::create("Shared", first);
    auto b = MessageWindow::create("Shared", second);
    auto c = MessageWindow::create("Other", other);
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ((std::set<WindowHandle>{a->handle(), b->handle(), c->handle()}).size(), 3u);

    const WindowHandle found = findWindow("Shared");
    EXPECT_TRUE(found == a->handle() || found == b->handle());
    const WindowHandle remaining = found == a->handle() ? b->handle() : a->handle();
    (found == a->handle() ? a : b).reset();
    EXPECT_EQ(findWindow("Shared"), remaining);
}

TEST_F(LocalWindow, HandleZeroAndUnknownHandlesFailAtOnce)
{
    const std::uint8_t byte = 1;
    EXPECT_FALSE(isWindow(0));
    EXPECT_FALSE(postMessage(0, kPing, 0, 0));
    EXPECT_EQ(sendMessage(0, kPing, 0, 0), 0);
    EXPECT_EQ(sendCopyData(0, 0, 0, &byte, 1), 0);
    EXPECT_FALSE(isWindow(kUnknownWindow));
    EXPECT_FALSE(postMessage(kUnknownWindow, kPing, 0, 0));
    EXPECT_EQ(sendMessage(kUnknownWindow, kPing, 0, 0), 0);
    EXPECT_EQ(sendCopyData(kUnknownWindow, 0, 0, &byte, 1), 0);
}

TEST_F(LocalWindow, NothingIsCreatedWithoutAUsableRuntimeFolder)
{
    ASSERT_EQ(mkdir((runtimeFolder() + "/zuronoxa").c_str(), 0700), 0);
    chmod((runtimeFolder() + "/zuronoxa").c_str(), 0777);
    RecordingHandler handler;
    EXPECT_EQ(MessageWindow::create("Nowhere", handler), nullptr);
    EXPECT_EQ(findWindow("Nowhere"), 0u);
    EXPECT_EQ(broadcastMessage(kPing, 0, 0), 0);
}

TEST_F(LocalWindow, SendOnTheOwnThreadRunsTheHandlerBeforeReturning)
{
    RecordingHandler handler;
    handler.reply = [](MessageId, WParam w, LParam l) { return static_cast<LResult>(w) - l; };
    auto window = MessageWindow::create("Direct", handler);
    ASSERT_TRUE(window);
    EXPECT_EQ(sendMessage(window->handle(), kPing, 10, 52), -42);
    ASSERT_EQ(handler.messages.size(), 1u);
    EXPECT_EQ(handler.messages[0].message, kPing);

    const std::uint8_t bytes[] = {1, 2, 3};
    EXPECT_EQ(sendCopyData(window->handle(), 77, 9, bytes, sizeof bytes), 3);
    ASSERT_EQ(handler.copies.size(), 1u);
    EXPECT_EQ(handler.copies[0].sender, 77u);
    EXPECT_EQ(handler.copies[0].dwData, 9u);
    EXPECT_EQ(handler.copies[0].payload, std::vector<std::uint8_t>(bytes, bytes + 3));
}

TEST_F(LocalWindow, PostsWaitForTheEventLoopAndArriveInOrder)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("Queue", handler);
    ASSERT_TRUE(window);
    for (WParam i = 0; i < 100; ++i) ASSERT_TRUE(postMessage(window->handle(), kPing, i, -static_cast<LParam>(i)));
    EXPECT_TRUE(handler.messages.empty());
    ASSERT_TRUE(runUntil([&] { return handler.messages.size() == 100; }));
    for (WParam i = 0; i < 100; ++i) {
        EXPECT_EQ(handler.messages[i].wParam, i);
        EXPECT_EQ(handler.messages[i].lParam, -static_cast<LParam>(i));
    }
}

TEST_F(LocalWindow, PostFromAnotherThreadIsHandledOnTheWindowThread)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("Threads", handler);
    ASSERT_TRUE(window);
    const WindowHandle handle = window->handle();
    std::atomic<bool> posted{false};
    std::thread poster([&] { posted = postMessage(handle, kPing, 5, 6); });
    poster.join();
    EXPECT_TRUE(posted);
    ASSERT_TRUE(runUntil([&] { return handler.count(kPing) == 1; }));
    EXPECT_EQ(handler.messages[0].thread, std::this_thread::get_id());
    EXPECT_EQ(handler.messages[0].wParam, 5u);
}

TEST_F(LocalWindow, SendFromAnotherThreadWaitsForTheWindowThread)
{
    RecordingHandler handler;
    handler.reply = [](MessageId m, WParam w, LParam) { return m == kPing ? static_cast<LResult>(w * 2) : 0; };
    auto window = MessageWindow::create("Waited", handler);
    ASSERT_TRUE(window);
    const WindowHandle handle = window->handle();
    std::atomic<LResult> result{-1};
    std::vector<std::uint8_t> payload(100'000);
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i % 251);
    std::atomic<LResult> copied{-1};
    std::thread sender([&] {
        result = sendMessage(handle, kPing, 21, 0);
        copied = sendCopyData(handle, 99, 0xCAFE, payload.data(), payload.size());
        postMessage(handle, kDone, 0, 0);
    });
    const bool finished = runUntil([&] { return handler.count(kDone) == 1; });
    sender.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(copied, static_cast<LResult>(payload.size()));
    EXPECT_EQ(handler.only(kPing).at(0).thread, std::this_thread::get_id());
    ASSERT_EQ(handler.copies.size(), 1u);
    EXPECT_EQ(handler.copies[0].payload, payload);
    EXPECT_EQ(handler.copies[0].dwData, 0xCAFEu);
}

// The window thread sends to a window of a second thread whose handler sends back:
// the first thread must answer while it waits.
TEST_F(LocalWindow, ThreadsSendingToEachOtherDoNotDeadlock)
{
    RecordingHandler mainHandler;
    mainHandler.reply = [](MessageId, WParam w, LParam) { return static_cast<LResult>(w + 1000); };
    auto mainWindow = MessageWindow::create("Main side", mainHandler);
    ASSERT_TRUE(mainWindow);
    const WindowHandle mainHandle = mainWindow->handle();

    std::promise<WindowHandle> workerReady;
    std::thread worker([&] {
        struct Forwarder : MessageHandler {
            WindowHandle back = 0;
            LResult onMessage(MessageId message, WParam wParam, LParam) override
            {
                if (message == WM_CLOSE) {
                    quitEventLoop(0);
                    return 0;
                }
                return sendMessage(back, kPing, wParam, 0) + 1;
            }
        } forwarder;
        forwarder.back = mainHandle;
        auto window = MessageWindow::create("Worker side", forwarder);
        workerReady.set_value(window ? window->handle() : 0);
        if (window) runEventLoop();
    });
    auto ready = workerReady.get_future();
    ASSERT_EQ(ready.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    const WindowHandle workerHandle = ready.get();
    ASSERT_NE(workerHandle, 0u);

    EXPECT_EQ(sendMessage(workerHandle, kPing, 7, 0), 1008);
    EXPECT_TRUE(postMessage(workerHandle, WM_CLOSE, 0, 0));
    worker.join();
    EXPECT_EQ(mainHandler.count(kPing), 1u);
}

TEST_F(LocalWindow, WindowDestroyedByItsOwnHandlerStillAnswersTheSend)
{
    RecordingHandler handler;
    std::unique_ptr<MessageWindow> window;
    handler.reply = [&](MessageId m, WParam, LParam) -> LResult {
        if (m != WM_CLOSE) return 0;
        window.reset();
        return 55;
    };
    window = MessageWindow::create("Self-destroying", handler);
    ASSERT_TRUE(window);
    const WindowHandle handle = window->handle();
    std::atomic<LResult> result{-1};
    std::atomic<bool> done{false};
    std::thread sender([&] {
        result = sendMessage(handle, WM_CLOSE, 0, 0);
        done = true;
        windowtest::wakeMainLoop();
    });
    const bool finished = runUntil([&] { return done.load(); });
    sender.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(result, 55);
    EXPECT_FALSE(isWindow(handle));
    EXPECT_EQ(findWindow("Self-destroying"), 0u);
}

TEST_F(LocalWindow, BroadcastReachesEveryWindowAndCountsThem)
{
    RecordingHandler first, second;
    auto a = MessageWindow::create("First", first);
    auto b = MessageWindow::create("Second", second);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(broadcastMessage(kPing, 11, 12), 2);
    ASSERT_TRUE(runUntil([&] { return first.count(kPing) == 1 && second.count(kPing) == 1; }));
    EXPECT_EQ(second.messages[0].wParam, 11u);
    EXPECT_EQ(second.messages[0].lParam, 12);
}

TEST_F(LocalWindow, ActivateAsksForRestoreThenActivation)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("Option", handler);
    ASSERT_TRUE(window);
    ASSERT_TRUE(activateWindow(window->handle()));
    ASSERT_TRUE(runUntil([&] { return handler.messages.size() == 2; }));
    EXPECT_EQ(handler.messages[0].message, WM_SYSCOMMAND);
    EXPECT_EQ(handler.messages[0].wParam, SC_RESTORE);
    EXPECT_EQ(handler.messages[1].message, WM_ACTIVATE);
    EXPECT_EQ(handler.messages[1].wParam, WA_ACTIVE);
    EXPECT_FALSE(activateWindow(kUnknownWindow));
}

}  // namespace
