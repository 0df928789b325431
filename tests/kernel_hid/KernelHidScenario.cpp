// kernel_hid_scenario: one fixed session of the monitor with the simulated mouse,
// run once on the simulator's bus and once on the kernel's HID stack, so the two
// report logs can be compared line by line.
//
//   kernel_hid_scenario --programs DIR --work DIR --log-out FILE [--uhid]
//
// DIR holds ZuroTarnMonitor, hidbridge.so, the project's libraries, mousesim and
// zuroctl. With --uhid the mouse is made through /dev/uhid and the monitor takes
// only the hidraw backend; without it both use the simulator's bus. The session:
// the start-up whole-device read, an apply from zuroctl, one the mouse refuses
// and the next apply that brings it, a button press that switches the profile, an event asking for a macro, an unplug, an unplug in the
// middle of the next whole-device read, a replug with its read, and the monitor's
// shutdown. Each step waits for the monitor's own account of it; the first step
// that does not come within its time ends the run with status 1. The report log
// is written to FILE without its timestamps, one "SET|GET|IN bytes" per line.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "MonitorTree.h"
#include "E2eChecks.h"
#include "ReportLogWatcher.h"
#include "mousesim/BusPaths.h"
#include "mousesim/ControlClient.h"
#include "mousesim/FactoryState.h"
#include "mousesim/ServeProcess.h"
#include "mousesim/StateFile.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Generous: under an emulated CPU the programs start and run many times slower.
constexpr e2e::Milliseconds kStepLimit = 90s;
constexpr int kFirmwareVersion = 107;

struct Options {
    std::string programs;
    std::string work;
    std::string logOut;
    bool uhid = false;
};

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--uhid") {
            options.uhid = true;
        } else if (i + 1 < argc && option == "--programs") {
            options.programs = argv[++i];
        } else if (i + 1 < argc && option == "--work") {
            options.work = argv[++i];
        } else if (i + 1 < argc && option == "--log-out") {
            options.logOut = argv[++i];
        } else {
            return false;
        }
    }
    return !options.programs.empty() && !options.work.empty() && !options.logOut.empty();
}

class Session {
public:
    Session(const Options& options, const fs::path& tree, const fs::path& logFile)
        : options_(options), tree_(tree), log_(logFile.string())
    {
    }

    bool startMouse(const fs::path& stateFile, const fs::path& logFile)
    {
        mousesim::MouseMemory memory = mousesim::factoryMemory();
        memory.firmwareVersion = kFirmwareVersion;
        if (!mousesim::saveStateFile(stateFile, memory)) return false;
        mousesim::ServeSettings settings;
        settings.executable = options_.programs + "/mousesim";
        settings.runtimeDir = std::getenv("XDG_RUNTIME_DIR");
        settings.stateFile = stateFile.string();
        settings.logFile = logFile.string();
        if (options_.uhid) settings.extraArguments = {"--uhid"};
        settings.readyTimeoutMs = static_cast<int>(kStepLimit.count());
        std::string error;
        mouse_ = mousesim::ServeProcess::start(settings, error);
        if (!mouse_) std::fprintf(stderr, "kernel_hid_scenario: %s\n", error.c_str());
        return mouse_ != nullptr;
    }

    bool mouse(const std::string& command)
    {
        auto client = mousesim::ControlClient::connect(mousesim::controlSocketPath());
        const auto reply = client ? client->send(command) : std::nullopt;
        return reply && reply->outcome == mousesim::control::Outcome::Ok;
    }

    bool startMonitor()
    {
        monitor_ = e2e::ChildProcess::start(
            {(tree_ / "ZuroTarnMonitor").string()},
            {"QT_QPA_PLATFORM=offscreen", "DISPLAY=", "WAYLAND_DISPLAY=", "ZURO_DEBUG=1", "ZURO_INPUT=xtest",
             std::string("ZURO_HID_BACKEND=") + (options_.uhid ? "hidraw" : "simulator")});
        return monitor_ != nullptr;
    }

    bool monitorSays(const std::string& text, std::size_t count = 1)
    {
        return monitor_->waitForCount(text, count, kStepLimit);
    }

