// The bridge's reader under load: for ten seconds the simulated mouse sends,
// every 20 ms, a button press (its report and the click count's), the release
// and two statistics events, 250 reports a second. Counts what the mouse sent
// (its report log), what the bridge read (the monitor's debug output) and what
// the monitor counted (the section's statistics): target, zero reports lost.
// The button stops a countdown, which reports press and release to the host and
// does nothing while none runs. Needs no display.

#include <chrono>
#include <thread>

#include <benchmark/benchmark.h>

#include "ApplyButtons.h"
#include "MonitorRig.h"
#include "settings/FunctionCodes.h"

namespace {

using namespace std::chrono_literals;

constexpr int kButton = 3;
constexpr auto kPeriod = 20ms;
constexpr int kRounds = 500;
constexpr char kReportRead[] = "InputReportBuffer:3,";

void BM_PressReleaseAndStatisticsEvery20ms(benchmark::State& state)
{
    e2e::MonitorRig rig;
    std::unique_ptr<e2e::ChildProcess> monitor;
    if (!rig.startMouse() || !(monitor = rig.startMonitor()) || !rig.waitForStartupRead() ||
        !e2e::applyToMonitor(rig.tree(), [](settings::SettingsBlock& block) {
            block.Profiles[block.CurrentProfile].MacroKeyInfo[kButton].FunctionCode = settings::kFunctionStopTimer;
            block.ButtonChangedFlags[block.CurrentProfile * settings::kButtonSlotCount + kButton] = 1;
        })) {
        state.SkipWithError("the mouse and the monitor did not start");
        return;
    }
    const std::size_t sentBefore = e2e::countStartingWith(rig.log().entries(), 0, "IN");
    const std::size_t readBefore = monitor->countLines(kReportRead);
    const std::string commands[] = {"press " + std::to_string(kButton), "release " + std::to_string(kButton),
                                    "event 0xE1 1", "event 0xE2 1"};
    int rounds = 0;
    for (auto _ : state) {
        auto next = std::chrono::steady_clock::now();
        for (rounds = 0; rounds < kRounds; ++rounds) {
            for (const std::string& command : commands) {
                if (!rig.mouseCommand(command)) {
                    state.SkipWithError("the mouse refused a command");
                    return;
                }
            }
            // The monitor's output pipe must not fill while it reports each read.
            if (rounds % 25 == 0)
                monitor->lines();
            next += kPeriod;
            std::this_thread::sleep_until(next);
        }
    }
    // What is still queued is read within a few cycles.
    std::this_thread::sleep_for(1s);
    const std::size_t sent = e2e::countStartingWith(rig.log().entries(), 0, "IN") - sentBefore;
    const std::size_t read = monitor->countLines(kReportRead) - readBefore;
    const std::vector<long> counters = rig.counters();
    // The two events and the button's click (counter 3).
    const long counted = counters.size() > 3 ? counters[0] + counters[1] + counters[kButton] : 0;
    state.counters["reports_sent"] = static_cast<double>(sent);
    state.counters["reports_read"] = static_cast<double>(read);
    state.counters["reports_lost"] = static_cast<double>(sent > read ? sent - read : 0);
    state.counters["statistics_sent"] = 3.0 * rounds;
    state.counters["statistics_counted"] = static_cast<double>(counted);
}
BENCHMARK(BM_PressReleaseAndStatisticsEvery20ms)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
