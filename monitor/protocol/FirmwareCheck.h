#pragma once
// At start-up and at each arrival: compares the mouse's firmware with the package
// in "FWUpdateB/" and hands the device to the upgrader when they differ, unless
// the user already answered the upgrader for this package version.

#include <cstdint>
#include <optional>
#include <string>

#include "monitor/protocol/DeviceLink.h"
#include "settings/InstallFolder.h"

namespace monitor::protocol {

// The upgrader's argument: a newer package asks to update, an older one only
// tells the user.
inline constexpr char kUpgraderArgumentUpdate[] = "1";
inline constexpr char kUpgraderArgumentNotice[] = "0";

class UpgraderLauncher {
public:
    virtual ~UpgraderLauncher() = default;
    virtual bool start(const std::string& program, const std::string& argument) = 0;
};

// Starts the program detached, as the shell's "open" would.
class ProgramUpgraderLauncher final : public UpgraderLauncher {
public:
    bool start(const std::string& program, const std::string& argument) override;
};

// The argument to start the upgrader with, or nothing when the versions agree.
// A package version of -1 (missing) compares as the largest unsigned value.
std::optional<std::string> upgraderArgument(std::uint8_t deviceVersion, int packageVersion);

enum class FirmwareCheckResult {
    NothingToDo,         // versions agree, the mouse did not tell its version, or
                         // the user answered the upgrader for this package version
    UpgraderStarted,     // the monitor closes; the upgrader takes over the device
    UpgraderNotStarted,  // an update was due but the program could not be started
};

FirmwareCheckResult checkFirmware(DeviceLink& link, const settings::InstallFolder& folder,
                                  UpgraderLauncher& launcher);

}  // namespace monitor::protocol
