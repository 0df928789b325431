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
#include <sys/stat.h>

#include "messages/MessageNumbers.h"
#include "mousesim/ServeProcess.h"
#include "platform/windows/MessageWindow.h"
#include "tests/support/ChildProcess.h"

namespace {

namespace fs = std::filesystem;
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
    {
        std::string pattern = (fs::temp_directory_path() / "option-bench-XXXXXX").string();
        root_ = mkdtemp(pattern.data()) ? pattern : "";
        tree_ = root_ + "/tree";
        mkdir((root_ + "/run").c_str(), 0700);
        fs::create_directories(tree_ + "/config");
        fs::create_directories(tree_ + "/FWUpdateB");
        std::ofstream(tree_ + "/FWUpdateB/config.ini") << "[Firmware]\nVersion=107\n";
        for (const char* file : {"ZuroTarnMonitor", "ZuroNoxaOption", "hidbridge.so", "libzuroplatform.so",
                                 "libzuroplatform_desktop.so"})
            fs::copy_file(kDist + "/" + file, tree_ + "/" + file);
        for (const char* folder : {"skin", "help", "Gif"})
            fs::create_directory_symlink(kDist + "/" + folder, tree_ + "/" + folder);
        setenv("XDG_RUNTIME_DIR", (root_ + "/run").c_str(), 1);
        setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
        setenv("XDG_DATA_HOME", root_.c_str(), 1);
        setenv("ZURO_HID_BACKEND", "simulator", 1);
        mousesim::ServeSettings settings;
        settings.executable = kDist + "/mousesim";
        settings.runtimeDir = root_ + "/run";
        settings.stateFile = root_ + "/mouse.state";
        settings.logFile = root_ + "/reports.log";
        std::string error;
        mouse_ = mousesim::ServeProcess::start(settings, error);
    }
    ~Setting()
    {
        monitor_.reset();
        mouse_.reset();
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    bool startMonitor()
    {
        if (!mouse_)
            return false;
        monitor_ = ChildProcess::start({tree_ + "/ZuroTarnMonitor"}, {"QT_QPA_PLATFORM=offscreen", "ZURO_DEBUG=1"});
        return monitor_ && monitor_->waitForLine("whole-device read", 15s);
    }

    std::unique_ptr<ChildProcess> startApplication()
    {
        return ChildProcess::start({tree_ + "/ZuroNoxaOption"}, {"QT_QPA_PLATFORM=xcb", "ZURO_DEBUG=1"});
    }

private:
    std::string root_;
    std::string tree_;
    std::unique_ptr<mousesim::ServeProcess> mouse_;
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
