// uinput_scenario: the monitor with ZURO_INPUT=uinput plays a macro when the
// simulated mouse (a kernel HID device through /dev/uhid) presses its button,
// and an evdev reader of the monitor's virtual device sees the keys and the
// button in order with their pauses. Runs inside the test machine
// (scripts/run-uinput-tests.sh), as root, with the uinput, evdev and uhid modules.
//
//   uinput_scenario --programs DIR --work DIR --events-out FILE
//
// Each step waits for its outcome; the first that does not come ends the run
// with status 1. FILE gets what the reader saw, one "code value +ms" per line.

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ApplyButtons.h"
#include "E2eChecks.h"
#include "MonitorTree.h"
#include "mousesim/BusPaths.h"
#include "mousesim/ControlClient.h"
#include "mousesim/FactoryState.h"
#include "mousesim/ServeProcess.h"
#include "mousesim/StateFile.h"
#include "platform/input/UinputDevice.h"
#include "tests/support/ChildProcess.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Generous: under an emulated CPU the programs start and run many times slower.
constexpr e2e::Milliseconds kStepLimit = 90s;
constexpr int kFirmwareVersion = 107;
// Device button N acts with slot N of the active profile.
constexpr int kMacroButton = 3;
// How late an event may come after its pause, on an emulated CPU.
constexpr long kLateness = 150;

constexpr std::uint8_t kDown = settings::kMacroActionPress;
constexpr std::uint8_t kUp = settings::kMacroActionRelease;
// A, right Alt (played as left Alt), B, the left mouse button.
const std::vector<settings::MacroEvent> kMacro = {
    {4, kDown, 100}, {4, kUp, 100}, {230, kDown, 50}, {5, kDown, 300}, {5, kUp, 50}, {230, kUp, 100},
    {settings::kMacroKeyLeftButton, kDown, 100}, {settings::kMacroKeyLeftButton, kUp, 0},
};
struct KeyEvent {
    int code;
    int value;
};
const std::vector<KeyEvent> kExpected = {
    {KEY_A, 1}, {KEY_A, 0}, {KEY_LEFTALT, 1}, {KEY_B, 1}, {KEY_B, 0}, {KEY_LEFTALT, 0}, {BTN_LEFT, 1}, {BTN_LEFT, 0},
};

struct Seen {
    int code;
    int value;
    long long microseconds;
};

// /dev/input/eventN of the input device named `name`; "" while there is none.
std::string eventNodeNamed(const std::string& name)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/sys/class/input", error)) {
        const std::string node = entry.path().filename().string();
        if (!node.starts_with("event")) continue;
        std::ifstream file(entry.path() / "device/name");
        std::string text;
        std::getline(file, text);
        if (text == name) return "/dev/input/" + node;
    }
    return {};
}

bool waitFor(const std::function<bool()>& done, e2e::Milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

// Key events of the device until `count` have come or `limit` passes.
std::vector<Seen> readKeys(int fd, std::size_t count, e2e::Milliseconds limit)
{
    std::vector<Seen> seen;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (seen.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) break;
        input_event event{};
        if (read(fd, &event, sizeof event) != static_cast<ssize_t>(sizeof event)) break;
        if (event.type == EV_KEY)
            seen.push_back({event.code, event.value,
                            static_cast<long long>(event.input_event_sec) * 1000000 + event.input_event_usec});
    }
    return seen;
}

bool mouse(const std::string& command)
{
    auto client = mousesim::ControlClient::connect(mousesim::controlSocketPath());
    const auto reply = client ? client->send(command) : std::nullopt;
    return reply && reply->outcome == mousesim::control::Outcome::Ok;
}

