#include "monitor/dispatch/EventWord.h"

#include "monitor/protocol/SlotMap.h"

namespace monitor::dispatch {

int slotNumberOfEventButton(std::uint8_t low)
{
    constexpr int kFirstButtonNumber = 1;
    constexpr int kLastButtonNumber = 24;
    if (low < kFirstButtonNumber || low > kLastButtonNumber)
        return 0;
    return protocol::slotOfDeviceButton(low - 1).value_or(0) + 1;
}

}  // namespace monitor::dispatch