    // Runs zuroctl; true when it exits with `expected` (4: saved, but the mouse
    // did not take the change).
    bool zuroctl(const std::vector<std::string>& arguments, int expected = 0)
    {
        std::vector<std::string> argv = {(tree_ / "zuroctl").string()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        auto tool = e2e::ChildProcess::start(argv, {"QT_QPA_PLATFORM=offscreen", "DISPLAY="});
        if (tool && tool->waitForExit(kStepLimit) == expected) return true;
        for (const std::string& line : tool ? tool->lines() : std::vector<std::string>{})
            std::fprintf(stderr, "zuroctl: %s\n", line.c_str());
        return false;
    }

    // The `count`th report starting with `prefix`, followed by the handshake's status read.
    bool reportWithHandshake(const std::string& prefix, std::size_t count = 1)
    {
        return log_.waitUntil(
            [&](const std::vector<e2e::LogEntry>& entries) {
                std::size_t seen = 0;
                for (std::size_t i = 0; i + 1 < entries.size(); ++i)
                    if (entries[i].text().starts_with(prefix) && entries[i + 1].text().starts_with("GET 04") &&
                        ++seen == count)
                        return true;
                return false;
            },
            kStepLimit);
    }

    bool stopMonitor()
    {
        monitor_->signal(SIGTERM);
        return monitor_->waitForExit(kStepLimit) == 0;
    }

    std::string monitorOutput()
    {
        std::string text;
        for (const std::string& line : monitor_ ? monitor_->lines() : std::vector<std::string>{}) text += line + "\n";
        return text;
    }

    std::string treeFile(const std::string& name) const
    {
        std::ifstream in(tree_ / name);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    bool treeHas(const std::string& name) const { return fs::exists(tree_ / name); }

    e2e::ReportLogWatcher& log() { return log_; }

    void stopMouse()
    {
        if (mouse_) mouse_->stop(static_cast<int>(kStepLimit.count()));
    }

private:
    const Options& options_;
    fs::path tree_;
    e2e::ReportLogWatcher log_;
    std::unique_ptr<mousesim::ServeProcess> mouse_;
    std::unique_ptr<e2e::ChildProcess> monitor_;
};

struct Step {
    const char* name;
    std::function<bool()> run;
};

bool writeLog(const std::vector<e2e::LogEntry>& entries, const std::string& path)
{
    std::ofstream out(path);
    for (const e2e::LogEntry& entry : entries) out << entry.text() << '\n';
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: kernel_hid_scenario --programs DIR --work DIR --log-out FILE [--uhid]\n");
        return 2;
    }
    const fs::path work = fs::absolute(options.work);
    const fs::path tree = work / "tree";
    std::error_code error;
    fs::remove_all(work, error);
    e2e::useFreshUserFolders(work);
    if (!e2e::prepareMonitorTree(options.programs, tree, kFirmwareVersion)) {
        std::fprintf(stderr, "kernel_hid_scenario: %s lacks the monitor's programs\n", options.programs.c_str());
        return 2;
    }

    const fs::path logFile = work / "reports.log";
    Session s(options, tree, logFile);
    const Step steps[] = {
        {"mouse serves", [&] { return s.startMouse(work / "mouse.state", logFile); }},
        {"start-up whole-device read",
         [&] {
             return s.startMonitor() && s.monitorSays("whole-device read done") &&
                    s.reportWithHandshake("SET 0E 03 01");
         }},
        {"apply from zuroctl",
         [&] { return s.zuroctl({"set", "--profile", "2", "CpiLevel_X2=33"}) && s.reportWithHandshake("SET 06 1F 02"); }},
        // A write the mouse refuses fails at the host: no handshake follows it,
        // and zuroctl says the mouse did not take the change.
        {"apply the mouse refuses",
         [&] {
             return s.mouse("fault fail-set 1") && s.zuroctl({"set", "--profile", "3", "CpiLevel_X1=27"}, 4) &&
                    s.log().waitForEntry("SET 06 1F 03", 0, kStepLimit);
         }},
        // The refused change stays marked pending and goes with the next apply,
        // which sends every profile; the mark goes once the mouse took it.
        {"the refused change goes with the next apply",
         [&] {
             return s.treeHas("config/PendingChanges") &&
                    s.zuroctl({"set", "--profile", "4", "CpiLevel_X1=28"}) &&
                    e2e::countStartingWith(s.log().entries(), 0, "SET 06 1F 03") >= 2 &&
                    !s.treeHas("config/PendingChanges");
         }},
        {"button press switches the profile",
         [&] {
             return s.mouse("press 16") && s.mouse("release 16") && s.monitorSays("Profile Id: 2") &&
                    e2e::iniValue(s.treeFile("config.ini"), "CurrentProfile") == "1";
         }},
        {"event asks for a macro", [&] { return s.mouse("event 254 1") && s.reportWithHandshake("SET 08 22 08 00 02"); }},
        {"unplug", [&] { return s.mouse("unplug") && s.monitorSays("mouse removed"); }},
        {"unplug during the whole-device read",
         [&] {
             return s.mouse("fault unplug-after 8") && s.mouse("plug") && s.monitorSays("whole-device read failed") &&
                    s.monitorSays("mouse removed", 2);
         }},
        {"replug and read again",
         [&] {
             return s.mouse("plug") && s.monitorSays("whole-device read done", 2) &&
                    s.reportWithHandshake("SET 0E 03 01", 2);
         }},
        // Shutting down, the monitor tells the mouse the host is gone without
        // waiting for its answer.
        {"monitor shuts down",
         [&] { return s.stopMonitor() && s.log().waitForEntry("SET 0E 03 00", 0, kStepLimit); }},
    };

    int status = 0;
    for (const Step& step : steps) {
        const bool done = step.run();
        std::printf("kernel_hid_scenario: %s: %s\n", step.name, done ? "ok" : "FAILED");
        std::fflush(stdout);
        if (!done) {
            std::fprintf(stderr, "--- monitor output ---\n%s", s.monitorOutput().c_str());
            status = 1;
            break;
        }
    }
    s.stopMouse();
    std::ofstream(work / "monitor.txt") << s.monitorOutput();
    if (!writeLog(s.log().entries(), options.logOut)) status = 1;
    return status;
}