// The keys in order, and each pause between them as the macro asks.
bool matchesMacro(const std::vector<Seen>& seen)
{
    bool matches = seen.size() == kExpected.size();
    for (std::size_t i = 0; matches && i < seen.size(); ++i) {
        if (seen[i].code != kExpected[i].code || seen[i].value != kExpected[i].value) {
            std::fprintf(stderr, "uinput_scenario: event %zu is %d %d, not %d %d\n", i, seen[i].code, seen[i].value,
                         kExpected[i].code, kExpected[i].value);
            matches = false;
        }
        if (i == 0) continue;
        const long gap = static_cast<long>((seen[i].microseconds - seen[i - 1].microseconds) / 1000);
        const long delay = kMacro[i - 1].DelayMs;
        if (gap < delay - 5 || gap > delay + kLateness) {
            std::fprintf(stderr, "uinput_scenario: %ld ms after event %zu, not %ld\n", gap, i - 1, delay);
            matches = false;
        }
    }
    return matches;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string programs, workFolder, eventsOut;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--programs") programs = argv[i + 1];
        else if (option == "--work") workFolder = argv[i + 1];
        else if (option == "--events-out") eventsOut = argv[i + 1];
    }
    if (programs.empty() || workFolder.empty() || eventsOut.empty()) {
        std::fprintf(stderr, "usage: uinput_scenario --programs DIR --work DIR --events-out FILE\n");
        return 2;
    }
    const fs::path work = fs::absolute(workFolder);
    const fs::path tree = work / "tree";
    std::error_code error;
    fs::remove_all(work, error);
    e2e::useFreshUserFolders(work);
    if (!e2e::prepareMonitorTree(programs, tree, kFirmwareVersion)) {
        std::fprintf(stderr, "uinput_scenario: %s lacks the monitor's programs\n", programs.c_str());
        return 2;
    }

    std::unique_ptr<mousesim::ServeProcess> mouseProcess;
    std::unique_ptr<e2e::ChildProcess> monitor;
    std::string node;
    int reader = -1;
    std::vector<Seen> seen;
    const auto zuroctlSays = [&](const std::string& line) {
        auto tool = e2e::ChildProcess::start({(tree / "zuroctl").string(), "status"}, {"QT_QPA_PLATFORM=offscreen"});
        return tool && tool->waitForLine(line, kStepLimit) && tool->waitForExit(kStepLimit) == 0;
    };

    const std::pair<const char*, std::function<bool()>> steps[] = {
        {"mouse serves",
         [&] {
             mousesim::MouseMemory memory = mousesim::factoryMemory();
             memory.firmwareVersion = kFirmwareVersion;
             if (!mousesim::saveStateFile(work / "mouse.state", memory)) return false;
             mousesim::ServeSettings settings;
             settings.executable = programs + "/mousesim";
             settings.runtimeDir = std::getenv("XDG_RUNTIME_DIR");
             settings.stateFile = (work / "mouse.state").string();
             settings.logFile = (work / "reports.log").string();
             settings.extraArguments = {"--uhid"};
             settings.readyTimeoutMs = static_cast<int>(kStepLimit.count());
             std::string reason;
             mouseProcess = mousesim::ServeProcess::start(settings, reason);
             return mouseProcess != nullptr;
         }},
        {"monitor starts on uinput",
         [&] {
             monitor = e2e::ChildProcess::start({(tree / "ZuroTarnMonitor").string()},
                                                {"QT_QPA_PLATFORM=offscreen", "DISPLAY=", "WAYLAND_DISPLAY=",
                                                 "ZURO_DEBUG=1", "ZURO_HID_BACKEND=hidraw", "ZURO_INPUT=uinput"});
             return monitor && monitor->waitForLine("input: uinput", kStepLimit) &&
                    monitor->waitForLine("whole-device read done", kStepLimit);
         }},
        {"zuroctl status names uinput", [&] { return zuroctlSays("input: uinput"); }},
        {"the virtual device is there",
         [&] {
             if (!waitFor([&] { return !(node = eventNodeNamed(platform::kUinputDeviceName)).empty(); }, kStepLimit))
                 return false;
             waitFor([&] { return (reader = open(node.c_str(), O_RDONLY | O_CLOEXEC)) >= 0; }, kStepLimit);
             return reader >= 0;
         }},
        {"macro assigned",
         [&] {
             return e2e::applyToMonitor(tree.string(), [](settings::SettingsBlock& block) {
                 e2e::assignMacro(block, kMacroButton, kMacro);
             });
         }},
        {"button press plays the macro in order with its pauses",
         [&] {
             if (!mouse("press " + std::to_string(kMacroButton)) || !mouse("release " + std::to_string(kMacroButton)))
                 return false;
             seen = readKeys(reader, kExpected.size(), kStepLimit);
             return matchesMacro(seen);
         }},
        {"shutdown removes the virtual device",
         [&] {
             monitor->signal(SIGTERM);
             return monitor->waitForExit(kStepLimit) == 0 &&
                    waitFor([] { return eventNodeNamed(platform::kUinputDeviceName).empty(); }, kStepLimit);
         }},
    };

    int status = 0;
    for (const auto& [name, run] : steps) {
        const bool done = run();
        std::printf("uinput_scenario: %s: %s\n", name, done ? "ok" : "FAILED");
        std::fflush(stdout);
        if (!done) {
            status = 1;
            break;
        }
    }
    if (reader >= 0) close(reader);
    if (mouseProcess) mouseProcess->stop(static_cast<int>(kStepLimit.count()));
    std::ofstream out(eventsOut);
    for (std::size_t i = 0; i < seen.size(); ++i)
        out << seen[i].code << ' ' << seen[i].value << " +"
            << (i == 0 ? 0 : (seen[i].microseconds - seen[i - 1].microseconds) / 1000) << "ms\n";
    std::string text;
    for (const std::string& line : monitor ? monitor->lines() : std::vector<std::string>{}) text += line + "\n";
    std::ofstream(work / "monitor.txt") << text;
    if (status != 0) std::fprintf(stderr, "--- monitor output ---\n%s", text.c_str());
    return status;
}
