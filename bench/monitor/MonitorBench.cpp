// The monitor's device sequences against the simulated mouse, through the real
// hidbridge.so: wall time against the sum of the waits the protocol prescribes
// (ratio, target 1.05 or less), and the idle monitor's CPU time and memory.

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "hidbridge/BridgeLibrary.h"
#include "monitor/protocol/ApplyChanges.h"
#include "monitor/protocol/BridgeFeatureDevice.h"
#include "monitor/protocol/ReadWholeDevice.h"
#include "bench/support/SimulatedMouseRig.h"
#include "settings/BlockDefaults.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kDist = ZURO_DIST_DIR;

// Takes every wait and adds it up.
class CountingPauser final : public monitor::protocol::Pauser {
public:
    void sleep(std::chrono::milliseconds duration) override
    {
        total += duration;
        std::this_thread::sleep_for(duration);
    }
    std::chrono::milliseconds total{0};
};

struct BoundDevice {
    BoundDevice()
    {
        std::string problem;
        bridge = hidbridge::BridgeLibrary::load(kDist + "/hidbridge.so", problem);
        if (bridge && bridge->exports().openFeatureDevice())
            device = std::make_unique<monitor::protocol::BridgeFeatureDevice>(bridge->exports().setFeature,
                                                                              bridge->exports().getFeature);
    }
    ~BoundDevice()
    {
        if (device)
            bridge->exports().closeFeatureDevice();
    }
    std::unique_ptr<hidbridge::BridgeLibrary> bridge;
    std::unique_ptr<monitor::protocol::BridgeFeatureDevice> device;
};

template <typename Sequence>
void measureAgainstPrescribedWaits(benchmark::State& state, Sequence sequence)
{
    benchsupport::SimulatedMouseRig setting(kDist, "zuro-monitor-bench");
    BoundDevice bound;
    if (!setting.mousePlugged() || !bound.device) {
        state.SkipWithError("no simulated mouse");
        return;
    }
    monitor::protocol::SerializedFeatureDevice device(*bound.device);
    std::atomic<bool> abort{false};
    double wall = 0;
    double prescribed = 0;
    for (auto _ : state) {
        CountingPauser pauser;
        monitor::protocol::DeviceLink link{device, pauser, abort};
        const auto start = std::chrono::steady_clock::now();
        const bool ok = sequence(link);
        wall += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        prescribed += static_cast<double>(pauser.total.count());
        if (!ok)
            state.SkipWithError("the sequence failed");
    }
    state.counters["wall_ms"] = wall / static_cast<double>(state.iterations());
    state.counters["prescribed_ms"] = prescribed / static_cast<double>(state.iterations());
    state.counters["ratio"] = prescribed > 0 ? wall / prescribed : 0;
}

void BM_ApplyOneProfileSettings(benchmark::State& state)
{
    auto block = std::make_unique<settings::SettingsBlock>();
    settings::createDefaultBlock(*block, 1);
    block->ProfileChangedFlags[2] = 1;
    measureAgainstPrescribedWaits(state, [&](monitor::protocol::DeviceLink& link) {
        return monitor::protocol::applyChanges(link, *block);
    });
}

void BM_ApplyButtonTableAndMacroOf500Events(benchmark::State& state)
{
    auto block = std::make_unique<settings::SettingsBlock>();
    settings::createDefaultBlock(*block, 1);
    settings::ButtonAssignment& slot = block->Profiles[1].MacroKeyInfo[3];
    slot.FunctionCode = 48;
    slot.MacroLoopCount = 1;
    slot.MacroEventCount = 500;
    for (int i = 0; i < 500; ++i)
        slot.MacroEvents[i] = {static_cast<std::uint8_t>(4 + i % 26), static_cast<std::uint8_t>(i % 2), 20};
    block->ButtonChangedFlags[1 * settings::kButtonSlotCount + 3] = 1;
    measureAgainstPrescribedWaits(state, [&](monitor::protocol::DeviceLink& link) {
        return monitor::protocol::applyChanges(link, *block);
    });
}

void BM_WholeDeviceRead(benchmark::State& state)
{
    const settings::InstallFolder folder((fs::temp_directory_path() / "").string());
    measureAgainstPrescribedWaits(state, [&](monitor::protocol::DeviceLink& link) {
        auto block = std::make_unique<settings::SettingsBlock>();
        return monitor::protocol::readWholeDevice(link, *block, folder);
    });
}

long clockTicksOf(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}

long residentKilobytesOf(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return 0;
}

void BM_IdleMonitorWithMouse(benchmark::State& state)
{
    benchsupport::SimulatedMouseRig setting(kDist, "zuro-monitor-bench");
    if (!setting.mousePlugged()) {
        state.SkipWithError("no simulated mouse");
        return;
    }
    // The monitor from a copy of the run tree, so its files go to the temporary folder.
    const std::string tree = setting.makeRunTree({"ZuroTarnMonitor"});
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("ZURO_INPUT", "xtest", 1);  // no virtual device in the machine's own session
    const std::string program = tree + "/ZuroTarnMonitor";
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    for (auto _ : state) {
        pid_t pid = -1;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("the monitor cannot be started");
            return;
        }
        // Past its start-up read, then idle for a minute.
        std::this_thread::sleep_for(5s);
        const long before = clockTicksOf(pid);
        std::this_thread::sleep_for(60s);
        const long after = clockTicksOf(pid);
        state.counters["idle_cpu_ms_per_60s"] = static_cast<double>(after - before) * 1000.0 / sysconf(_SC_CLK_TCK);
        state.counters["rss_kb"] = static_cast<double>(residentKilobytesOf(pid));
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
    }
}

}  // namespace

BENCHMARK(BM_ApplyOneProfileSettings)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ApplyButtonTableAndMacroOf500Events)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WholeDeviceRead)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_IdleMonitorWithMouse)->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_MAIN();
