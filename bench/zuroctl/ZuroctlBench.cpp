// `zuroctl set` of one CPI level from invocation to exit, against the real
// monitor and the simulated mouse: wall time against the waits the protocol
// prescribes for that apply (one settings report: its handshake's 100 ms and the
// 100 ms pause after it).

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/support/SimulatedMouseRig.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kDist = ZURO_DIST_DIR;
constexpr double kPrescribedMs = 200.0;

// Runs a program to its end; its exit status, -1 when it could not run.
int runProgram(const std::vector<std::string>& arguments, const std::string& output = "/dev/null")
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// A temporary run tree with the monitor and zuroctl, the simulated mouse plugged in.
class Setting {
public:
    Setting() : rig_(kDist, "zuroctl-bench"), tree_(rig_.makeRunTree({"ZuroTarnMonitor", "zuroctl"}))
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("ZURO_INPUT", "xtest", 1);  // no virtual device in the machine's own session
        unsetenv("DISPLAY");
    }
    ~Setting()
    {
        if (monitor_ > 0) {
            kill(monitor_, SIGTERM);
            int status = 0;
            waitpid(monitor_, &status, 0);
        }
    }

    // Starts the monitor and waits, at most 15 s, until it has read the mouse.
    bool startMonitor()
    {
        const std::string program = tree_ + "/ZuroTarnMonitor";
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        if (!rig_.mousePlugged() || posix_spawn(&monitor_, program.c_str(), nullptr, nullptr, argv, environ) != 0)
            return false;
        const std::string statusFile = rig_.root() + "/status";
        for (int attempt = 0; attempt < 150; ++attempt) {
            std::this_thread::sleep_for(100ms);
            if (runProgram({tree_ + "/zuroctl", "status"}, statusFile) != 0)
                continue;
            std::ifstream in(statusFile);
            const std::string text((std::istreambuf_iterator<char>(in)), {});
            if (text.find("mouse: present") != std::string::npos)
                return true;
        }
        return false;
    }

    int setCpiLevel(int value)
    {
        return runProgram({tree_ + "/zuroctl", "set", "--profile", "2", "CpiLevel_X2=" + std::to_string(value)});
    }

private:
    benchsupport::SimulatedMouseRig rig_;
    std::string tree_;
    pid_t monitor_ = -1;
};

void BM_ZuroctlSetOneCpiLevel(benchmark::State& state)
{
    Setting setting;
    if (!setting.startMonitor()) {
        state.SkipWithError("the monitor did not read the simulated mouse");
        return;
    }
    double wall = 0;
    int value = 20;
    for (auto _ : state) {
        value = value == 20 ? 21 : 20;  // a change every time, so one report goes out
        const auto start = std::chrono::steady_clock::now();
        const int status = setting.setCpiLevel(value);
        wall += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (status != 0)
            state.SkipWithError("zuroctl set failed");
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["wall_ms"] = wall / iterations;
    state.counters["prescribed_ms"] = kPrescribedMs;
    state.counters["ratio"] = wall / iterations / kPrescribedMs;
}

}  // namespace

BENCHMARK(BM_ZuroctlSetOneCpiLevel)->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
