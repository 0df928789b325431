#pragma once
// A button of the inter-device functions (codes 81-84): the monitor hands the
// press or release to the Parley software, which forwards it to the target device.

#include <cstdint>
#include <optional>

#include "monitor/dispatch/MonitorServices.h"

namespace monitor::dispatch {

struct InterDeviceKey {
    std::uint8_t command = 0;
    std::uint16_t target = 0;
};

// By the function code of `slot` (0-23, no slot map) in the active profile.
// Nothing for a slot outside 0-23 or without an active profile.
std::optional<InterDeviceKey> interDeviceKeyOfSlot(const settings::SettingsBlock& block, int slot);

// Event 0xFF00: L = slot + 1 (1-24), H = release flag. False when nothing was sent.
bool sendInterDeviceKey(MonitorServices& services, std::uint8_t low, std::uint8_t high);

}  // namespace monitor::dispatch
