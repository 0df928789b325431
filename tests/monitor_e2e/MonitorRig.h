#pragma once
// One end-to-end setting: a temporary copy of the run tree (so the monitor's
// configuration files, the firmware package's config.ini and stub programs live
// in a temporary folder), a private runtime folder, the simulated mouse, the
// monitor and the peer programs around it.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "ReportLogWatcher.h"
#include "mousesim/ServeProcess.h"

namespace e2e {

using testsupport::ChildProcess;
using testsupport::Milliseconds;

using namespace std::chrono_literals;

// The monitor's waits are bounded by a few seconds beyond the protocol's own.
inline constexpr Milliseconds kStartLimit{10000};

class MonitorRig {
public:
    MonitorRig();
    ~MonitorRig();

    const std::string& root() const { return root_; }
    const std::string& tree() const { return tree_; }
    std::string treeFile(const std::string& name) const { return tree_ + "/" + name; }
    bool treeFileExists(const std::string& name) const;
    std::string readTreeFile(const std::string& name) const;

    // Version in "FWUpdateB/config.ini"; nothing writes the file without the key.
    void writePackageVersion(std::optional<int> version);
    void removeBridgeLibrary();
    // The arguments the stub upgrader was started with, one per start.
    std::vector<std::string> upgraderArguments() const;

    // The simulated mouse, plugged in, with factory memory and firmware version
    // `firmware`.
    bool startMouse(int firmware = 107);
    // A command for the running simulator; its reply text, or nothing when refused.
    std::optional<std::string> mouseCommand(const std::string& command);
    ReportLogWatcher& log() { return *log_; }

    std::unique_ptr<ChildProcess> startMonitor(const std::vector<std::string>& arguments = {},
                                               const std::vector<std::string>& extraEnvironment = {});
    std::unique_ptr<ChildProcess> startPeer(const std::vector<std::string>& arguments);
    // Runs a peer to its end; its output lines, or nothing when it failed or hung.
    std::optional<std::vector<std::string>> runPeer(const std::vector<std::string>& arguments,
                                                    Milliseconds limit = 30s);

    // Waits until the monitor's start-up read ended with host presence 1 and its
    // handshake.
    bool waitForStartupRead(Milliseconds limit = kStartLimit);

private:
    std::string root_;
    std::string tree_;
    std::string runtime_;
    std::string logFile_;
    std::vector<std::pair<std::string, std::optional<std::string>>> savedEnvironment_;
    std::unique_ptr<mousesim::ServeProcess> mouse_;
    std::unique_ptr<ReportLogWatcher> log_;
};

// Environment of a monitor that has no display at all.
std::vector<std::string> withoutDisplay();

}  // namespace e2e
