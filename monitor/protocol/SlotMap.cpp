#include "monitor/protocol/SlotMap.h"

#include <array>

#include "monitor/protocol/ProtocolConstants.h"

namespace monitor::protocol {
namespace {

constexpr std::array<int, kDeviceButtonCount> kSlotOfButton = {
    0, 1, 2, 3, 4, 7, 8, 9, 10, 12, 13, 14, 15, 16, 19, 20, 21, 22,
};

}  // namespace

std::optional<int> deviceButtonOfSlot(int slot)
{
    for (int button = 0; button < kDeviceButtonCount; ++button) {
        if (kSlotOfButton[button] == slot)
            return button;
    }
    return std::nullopt;
}

std::optional<int> slotOfDeviceButton(int button)
{
    if (button < 0 || button >= kDeviceButtonCount)
        return std::nullopt;
    return kSlotOfButton[button];
}

}  // namespace monitor::protocol
