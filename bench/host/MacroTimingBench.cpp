// Macro timing through the monitor's MacroPlayer on the steady clock: each
// injected event's time against its schedule (the first event plus the sum of
// the pauses before it), as median, p99 and maximum error, and the drift of the
// last event. With a display the events also go through the X injector (XTest),
// so the time includes the injection itself; without one only the clock counts.
// Each run plays on a thread of its own, set up as chosen: as an ordinary
// thread, with the least timer slack only, or as the monitor's macro player
// sets itself up (timer slack and real-time priority where granted).

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "monitor/host/MacroPlayer.h"
#include "platform/threads/ThreadTiming.h"

namespace {

using Clock = std::chrono::steady_clock;

// Stamps every key event, after handing it to the real injector when there is one.
class StampingInjector final : public platform::InputInjector {
public:
    explicit StampingInjector(std::unique_ptr<platform::InputInjector> inner) : inner_(std::move(inner)) {}

    bool sendKey(std::uint8_t virtualKey, std::uint16_t scanCode, platform::KeyAction action) override
    {
        const bool sent = inner_ ? inner_->sendKey(virtualKey, scanCode, action) : true;
        stamps.push_back(Clock::now());
        return sent;
    }
    bool sendUsageKey(std::uint8_t usage, std::uint8_t virtualKey, platform::KeyAction action) override
    {
        const bool sent = inner_ ? inner_->sendUsageKey(usage, virtualKey, action) : true;
        stamps.push_back(Clock::now());
        return sent;
    }
    bool sendButton(platform::MouseButton, platform::KeyAction) override { return false; }
    bool scrollHorizontally(int) override { return false; }
    bool setCursorPosition(platform::ScreenPoint) override { return false; }
    bool cursorPosition(platform::ScreenPoint&) override { return false; }
    bool buttonsSwapped() override { return false; }
    std::uint8_t virtualKeyOfScanCode(std::uint16_t scanCode) override
    {
        return inner_ ? inner_->virtualKeyOfScanCode(scanCode) : static_cast<std::uint8_t>(scanCode);
    }
    std::uint16_t scanCodeOfVirtualKey(std::uint8_t virtualKey) override
    {
        return inner_ ? inner_->scanCodeOfVirtualKey(virtualKey) : virtualKey;
    }

    platform::InjectionMethod method() const override
    {
        return inner_ ? inner_->method() : platform::InjectionMethod::XTest;
    }

    std::vector<Clock::time_point> stamps;

private:
    std::unique_ptr<platform::InputInjector> inner_;
};

std::unique_ptr<platform::InputInjector> realInjector()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display ? platform::openXTestInjector() : nullptr;
}

// Presses and releases of the keys a-z in turn, every pause `delayMs`.
std::vector<settings::MacroEvent> typingMacro(int events, std::uint16_t delayMs)
{
    events = std::min(events, settings::kMaxMacroEvents);
    std::vector<settings::MacroEvent> macro;
    for (int i = 0; i < events; ++i)
        macro.push_back({static_cast<std::uint8_t>(4 + (i / 2) % 26),
                         i % 2 == 0 ? settings::kMacroActionPress : settings::kMacroActionRelease, delayMs});
    return macro;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()));
    return values[index];
}

enum class ThreadSetup { Ordinary = 0, TimerSlack = 1, MacroPlayer = 2 };

// What the player thread got, as counters: 1 when granted.
struct Granted {
    bool timerSlack = false;
    int priority = 0;
};

Granted setUpThread(ThreadSetup setup)
{
    switch (setup) {
    case ThreadSetup::Ordinary: return {};
    case ThreadSetup::TimerSlack: return {platform::setMinimalTimerSlack(), 0};
    case ThreadSetup::MacroPlayer: {
        const platform::ThreadTimingGrant grant = platform::makeThreadTimingCritical(5);
        return {grant.minimalTimerSlack, grant.priority};
    }
    }
    return {};
}

void playMacro(benchmark::State& state, int events, std::uint16_t delayMs)
{
    const auto setup = static_cast<ThreadSetup>(state.range(0));
    const std::vector<settings::MacroEvent> macro = typingMacro(events, delayMs);
    std::vector<double> errorsUs;
    double driftUs = 0;
    Granted granted;
    for (auto _ : state) {
        StampingInjector injector(realInjector());
        // The X connection opens at first use: not part of the schedule.
        injector.scanCodeOfVirtualKey('A');
        monitor::host::SteadyClock clock;
        monitor::host::MacroPlayerState playerState;
        std::copy(macro.begin(), macro.end(), playerState.events.begin());
        playerState.eventCount = static_cast<int>(macro.size());
        playerState.loopCount = 1;
        playerState.busy = true;
        monitor::host::MacroPlayer player(playerState, injector, clock);
        std::thread([&] {
            granted = setUpThread(setup);
            player.play();
        }).join();
        if (injector.stamps.size() != macro.size()) {
            state.SkipWithError("the player did not inject every event");
            return;
        }
        const Clock::time_point start = injector.stamps.front();
        std::chrono::milliseconds scheduled{0};
        for (std::size_t i = 0; i < macro.size(); ++i) {
            const double error = std::chrono::duration<double, std::micro>(injector.stamps[i] - (start + scheduled)).count();
            errorsUs.push_back(std::abs(error));
            driftUs = error;
            scheduled += std::chrono::milliseconds(macro[i].DelayMs);
        }
    }
    state.counters["err_median_us"] = percentile(errorsUs, 0.5);
    state.counters["err_p99_us"] = percentile(errorsUs, 0.99);
    state.counters["err_max_us"] = percentile(errorsUs, 1.0);
    state.counters["end_drift_us"] = driftUs;
    state.counters["events"] = static_cast<double>(macro.size());
    state.counters["slack_min"] = granted.timerSlack ? 1 : 0;
    state.counters["rt_priority"] = granted.priority;
}

void BM_Macro200EventsOf5Ms(benchmark::State& state)
{
    playMacro(state, 200, 5);
}
BENCHMARK(BM_Macro200EventsOf5Ms)->ArgName("setup")->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5);

// The longest macro, 500 events of 20 ms: 10 s, no key held long enough to repeat.
void BM_Macro10Seconds(benchmark::State& state)
{
    playMacro(state, settings::kMaxMacroEvents, 20);
}
BENCHMARK(BM_Macro10Seconds)->ArgName("setup")->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
