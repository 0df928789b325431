#pragma once
// The update itself: start, size and prepare, each block as a header and its
// data, then finish. Every command is followed by status polling; a command the
// mouse asks to repeat is sent again, at most kMaxCommandRepeats times.

#include <chrono>
#include <cstddef>
#include <functional>

#include "upgrader/core/FirmwareImage.h"
#include "upgrader/core/UpdateDevice.h"
#include "upgrader/core/UpdateReports.h"

namespace upgrader {

// The mouse asks again for a block whose sum it finds wrong; more than this many
// repeats of one command means the data does not get through.
inline constexpr int kMaxCommandRepeats = 5;

// Waits the mouse needs: after start and finish before the first status poll,
// and after each of start, size and prepare before the next command.
inline constexpr std::chrono::milliseconds kSettlePause{500};
inline constexpr std::chrono::milliseconds kAfterSetupPause{500};

class FirmwareTransfer {
public:
    FirmwareTransfer(UpdateDevice& device, Waiter& waiter) : device_(device), waiter_(waiter) {}

    // Sends the whole image; true when the last block was taken. `blockSent` is
    // called with each block's index once its header and data were taken. The
    // finish command's outcome does not count: a mouse may restart on it.
    bool run(const FirmwareImage& image, const std::function<void(std::size_t)>& blockSent = {});

    // Sends one command, waits `pauseBeforePolling`, polls; true when the mouse
    // reported success.
    bool sendCommand(const CommandBytes& command, std::chrono::milliseconds pauseBeforePolling = {});

private:
    bool sendSetupCommand(const CommandBytes& command, std::chrono::milliseconds pauseBeforePolling = {});

    UpdateDevice& device_;
    Waiter& waiter_;
};

}  // namespace upgrader
