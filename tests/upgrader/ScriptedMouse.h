#pragma once
// A mouse in update mode for the transfer's tests: it records every command and
// every wait, and answers each status read from a script ("the host sends start,
// waits 500 ms and 100 ms, the mouse answers busy, ...").

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "upgrader/core/UpdateDevice.h"

namespace upgrader::test {

class ScriptedMouse final : public UpdateDevice, public Waiter {
public:
    // Status bytes for the coming reads of report 28, in order; once they run
    // out every read answers `afterScript`. A negative entry makes that read fail.
    std::deque<int> statuses;
    int afterScript = 1;
    // Sets fail from this command number (0-based) on.
    int refuseSetsFrom = -1;
    // Waits end early (the transfer must stop) from this wait number on.
    int cutWaitsFrom = -1;

    // Per command: its command byte and, for block commands, the block index
    // or the first data byte, as "start", "size 1025", "header 1 sum 0x00AB",
    // "data 1 first 0xAB", "prepare", "finish".
    std::vector<std::string> commands;
    std::vector<std::vector<std::uint8_t>> reports;
    std::vector<long> waits;  // milliseconds
    int statusReads = 0;

    bool setFeature(std::span<const std::uint8_t> report) override;
    bool getFeature(std::span<std::uint8_t> buffer) override;
    bool wait(std::chrono::milliseconds duration) override;

    long waitedMs() const;

private:
    int headerIndex_ = -1;
};

}  // namespace upgrader::test
