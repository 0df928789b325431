// ZuroNoxaOption from its start to its first painted main window, with the
// monitor running against the simulated mouse (so the block comes from the
// monitor's section), and the application's resident memory at that moment.
// Targets: under 300 ms and under 80 MB.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "messages/MessageNumbers.h"
#include "bench/support/SimulatedMouseRig.h"
#include "platform/windows/MessageWindow.h"
#include "tests/support/ChildProcess.h"

namespace {

using namespace std::chrono_literals;
using testsupport::ChildProcess;

const std::string kDist = ZURO_DIST_DIR;
constexpr double kTargetMs = 300.0;
constexpr double kTargetMegabytes = 80.0;

// Resident memory of a process in megabytes (VmRSS), 0 when unreadable.
double residentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// A temporary run tree with the monitor and the application, the simulated mouse
// plugged in, all in a private runtime folder.
class Setting {
public:
    Setting()
        : rig_(kDist, "option-bench"),
          tree_(rig_.makeRunTree({"ZuroTarnMonitor", "ZuroNoxaOption"}, {"skin", "help", "Gif"}))
    {
    }
    ~Setting() { monitor_.reset(); }

    bool startMonitor()
    {
        if (!rig_.mousePlugged())
            return false;
        monitor_ = ChildProcess::start({tree_ + "/ZuroTarnMonitor"}, {"QT_QPA_PLATFORM=offscreen", "ZURO_DEBUG=1"});
        return monitor_ && monitor_->waitForLine("whole-device read", 15s);
    }

    std::unique_ptr<ChildProcess> startApplication()
    {
        return ChildProcess::start({tree_ + "/ZuroNoxaOption"}, {"QT_QPA_PLATFORM=xcb", "ZURO_DEBUG=1"});
    }

private:
    benchsupport::SimulatedMouseRig rig_;
    std::string tree_;
    std::unique_ptr<ChildProcess> monitor_;
};

void BM_OptionStartToFirstPaint(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs an X display: run under xvfb-run");
        return;
    }
    Setting setting;
    if (!setting.startMonitor()) {
        state.SkipWithError("the monitor did not read the simulated mouse");
        return;
    }
    double wall = 0;
    double resident = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::unique_ptr<ChildProcess> application = setting.startApplication();
        if (!application || !application->waitForLine("CMainWnd: first paint", 20s)) {
            state.SkipWithError("the main window was not painted");
            return;
        }
        wall += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        resident = std::max(resident, residentMegabytes(application->pid()));
        state.PauseTiming();
        platform::postMessage(platform::findWindow(messages::kOptionWindowTitle), platform::WM_CLOSE, 0, 0);
        if (application->waitForExit(10s) != 0)
            state.SkipWithError("the application did not close");
        state.ResumeTiming();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["start_to_paint_ms"] = wall / iterations;
    state.counters["target_ms"] = kTargetMs;
    state.counters["resident_MB"] = resident;
    state.counters["target_MB"] = kTargetMegabytes;
}

}  // namespace

BENCHMARK(BM_OptionStartToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
