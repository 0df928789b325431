#include "upgrader/core/FirmwareTransfer.h"

#include "platform/system/DebugOutput.h"
#include "upgrader/core/StatusPolling.h"

namespace upgrader {

bool FirmwareTransfer::sendCommand(const CommandBytes& command, std::chrono::milliseconds pauseBeforePolling)
{
    for (int repeats = 0;; ++repeats) {
        if (!device_.setFeature(command))
            return false;
        if (pauseBeforePolling.count() > 0 && !waiter_.wait(pauseBeforePolling))
            return false;
        const std::optional<std::uint8_t> status = pollUpdateStatus(device_, waiter_);
        if (status != status::kRepeat)
            return status == status::kSuccess;
        if (repeats == kMaxCommandRepeats) {
            platform::debugPrintf("FW Update: command %u still asked to repeat after %d repeats\n",
                                  unsigned{command[1]}, kMaxCommandRepeats);
            return false;
        }
    }
}

bool FirmwareTransfer::sendSetupCommand(const CommandBytes& command, std::chrono::milliseconds pauseBeforePolling)
{
    return sendCommand(command, pauseBeforePolling) && waiter_.wait(kAfterSetupPause);
}

bool FirmwareTransfer::run(const FirmwareImage& image, const std::function<void(std::size_t)>& blockSent)
{
    if (!sendSetupCommand(startCommand(), kSettlePause) || !sendSetupCommand(sizeCommand(image.size()))
        || !sendSetupCommand(prepareCommand()))
        return false;
    for (std::size_t index = 0; index < image.blockCount(); ++index) {
        if (!sendCommand(blockHeaderCommand(static_cast<std::uint16_t>(index), image.checksum(index)))
            || !sendCommand(blockDataCommand(image.block(index)))) {
            platform::debugPrintf("FW Update: block %zu was not taken\n", index);
            return false;
        }
        if (blockSent)
            blockSent(index);
    }
    sendCommand(finishCommand(), kSettlePause);
    return true;
}

}  // namespace upgrader
