// Latency from the simulated mouse's button press to the first key the X
// server sees: the simulator's event report, the bridge, the monitor's window,
// the dispatcher and the macro player's thread, then XTest. Needs an X display
// with XInput2 (run under xvfb-run). Measured for a macro button from an idle
// mouse (each press 50 ms after the last key: a press while the macro still
// plays would stop it), and for a shortcut button pressed in quick succession
// (the next press as soon as the last key is up, close behind the reports of
// the release).

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include <X11/keysym.h>
#include <benchmark/benchmark.h>

#include "ApplyButtons.h"
#include "MonitorRig.h"
#include "RawKeyObserver.h"

namespace {

using namespace std::chrono_literals;

constexpr int kButton = 3;
constexpr std::uint8_t kUsageA = 4;

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()))];
}

void BM_ButtonToFirstKey(benchmark::State& state)
{
    std::unique_ptr<e2e::RawKeyObserver> observer = e2e::RawKeyObserver::open();
    if (!observer) {
        state.SkipWithError("needs an X display with XInput2");
        return;
    }
    e2e::MonitorRig rig;
    std::unique_ptr<e2e::ChildProcess> monitor;
    const bool shortcut = state.range(0) != 0;
    if (!rig.startMouse() || !(monitor = rig.startMonitor()) || !rig.waitForStartupRead() ||
        !e2e::applyToMonitor(rig.tree(), [shortcut](settings::SettingsBlock& block) {
            if (shortcut)
                e2e::assignShortcut(block, kButton, kUsageA);
            else
                e2e::assignMacro(block, kButton, {{kUsageA, settings::kMacroActionPress, 1},
                                                  {kUsageA, settings::kMacroActionRelease, 1}});
        })) {
        state.SkipWithError("the mouse and the monitor did not start");
        return;
    }
    const unsigned a = observer->keycodeOf(XK_a);
    std::vector<double> latenciesUs;
    for (auto _ : state) {
        const std::size_t before = observer->events().size();
        const auto pressed = std::chrono::steady_clock::now();
        if (!rig.mouseCommand("press " + std::to_string(kButton)) ||
            !observer->waitUntil([&](const std::vector<e2e::RawKey>& events) { return events.size() > before; }, 5s)) {
            state.SkipWithError("no key arrived");
            return;
        }
        const e2e::RawKey first = observer->events()[before];
        latenciesUs.push_back(std::chrono::duration<double, std::micro>(first.arrived - pressed).count());
        // The macro's own release, or the shortcut's on the button's release.
        rig.mouseCommand("release " + std::to_string(kButton));
        observer->waitUntil(
            [&](const std::vector<e2e::RawKey>& events) {
                return events.size() > before + 1 && events.back().keycode == a && !events.back().press;
            },
            5s);
        // A press makes two reports (the button and its click count) and a release
        // one; with an idle time the bridge has read them all before the next press.
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(1)));
    }
    state.counters["latency_median_us"] = percentile(latenciesUs, 0.5);
    state.counters["latency_p99_us"] = percentile(latenciesUs, 0.99);
}
// Arguments: a shortcut (1) or a macro (0) on the button, and the idle time in
// milliseconds between the last key and the next press.
BENCHMARK(BM_ButtonToFirstKey)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100)
    ->ArgNames({"shortcut", "idle_ms"})
    ->Args({0, 50})
    ->Args({1, 0});

}  // namespace

BENCHMARK_MAIN();
