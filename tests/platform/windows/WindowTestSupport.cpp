#include "tests/platform/windows/WindowTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/windows/EventLoop.h"

namespace windowtest {

LResult RecordingHandler::onMessage(MessageId message, WParam wParam, LParam lParam)
{
    messages.push_back({message, wParam, lParam, std::this_thread::get_id()});
    return reply ? reply(message, wParam, lParam) : 0;
}

LResult RecordingHandler::onCopyData(WindowHandle sender, std::uint32_t dwData, const std::uint8_t* data,
                                     std::size_t size)
{
    copies.push_back({sender, dwData, std::vector<std::uint8_t>(data, data + size)});
    return static_cast<LResult>(size);
}

std::size_t RecordingHandler::count(MessageId message) const
{
    return only(message).size();
}

std::vector<Received> RecordingHandler::only(MessageId message) const
{
    std::vector<Received> matching;
    std::copy_if(messages.begin(), messages.end(), std::back_inserter(matching),
                 [message](const Received& r) { return r.message == message; });
    return matching;
}

void wakeMainLoop()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
}

void WindowTest::SetUp()
{
    static int argc = 1;
    static char name[] = "platform_windows_test";
    static char* argv[] = {name, nullptr};
    platform::ensureEventLoopApplication(argc, argv);

    char pattern[] = "/tmp/zuro-windows-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) {
        hadRuntimeDir_ = true;
        savedRuntimeDir_ = old;
    }
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
}

void WindowTest::TearDown()
{
    if (hadRuntimeDir_) setenv("XDG_RUNTIME_DIR", savedRuntimeDir_.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

bool WindowTest::runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        // Returns as soon as events were handled, so `done` is checked after each batch.
        platform::processEvents(static_cast<int>(left.count()));
    }
    return true;
}

}  // namespace windowtest
