// Window timers: WM_TIMER with the timer's id, restarted by setting it again and
// stopped by killing it.

#include <gtest/gtest.h>

#include "platform/windows/MessageWindow.h"
#include "tests/platform/windows/WindowTestSupport.h"

namespace {

using namespace platform;
using windowtest::RecordingHandler;
using windowtest::WindowTest;

using WindowTimer = WindowTest;

TEST_F(WindowTimer, FiresRepeatedlyWithItsId)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("Ticking", handler);
    ASSERT_TRUE(window);
    window->setTimer(502, 10);
    ASSERT_TRUE(runUntil([&] { return handler.count(WM_TIMER) >= 3; }));
    for (const auto& tick : handler.only(WM_TIMER)) {
        EXPECT_EQ(tick.wParam, 502u);
        EXPECT_EQ(tick.lParam, 0);
    }
}

TEST_F(WindowTimer, SettingAgainReplacesTheInterval)
{
    RecordingHandler handler;
    auto window = MessageWindow::create("Replaced", handler);
    ASSERT_TRUE(window);
    window->setTimer(7, 600'000);
    window->setTimer(7, 10);
    EXPECT_TRUE(runUntil([&] { return handler.count(WM_TIMER) >= 2; }));
}

TEST_F(WindowTimer, SettingAgainRestartsTheCountdown)
{
    RecordingHandler handler;
    std::unique_ptr<MessageWindow> window;
    // Timer 4 keeps pushing timer 3 back, so timer 3 never comes due.
    handler.reply = [&](MessageId message, WParam id, LParam) -> LResult {
        if (message == WM_TIMER && id == 4) window->setTimer(3, 5000);
        return 0;
    };
    window = MessageWindow::create("Restarted", handler);
    ASSERT_TRUE(window);
    window->setTimer(3, 5000);
    window->setTimer(4, 20);
    const auto ticksOf = [&](WParam id) {
        std::size_t n = 0;
        for (const auto& tick : handler.only(WM_TIMER)) n += tick.wParam == id;
        return n;
    };
    ASSERT_TRUE(runUntil([&] { return ticksOf(4) >= 25; }));
    EXPECT_EQ(ticksOf(3), 0u);
}

TEST_F(WindowTimer, KilledTimerStopsWhileOthersGoOn)
{
    RecordingHandler handler;
    std::unique_ptr<MessageWindow> window;
    // Timer 1 kills itself on its third tick and starts timer 2 instead.
    handler.reply = [&](MessageId message, WParam id, LParam) -> LResult {
        if (message == WM_TIMER && id == 1 && handler.count(WM_TIMER) == 3) {
            window->killTimer(1);
            window->setTimer(2, 30);
        }
        return 0;
    };
    window = MessageWindow::create("Killed", handler);
    ASSERT_TRUE(window);
    window->setTimer(1, 10);
    const auto ticksOf = [&](WParam id) {
        std::size_t n = 0;
        for (const auto& tick : handler.only(WM_TIMER)) n += tick.wParam == id;
        return n;
    };
    // Five ticks of timer 2 span many intervals of timer 1.
    ASSERT_TRUE(runUntil([&] { return ticksOf(2) >= 5; }));
    EXPECT_EQ(ticksOf(1), 3u);
}

TEST_F(WindowTimer, TimersBelongToTheirWindow)
{
    RecordingHandler gone, staying;
    auto doomed = MessageWindow::create("Doomed", gone);
    auto survivor = MessageWindow::create("Survivor", staying);
    ASSERT_TRUE(doomed && survivor);
    doomed->setTimer(9, 10);
    survivor->setTimer(9, 10);
    doomed->killTimer(9);  // the same id on another window is not touched
    survivor->killTimer(8);  // an id never set is no error
    doomed->setTimer(9, 10);
    doomed.reset();
    ASSERT_TRUE(runUntil([&] { return staying.count(WM_TIMER) >= 5; }));
    EXPECT_EQ(gone.count(WM_TIMER), 0u);
}

}  // namespace
