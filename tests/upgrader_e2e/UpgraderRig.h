#pragma once
// The upgrader end to end: the monitor's rig (a temporary copy of the run tree,
// the simulated mouse and its report log) with the real upgrader and its
// pictures in "FWUpdateB/", a firmware package of the test's making, and the
// X display's windows found and clicked with xdotool.

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "MonitorRig.h"

namespace e2e {

// Keeps a connection to the X display for the rest of the test program; true
// once it is there. A bare X server resets when its last client leaves and
// refuses connections meanwhile: when the upgrader hands over to the monitor, or
// one test program follows another, there can be a moment without clients.
bool holdDisplay();

inline constexpr char kUpgraderFile[] = "FWUpdateB/ZuroNoxa Firmware Upgrade";
inline constexpr Milliseconds kWindowLimit{15000};

class UpgraderRig : public MonitorRig {
public:
    UpgraderRig();
    ~UpgraderRig();

    // An image that names `version` in its first bytes ("MSFW", version), filled
    // with a pattern up to `size` bytes; written as FWUpdateB/fw.bin with a
    // config.ini naming it and `packageVersion`.
    static std::vector<std::uint8_t> taggedImage(std::size_t size, std::uint8_t version);
    void writePackage(const std::vector<std::uint8_t>& image, int packageVersion);

    // The upgrader started by the test, on the X display, talking to the simulator.
    std::unique_ptr<ChildProcess> startUpgrader(const std::vector<std::string>& arguments);
    // The monitor on the X display, so the upgrader it starts shows its dialogs there.
    std::unique_ptr<ChildProcess> startMonitorOnDisplay();

    // Processes running the tree's program `name` ("ZuroTarnMonitor", kUpgraderFile).
    std::vector<pid_t> running(const std::string& name) const;
    // Blocks until no process runs the program, at most `limit`.
    bool waitUntilEnded(const std::string& name, Milliseconds limit) const;
};

// The first visible window whose title matches `titlePattern` (a regular
// expression), waited for; "" when none came within kWindowLimit.
std::string waitForWindow(const std::string& titlePattern);
bool clickAt(const std::string& window, int x, int y);
// Saves the window's picture as screenshots/upgrader/<name>.png in the build folder.
void saveScreenshot(const std::string& window, const std::string& name);

}  // namespace e2e
