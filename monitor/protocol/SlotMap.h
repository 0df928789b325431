#pragma once
// The profile's 24 button slots against the mouse's 18 buttons. Slots 5, 6, 11,
// 17, 18 and 23 exist only on the host and never go to the mouse.

#include <optional>

namespace monitor::protocol {

// The device button 0-17 of settings slot `slot`, or nothing for an unmapped slot
// or a number outside 0-23.
std::optional<int> deviceButtonOfSlot(int slot);

// The settings slot of device button 0-17, or nothing for any other number.
std::optional<int> slotOfDeviceButton(int button);

}  // namespace monitor::protocol
